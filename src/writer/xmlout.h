// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "writer/utf8.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

#include <functional>

namespace quillora::writer {

// XML text gathered in memory and handed on in large pieces: to a file, or
// to an entry of a zip archive.
class XmlOut
{
public:
    using Sink = std::function<void(const QByteArray &bytes)>;
    explicit XmlOut(Sink sink);

    XmlOut &operator<<(const char *ascii)
    {
        m_buffer.append(ascii);
        return *this;
    }
    // Bytes that need no escaping (a number, an ISO date).
    XmlOut &operator<<(QByteArrayView plain)
    {
        m_buffer.append(plain);
        return *this;
    }
    XmlOut &operator<<(qint64 number)
    {
        m_buffer.append(QByteArray::number(number));
        return *this;
    }
    // Text as character data or attribute value: escaped, and UTF-8.
    void escaped(QStringView text);
    // A spreadsheet cell's text (UTF-8) as paragraphs, whitespace kept the
    // OpenDocument way; characters XML cannot carry are left out and
    // counted.
    void cellParagraphs(QByteArrayView utf8, qint64 &leftOut);

    // Hands on what is gathered once there is enough of it.
    void maybeFlush()
    {
        if (m_buffer.size() >= FlushAt)
            flush();
    }
    void flush();

private:
    static constexpr qsizetype FlushAt = 256 * 1024;
    void spaces(qsizetype count, bool atStart, bool atEnd);

    Sink m_sink;
    QByteArray m_buffer;
};

} // namespace quillora::writer
