#include "writer/xmlout.h"

namespace quillora::writer {

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
        switch (c) {
        case u'&':
            m_buffer.append("&amp;");
            break;
        case u'<':
            m_buffer.append("&lt;");
            break;
        case u'>':
            m_buffer.append("&gt;");
            break;
        case u'"':
            m_buffer.append("&quot;");
            break;
        default:
            if (isXmlCharacter(c))
                appendUtf8(m_buffer, codePointAt(text, i));
        }
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

void XmlOut::cellParagraphs(QStringView text, qint64 &leftOut)
{
    m_buffer.append("<text:p>");
    qsizetype paragraphStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            switch (c) {
            case u' ': {
                qsizetype end = i + 1;
                while (end < text.size() && text[end] == u' ')
                    ++end;
                const bool atEnd = end == text.size() || text[end] == u'\n' || text[end] == u'\r';
                spaces(end - i, i == paragraphStart, atEnd);
                i = end - 1;
                continue;
            }
            case u'\t':
                m_buffer.append("<text:tab/>");
                continue;
            case u'\r':
            case u'\n':
                // A line break inside a cell: a paragraph each, as Calc keeps them.
                if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                    ++i;
                m_buffer.append("</text:p><text:p>");
                paragraphStart = i + 1;
                continue;
            case u'&':
                m_buffer.append("&amp;");
                continue;
            case u'<':
                m_buffer.append("&lt;");
                continue;
            case u'>':
                m_buffer.append("&gt;");
                continue;
            default:
                if (c < 0x20) {
                    ++leftOut;
                    continue;
                }
                m_buffer.append(char(c));
                continue;
            }
        }
        if (!isXmlCharacter(c)) {
            ++leftOut;
            continue;
        }
        appendUtf8(m_buffer, codePointAt(text, i));
    }
    m_buffer.append("</text:p>");
}

} // namespace quillora::writer
