// SPDX-License-Identifier: GPL-3.0-or-later
#include "writer/librarymessages.h"

#include <QRegularExpression>

#include <cstdlib>

using namespace Qt::Literals::StringLiterals;

namespace quillora::writer {

LibraryMessages::LibraryMessages()
{
    m_capture = ::open_memstream(&m_text, &m_size);
    if (!m_capture)
        return;
    m_saved = stderr;
    stderr = m_capture;
}

LibraryMessages::~LibraryMessages()
{
    if (!m_capture)
        return;
    stderr = m_saved;
    std::fclose(m_capture);
    std::free(m_text);
}

QStringList LibraryMessages::take()
{
    if (!m_capture || std::fflush(m_capture) != 0)
        return {};
    const QString text = QString::fromUtf8(m_text, qsizetype(m_size));
    std::rewind(m_capture);
    // "[WARNING]: ...", "[ERROR][file.c:123]: ...": the tag says nothing to a user.
    static const QRegularExpression tag(u"^\\[[A-Z]+\\](\\[[^\\]]*\\])?:\\s*"_s);
    QStringList lines;
    for (QString line : text.split(u'\n', Qt::SkipEmptyParts)) {
        line.remove(tag);
        if (!line.isEmpty() && !lines.contains(line))
            lines.append(line);
    }
    return lines;
}

} // namespace quillora::writer
