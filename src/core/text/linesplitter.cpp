// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/linesplitter.h"

using namespace Qt::Literals::StringLiterals;

namespace quillora {

namespace {
// What follows the escape: the character it stands for.
constexpr QChar EscapedEscape = u'e';
constexpr QChar EscapedMarker = u'm';
constexpr QChar LineBreakInCell = u'n';

bool holdsStagingCharacters(QStringView text)
{
    return text.contains(ColumnMarker) || text.contains(StagingEscape);
}

// Appends text, the marker and the escape escaped.
void appendEscaped(QString &out, QStringView text)
{
    if (!holdsStagingCharacters(text)) {
        out.append(text);
        return;
    }
    for (const QChar c : text) {
        if (c == ColumnMarker || c == StagingEscape) {
            out.append(StagingEscape);
            out.append(c == ColumnMarker ? EscapedMarker : EscapedEscape);
        } else {
            out.append(c);
        }
    }
}

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r';
}

// CR LF, LF and a lone CR each count once; found with the fast search.
qint64 lineBreaks(QStringView text)
{
    qint64 count = 0;
    for (qsizetype at = text.indexOf(u'\n'); at >= 0; at = text.indexOf(u'\n', at + 1))
        ++count;
    if (text.contains(u'\r')) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n'))
                ++count;
        }
    }
    return count;
}

} // namespace

void LineSplitter::stage(QString &piece, const std::optional<QString> &separator, bool quotes)
{
    const QString cutAt = separator.value_or(QString());
    // Quotes mean something only where lines are cut, and not when the
    // separator holds one.
    const bool quoted = quotes && !cutAt.isEmpty() && !cutAt.contains(u'"');
    if (!m_inQuotes && !(quoted && piece.contains(u'"')) && !holdsStagingCharacters(piece)) {
        // The common case, as fast as a replace: no quote to heed and no
        // character to escape. A piece ends at a line break, so the next one
        // starts a field.
        if (quoted) // a quote that opens later is reported with its line
            m_line += lineBreaks(piece);
        if (!cutAt.isEmpty())
            piece.replace(cutAt, ColumnMarker);
        m_fieldStart = true;
        return;
    }
    stageEach(piece, cutAt, quoted);
}

void LineSplitter::stageEach(QString &piece, QStringView separator, bool quotes)
{
    const QStringView text(piece);
    const qsizetype size = text.size();
    QString out;
    out.reserve(size + size / 16);
    qsizetype i = 0;
    while (i < size) {
        if (m_inQuotes) {
            qsizetype j = i;
            while (j < size && text[j] != u'"' && !isLineBreak(text[j]))
                ++j;
            appendEscaped(out, text.sliced(i, j - i));
            if (j == size)
                break;
            if (text[j] == u'"') {
                if (j + 1 < size && text[j + 1] == u'"') {
                    out.append(u'"');
                    i = j + 2;
                } else {
                    // Closed: what follows up to the next separator is kept.
                    m_inQuotes = false;
                    i = j + 1;
                }
            } else {
                // A line break inside the cell, one LF whatever the file used.
                out.append(StagingEscape);
                out.append(LineBreakInCell);
                i = j + 1;
                if (text[j] == u'\r' && i < size && text[i] == u'\n')
                    ++i;
                ++m_line;
            }
            continue;
        }
        if (m_fieldStart && quotes && text[i] == u'"') {
            m_inQuotes = true;
            m_quoteLine = m_line;
            m_fieldStart = false;
            ++i;
            continue;
        }
        m_fieldStart = false;
        qsizetype j = i;
        const QChar first = separator.isEmpty() ? QChar() : separator.front();
        while (j < size && !isLineBreak(text[j])
               && !(text[j] == first && !separator.isEmpty() && text.sliced(j).startsWith(separator)))
            ++j;
        appendEscaped(out, text.sliced(i, j - i));
        if (j == size)
            break;
        m_fieldStart = true;
        if (isLineBreak(text[j])) {
            // Always CR LF: an empty quoted field between a CR and an LF
            // would otherwise join two line breaks into one.
            out.append(u"\r\n");
            i = j + 1;
            if (text[j] == u'\r' && i < size && text[i] == u'\n')
                ++i;
            ++m_line;
        } else {
            out.append(ColumnMarker);
            i = j + separator.size();
        }
    }
    piece = std::move(out);
}

std::optional<qint64> LineSplitter::unclosedQuoteLine() const
{
    return m_inQuotes ? std::optional<qint64>(m_quoteLine) : std::nullopt;
}

void appendUnescaped(QString &out, QStringView cell)
{
    for (qsizetype i = 0; i < cell.size(); ++i) {
        if (cell[i] != StagingEscape || i + 1 == cell.size()) {
            out.append(cell[i]);
            continue;
        }
        const QChar code = cell[++i];
        out.append(code == EscapedMarker ? ColumnMarker : code == LineBreakInCell ? QChar(u'\n') : StagingEscape);
    }
}

} // namespace quillora
