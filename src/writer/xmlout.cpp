// SPDX-License-Identifier: GPL-3.0-or-later
#include "writer/xmlout.h"

namespace quillora::writer {

namespace {
// The entity of a character that XML text cannot hold as it is.
const char *entityOf(char16_t c)
{
    switch (c) {
    case u'&':
        return "&amp;";
    case u'<':
        return "&lt;";
    case u'>':
        return "&gt;";
    case u'"':
        return "&quot;";
    }
    return nullptr;
}
} // namespace

XmlOut::XmlOut(Sink sink)
    : m_sink(std::move(sink))
{
    m_buffer.reserve(FlushAt + 64 * 1024);
}

void XmlOut::flush()
{
    if (m_buffer.isEmpty())
        return;
    m_sink(m_buffer);
    m_buffer.resize(0);
}

void XmlOut::escaped(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (const char *entity = entityOf(c))
            m_buffer.append(entity);
        else if (isXmlCharacter(c))
            appendUtf8(m_buffer, codePointAt(text, i));
    }
}

// Runs of spaces survive only as <text:s/>: a reader collapses them, and
// drops them at the start and the end of a paragraph. A space between two
// other characters may stand as it is.
void XmlOut::spaces(qsizetype count, bool atStart, bool atEnd)
{
    if (!atStart && !atEnd) {
        m_buffer.append(' ');
        --count;
    }
    if (count == 1)
        m_buffer.append("<text:s/>");
    else if (count > 1)
        m_buffer.append("<text:s text:c=\"").append(QByteArray::number(count)).append("\"/>");
}

void XmlOut::cellParagraphs(QByteArrayView text, qint64 &leftOut)
{
    m_buffer.append("<text:p>");
    qsizetype paragraphStart = 0;
    // Ordinary bytes are copied a run at a time.
    qsizetype run = 0;
    const auto takeRun = [&](qsizetype end) {
        if (end > run)
            m_buffer.append(text.data() + run, end - run);
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const uchar c = uchar(text[i]);
        if (c >= 0x80) {
            if (!isNonCharacterAt(text, i))
                continue;
            takeRun(i);
            ++leftOut;
            i += 2;
            run = i + 1;
            continue;
        }
        if (c > u'>' || (c > u' ' && c != u'&' && c != u'<' && c != u'>'))
            continue;
        takeRun(i);
        switch (c) {
        case u' ': {
            qsizetype end = i + 1;
            while (end < text.size() && text[end] == ' ')
                ++end;
            const bool atEnd = end == text.size() || text[end] == '\n' || text[end] == '\r';
            spaces(end - i, i == paragraphStart, atEnd);
            i = end - 1;
            break;
        }
        case u'\t':
            m_buffer.append("<text:tab/>");
            break;
        case u'\r':
        case u'\n':
            // A line break inside a cell: a paragraph each, as Calc keeps them.
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            m_buffer.append("</text:p><text:p>");
            paragraphStart = i + 1;
            break;
        default:
            if (const char *entity = entityOf(c))
                m_buffer.append(entity);
            else if (c < 0x20)
                ++leftOut; // a control character XML cannot carry
            else
                m_buffer.append(char(c));
        }
        run = i + 1;
    }
    takeRun(text.size());
    m_buffer.append("</text:p>");
}

} // namespace quillora::writer
