// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/linesplitter.h"

#include "core/text/stagedline.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

namespace {
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

// The longest line of the text: at most its longest stretch between LFs,
// or between CRs where a file ends its lines with CR alone.
qsizetype longestLine(QStringView text)
{
    const auto longestBetween = [&](char16_t mark) {
        qsizetype longest = 0;
        qsizetype start = 0;
        for (qsizetype at = text.indexOf(mark); at >= 0; at = text.indexOf(mark, at + 1)) {
            longest = std::max(longest, at - start);
            start = at + 1;
        }
        return std::max(longest, text.size() - start);
    };
    const qsizetype byLf = longestBetween(u'\n');
    return byLf > 0 && text.contains(u'\r') ? std::min(byLf, longestBetween(u'\r')) : byLf;
}

} // namespace

LineSplitter::LineSplitter(CellLimits limits)
    : m_limits(limits)
{
}

// Whether the piece can be staged as a plain replace: it ends a line, and
// no line of it holds more characters than a cell, nor more cells than a row.
bool LineSplitter::fitsWhole(QStringView piece) const
{
    if (!m_held.isEmpty() || piece.isEmpty() || !isLineBreak(piece.back()))
        return false;
    return longestLine(piece) < std::min(m_limits.characters, m_limits.columns);
}

void LineSplitter::stage(QString &piece, const std::optional<QString> &separator, bool quotes)
{
    const QString cutAt = separator.value_or(QString());
    // Quotes mean nothing when the separator holds one.
    const bool quoted = quotes && !cutAt.contains(u'"');
    if (!m_inQuotes && !(quoted && piece.contains(u'"')) && !holdsStagingCharacters(piece) && fitsWhole(piece)) {
        // The common case, as fast as a replace: no quote to heed, no
        // character to escape, no cell to cut. The piece ends at a line
        // break, so the next one starts a field.
        if (quoted) // a quote that opens later is reported with its line
            m_line += lineBreaks(piece);
        if (!cutAt.isEmpty())
            piece.replace(cutAt, ColumnMarker);
        m_fieldStart = true;
        return;
    }
    if (!m_held.isEmpty())
        piece.prepend(std::exchange(m_held, QString()));
    stageEach(piece, cutAt, quoted, false);
}

void LineSplitter::finish(QString &rest, const std::optional<QString> &separator, bool quotes)
{
    rest = std::exchange(m_held, QString());
    const QString cutAt = separator.value_or(QString());
    stageEach(rest, cutAt, quotes && !cutAt.contains(u'"'), true);
}

void LineSplitter::appendCellText(QString &out, QStringView text)
{
    if (text.isEmpty())
        return;
    const auto count = [this](qint64 &counter) {
        if (!std::exchange(m_cellCounted, true))
            ++counter;
    };
    if (m_column >= m_limits.columns) {
        count(m_leftOutCells);
        return;
    }
    qsizetype take = std::min(text.size(), m_limits.characters - m_cellLength);
    if (take < text.size()) {
        // A character outside the BMP stays whole or goes whole.
        if (take > 0 && text[take - 1].isHighSurrogate())
            --take;
        count(m_cutCells);
    }
    appendEscaped(out, text.first(take));
    m_cellLength += take;
}

void LineSplitter::endCell(QString &out)
{
    ++m_column;
    if (m_column < m_limits.columns)
        out.append(ColumnMarker);
    m_cellLength = 0;
    m_cellCounted = false;
}

void LineSplitter::endLine(QString &out)
{
    // Always CR LF: an empty quoted field between a CR and an LF would
    // otherwise join two line breaks into one.
    out.append(u"\r\n");
    m_column = 0;
    m_cellLength = 0;
    m_cellCounted = false;
    ++m_line;
}

