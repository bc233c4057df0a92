// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/columnkinds.h"

#include "core/text/stagedline.h"

#include <algorithm>
#include <utility>

namespace quillora {

namespace {
// No number or date is longer; a longer cell is text.
constexpr qsizetype MostCharacters = 64;

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// A cell of a date's shape, ISO or parted by "/", "." or "-".
bool looksLikeDate(QStringView text)
{
    return dateOf(text).has_value() || datePartsOf(text).has_value();
}
} // namespace

bool mustStayText(QStringView text, QChar decimalSign)
{
    if (text.isEmpty() || !std::any_of(text.begin(), text.end(), isDigit))
        return false;
    // A sign in front only: "1-0" and "2024-03" are no numbers.
    const QStringView body = text.startsWith(u'-') ? text.sliced(1) : text;
    const bool numeric = std::all_of(body.begin(), body.end(), [](QChar c) {
        return isDigit(c) || c == u'.' || c == u',';
    });
    return numeric && !numberOf(text, decimalSign) && !looksLikeDate(text);
}

ColumnCensus::ColumnCensus(QChar decimalSign, bool dates)
    : m_decimalSign(decimalSign)
    , m_dates(dates)
{
}

void ColumnCensus::feed(QStringView staged)
{
    if (m_decimalSign.isNull() && !m_dates)
        return;
    // Cells are looked at where they stand; only one cut by the piece's
    // end is kept for the next.
    qsizetype start = 0;
    const qsizetype size = staged.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = staged[i];
        if (c != ColumnMarker && c != u'\n' && c != u'\r')
            continue;
        const QStringView cell = staged.sliced(start, i - start);
        if (m_cell.isEmpty() && !m_tooLong) {
            endCell(cell);
        } else {
            keep(cell);
            endCell(std::exchange(m_cell, QString()));
        }
        m_tooLong = false;
        m_column = c == ColumnMarker ? m_column + 1 : 0;
        start = i + 1;
    }
    keep(staged.sliced(start));
}

// Part of a cell the next piece goes on with; no number or date is longer
// than a few characters.
void ColumnCensus::keep(QStringView part)
{
    if (m_cell.size() + part.size() > MostCharacters)
        m_tooLong = true;
    else
        m_cell.append(part);
}

void ColumnCensus::endCell(QStringView cell)
{
    if (cell.isEmpty() || m_tooLong || cell.size() > MostCharacters)
        return;
    if (m_column >= qsizetype(m_columns.size()))
        m_columns.resize(size_t(m_column) + 1);
    Counts &counts = m_columns[size_t(m_column)];
    if (!m_decimalSign.isNull()) {
        if (numberOf(cell, m_decimalSign))
            ++counts.numbers;
        else if (counts.mustStayText.isEmpty() && mustStayText(cell, m_decimalSign))
            counts.mustStayText = cell.toString();
    }
    if (!m_dates || !isDigit(cell.front()))
        return;
    if (dateOf(cell)) {
        ++counts.isoDates;
    } else if (const auto parts = datePartsOf(cell)) {
        ++counts.splitDates;
        const bool dayFirst = parts->first > 12 && parts->second <= 12;
        const bool monthFirst = parts->second > 12 && parts->first <= 12;
        counts.dayFirst += dayFirst;
        counts.monthFirst += monthFirst;
        QString &example = dayFirst ? counts.dayFirstDate : monthFirst ? counts.monthFirstDate : counts.unsettled;
        if (example.isEmpty())
            example = cell.toString();
    }
}

// A column of numbers is numbers unless one cell would change as one; a
// column of dates parted by signs takes the order its own dates settle.
ColumnFinding ColumnCensus::findingOf(const Counts &counts) const
{
    const qint64 dates = counts.isoDates + counts.splitDates;
    // A cell that must stay text also tells the files that share the column;
    // where this file's column holds no number, nothing changed to tell.
    if (!counts.mustStayText.isEmpty() && counts.numbers >= dates)
        return {ColumnKind::Text, counts.numbers > 0 ? KindReason::MustStayText : KindReason::None,
                counts.numbers > 0 ? counts.mustStayText : QString()};
    if (counts.numbers > 0 && counts.numbers >= dates)
        return {ColumnKind::Number, KindReason::None, {}};
    if (dates == 0)
        return {};
    if (counts.isoDates >= counts.splitDates)
        return {ColumnKind::DateYmd, KindReason::None, {}};
    if (counts.dayFirst > 0 && counts.monthFirst > 0)
        return {ColumnKind::Text, KindReason::MixedOrder, counts.monthFirstDate};
    if (counts.dayFirst > 0)
        return {ColumnKind::DateDmy, KindReason::None, {}};
    if (counts.monthFirst > 0)
        return {ColumnKind::DateMdy, KindReason::None, {}};
    return {ColumnKind::Text, KindReason::UnsettledOrder, counts.unsettled};
}

std::vector<ColumnFinding> ColumnCensus::findings() const
{
    // A last cell that no line break ended.
    if (!m_cell.isEmpty() && !m_tooLong) {
        ColumnCensus rest = *this;
        rest.endCell(std::exchange(rest.m_cell, QString()));
        return rest.findings();
    }
    std::vector<ColumnFinding> findings;
    findings.reserve(m_columns.size());
    for (const Counts &counts : m_columns)
        findings.push_back(findingOf(counts));
    return findings;
}

} // namespace quillora
