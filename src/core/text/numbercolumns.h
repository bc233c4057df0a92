// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <vector>

namespace quillora {

// A number or a date shows "###" in a column too narrow for it, where text
// runs on into the next cell: the columns of a sheet that hold such cells
// are made as wide as their widest one. Every output keeps this account and
// turns it into widths of its own kind.
class NumberColumns
{
public:
    // A cell stored as a number or a date, shown in that many characters.
    // Returns whether it is the widest of its column so far.
    bool note(qsizetype column, qsizetype characters);
    // The characters of the column's widest number or date; 0: none.
    qsizetype charactersOf(qsizetype column) const;
    // One past the last column that holds a number or a date.
    qsizetype columns() const { return qsizetype(m_characters.size()); }

private:
    std::vector<qsizetype> m_characters; // by column
};

// The width in hundredths of a millimetre that shows a number of that many
// characters in the office's default font (10 points), with room for a
// wider font; 0 where the default column width (22.58 mm) shows it.
int numberColumnWidth(qsizetype characters);

} // namespace quillora
