// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/text/cellvalue.h"

#include <QString>
#include <QStringView>

#include <vector>

// What each column of a file's rows holds, so that a column is one kind: a
// column of numbers where one id keeps its leading zero stays text as a
// whole, a column of dates is read in the order its own dates settle.
namespace quillora {

// Why a column was left text where its cells asked to be typed.
enum class KindReason : quint8 {
    None,
    MustStayText,   // a cell that would change as a number ("007", 16 digits, "1.234.5")
    UnsettledOrder, // dates whose every part is 12 or under: day or month first?
    MixedOrder,     // dates day first and dates month first
};

struct ColumnFinding
{
    ColumnKind kind = ColumnKind::Automatic; // Automatic: nothing to type
    KindReason reason = KindReason::None;
    QString example; // the cell that tells the reason
    bool operator==(const ColumnFinding &) const = default;
};

// Counted over a file's rows (its head left out), fed as staged text in
// pieces, a cell or a line cut between two.
class ColumnCensus
{
public:
    // What automatic typing looks for: numbers written with that sign (none:
    // no numbers), dates.
    ColumnCensus(QChar decimalSign, bool dates);

    void feed(QStringView staged);
    // After the last piece: each column's kind and why.
    std::vector<ColumnFinding> findings() const;

private:
    struct Counts
    {
        qint64 numbers = 0;
        qint64 isoDates = 0;
        qint64 splitDates = 0;
        qint64 dayFirst = 0;   // a first part past 12
        qint64 monthFirst = 0; // a second part past 12
        QString mustStayText;  // the first cell that would change as a number
        QString unsettled;     // the first date either way
        QString dayFirstDate;
        QString monthFirstDate;
    };
    void keep(QStringView part);
    void endCell(QStringView cell);
    ColumnFinding findingOf(const Counts &counts) const;

    QChar m_decimalSign;
    bool m_dates;
    std::vector<Counts> m_columns;
    qsizetype m_column = 0;
    QString m_cell;
    bool m_tooLong = false;
};

// Whether the text looks like a number a file writes (digits and their
// separators, a minus in front) yet is none that keeps its text: "007", an
// id past 15 digits, "1.234.5", "1,234.50".
bool mustStayText(QStringView text, QChar decimalSign);

} // namespace quillora
