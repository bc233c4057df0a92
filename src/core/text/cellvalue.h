// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QStringView>

#include <optional>

namespace quillora {

// The sign a file writes decimals with, as the user chose it: automatic
// takes the comma in a file cut at semicolons (as exports from countries
// that write decimal commas are), the point otherwise.
enum class DecimalSign { Automatic, Point, Comma };

// Which cells of a row are stored as what they are rather than as text:
// numbers written with that decimal sign (none: no number), ISO dates; the
// first textColumns cells (a file column) always stay text.
struct CellTyping
{
    QChar decimalSign;
    bool dates = false;
    qsizetype textColumns = 0;
    bool any() const { return !decimalSign.isNull() || dates; }
    bool operator==(const CellTyping &) const = default;
};

// A cell as it is stored: text, a number shown with its text's decimals, or
// a date (days since 1899-12-30, shown as YYYY-MM-DD).
struct CellValue
{
    enum class Kind { Text, Number, Date };
    Kind kind = Kind::Text;
    double value = 0;
    int decimals = 0;
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
// The cell at column of a row typed so.
CellValue valueOf(QStringView text, qsizetype column, const CellTyping &typing);

} // namespace quillora
