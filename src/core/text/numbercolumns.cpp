// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/numbercolumns.h"

#include <algorithm>

namespace quillora {

namespace {
// A digit of the default font is 2 mm wide and a cell's margins take 1 mm:
// ten digits fit the default width of 22.58 mm, eleven do not. A widened
// column gives each character 2.2 mm and the margins 3 mm.
constexpr int DefaultWidth = 2258;
constexpr int DigitWidth = 200;
constexpr int CellMargins = 100;
constexpr int RoomyDigitWidth = 220;
constexpr int RoomyMargins = 300;
// No number or date is longer; a longer text is no number.
constexpr qsizetype MostCharacters = 64;
} // namespace

bool NumberColumns::note(qsizetype column, qsizetype characters)
{
    if (column >= columns())
        m_characters.resize(size_t(column) + 1);
    qsizetype &widest = m_characters[size_t(column)];
    if (characters <= widest)
        return false;
    widest = characters;
    return true;
}

qsizetype NumberColumns::charactersOf(qsizetype column) const
{
    return column < columns() ? m_characters[size_t(column)] : 0;
}

int numberColumnWidth(qsizetype characters)
{
    const int shown = int(std::min(characters, MostCharacters));
    if (CellMargins + DigitWidth * shown <= DefaultWidth)
        return 0;
    return RoomyMargins + RoomyDigitWidth * shown;
}

} // namespace quillora