// The slow path, a field at a time. Unless this is the last of the text, a
// piece that ends inside a line holds back its last characters (a separator
// or a doubled quote may go on in the next piece); a field that runs past
// them is staged up to there.
void LineSplitter::stageEach(QString &piece, QStringView separator, bool quotes, bool last)
{
    const QStringView text(piece);
    const qsizetype size = text.size();
    qsizetype end = size;
    if (!last && size > 0 && !isLineBreak(text.back())) {
        end = std::max<qsizetype>(0, size - std::max<qsizetype>(1, separator.size() - 1));
        if (end > 0 && text[end - 1].isHighSurrogate())
            --end;
    }
    QString out;
    out.reserve(size + size / 16);
    qsizetype i = 0;
    while (i < end) {
        if (m_inQuotes) {
            if (!stageQuoted(text, i, end, out))
                break;
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
        while (j < end && !isLineBreak(text[j])
               && !(text[j] == first && !separator.isEmpty() && text.sliced(j).startsWith(separator)))
            ++j;
        appendCellText(out, text.sliced(i, j - i));
        i = j;
        if (j == end)
            break;
        m_fieldStart = true;
        if (isLineBreak(text[j])) {
            endLine(out);
            i = j + 1;
            if (text[j] == u'\r' && i < size && text[i] == u'\n')
                ++i;
        } else {
            endCell(out);
            i = j + separator.size();
        }
    }
    m_held = text.sliced(std::min(i, size)).toString();
    piece = std::move(out);
}

// Inside a quoted field, from i: up to its closing quote, a doubled quote or
// a line break, which belong to the cell. False when end came first (i is
// then end).
bool LineSplitter::stageQuoted(QStringView text, qsizetype &i, qsizetype end, QString &out)
{
    qsizetype j = i;
    while (j < end && text[j] != u'"' && !isLineBreak(text[j]))
        ++j;
    appendCellText(out, text.sliced(i, j - i));
    i = j;
    if (j == end)
        return false;
    if (text[j] == u'"') {
        if (j + 1 < text.size() && text[j + 1] == u'"') {
            appendCellText(out, u"\"");
            i = j + 2;
        } else {
            // Closed: what follows up to the next separator is kept.
            m_inQuotes = false;
            i = j + 1;
        }
        return true;
    }
    // A line break inside the cell, one LF whatever the file used.
    if (m_column < m_limits.columns && m_cellLength < m_limits.characters) {
        appendEscapedLineBreak(out);
        ++m_cellLength;
    } else {
        appendCellText(out, u"\n"); // counted, not kept
    }
    i = j + 1;
    if (text[j] == u'\r' && i < text.size() && text[i] == u'\n')
        ++i;
    // Lines so far, less the breaks inside fields, are the staged lines ended.
    m_records.addBreak(m_line - 1 - m_records.extraLines());
    ++m_line;
    return true;
}

qint64 RecordLines::lineOf(qint64 index) const
{
    const auto after = std::ranges::lower_bound(m_spans, index, {}, &std::pair<qint64, qint64>::first);
    return index + 1 + (after == m_spans.begin() ? 0 : std::prev(after)->second);
}

void RecordLines::addBreak(qint64 index)
{
    const qint64 extra = extraLines() + 1;
    if (!m_spans.empty() && m_spans.back().first == index)
        m_spans.back().second = extra;
    else
        m_spans.emplace_back(index, extra);
}

std::optional<RecordLines::Span> RecordLines::longestSpan() const
{
    std::optional<Span> longest;
    qint64 before = 0; // extra lines of the staged lines before
    for (const auto &[index, extra] : m_spans) {
        const qint64 first = index + 1 + before;
        const Span span{first, first + extra - before};
        if (!longest || span.lastLine - span.firstLine > longest->lastLine - longest->firstLine)
            longest = span;
        before = extra;
    }
    return longest;
}

std::optional<qint64> LineSplitter::unclosedQuoteLine() const
{
    return m_inQuotes ? std::optional<qint64>(m_quoteLine) : std::nullopt;
}

} // namespace quillora
