// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

namespace quillora {

// The sign a file writes decimals with, as the user chose it: automatic
// takes the comma in a file cut at semicolons (as exports from countries
// that write decimal commas are), the point otherwise.
enum class DecimalSign { Automatic, Point, Comma };

// The order of a date's parts as a file writes them.
enum class DateOrder : quint8 { Ymd, Dmy, Mdy };

// How a date shows, as its file wrote it: the order of its parts, the sign
// between them, and whether the day and the month have two digits
// ("31/12/2024", "1.2.2024", "12-31-2024", "2024-03-01").
struct DateShape
{
    DateOrder order = DateOrder::Ymd;
    char16_t separator = u'-';
    bool dayPadded = true;
    bool monthPadded = true;
    bool operator==(const DateShape &) const = default;
};
// How a format language writes a date's parts and the sign between them.
struct DateCodeWords
{
    QString year, day, paddedDay, month, paddedMonth;
    QString signBefore, signAfter; // around the sign, which it takes as is
};
// A shape as a format code in those words: "dd\/mm\/yyyy", "D.M.YYYY".
QString dateFormatCode(const DateShape &shape, const DateCodeWords &words);

// A shape as a small number and back (ISO is 0): it travels with a cell.
inline constexpr int MostDateForm = 24;
int dateFormOf(const DateShape &shape);
DateShape dateShapeOf(int form);

// What a column of a file holds, as its cells show it or as the user chose:
// text, numbers, or dates in an order; Skip leaves it out.
enum class ColumnKind : quint8 { Automatic, Text, Number, DateYmd, DateDmy, DateMdy, Skip };

// Which cells of a row are stored as what they are rather than as text:
// numbers written with that decimal sign (none: no number), dates; the
// first textColumns cells (a file column) always stay text. Where a column
// has a kind, its cells are that or text.
struct CellTyping
{
    QChar decimalSign;
    bool dates = false;
    qsizetype textColumns = 0;
    std::vector<ColumnKind> columns; // by the row's column; Automatic past its end
    bool any() const { return !decimalSign.isNull() || dates || !columns.empty(); }
    ColumnKind kindOf(qsizetype column) const
    {
        return column >= 0 && column < qsizetype(columns.size()) ? columns[size_t(column)] : ColumnKind::Automatic;
    }
    bool operator==(const CellTyping &) const = default;
};

// A cell as it is stored: text, a number shown with its text's decimals, or
// a date (days since 1899-12-30) shown in the form its text had.
struct CellValue
{
    enum class Kind { Text, Number, Date };
    Kind kind = Kind::Text;
    double value = 0;
    int decimals = 0; // of a number; of a date, its form (dateFormOf)
};

// The number a cell's whole text is, where storing it as one changes
// nothing that shows: an optional "-", digits without a leading zero (a lone
// 0 before the decimal sign), then optionally the decimal sign and at least
// one digit, 15 digits at most in all. "007", "1e5", "1,234.50", " 42", "-0"
// and "1." stay text.
std::optional<CellValue> numberOf(QStringView text, QChar decimalSign);
// The date a cell's whole text is: YYYY-MM-DD, a real day from 1900-03-01
// to 9999-12-31.
std::optional<CellValue> dateOf(QStringView text);
// The date a cell's whole text is in that order: the day and the month of
// one or two digits and a four-digit year, parted by "/", "." or "-" (the
// same sign twice); for Ymd, YYYY-MM-DD alone.
std::optional<CellValue> dateOf(QStringView text, DateOrder order);
// The first two parts of a date of one or two digits each, as numbers; a
// text of another shape gives nullopt. Where the first is past 12 the day
// comes first, where the second is, the month does.
struct DateParts
{
    int first = 0;
    int second = 0;
};
std::optional<DateParts> datePartsOf(QStringView text);
// The cell at column of a row typed so.
CellValue valueOf(QStringView text, qsizetype column, const CellTyping &typing);

} // namespace quillora
