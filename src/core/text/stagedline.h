// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// The staged-line format, in one place: what the splitter writes, the
// staging file keeps, and the layout, the preview and the plan read. A staged
// line is one row; a column marker ends each of its cells but the last.
namespace quillora {

// The column marker and the escape are control characters that text hardly
// ever holds; when it does, they are staged escaped, so that every character
// of the text, the cedilla and every other, comes back as it was.
inline constexpr QChar ColumnMarker = QChar(0x001F);  // the unit separator
inline constexpr QChar StagingEscape = QChar(0x001E); // the record separator

// Whether text holds either, and must be escaped.
inline bool holdsStagingCharacters(QStringView text)
{
    return text.contains(ColumnMarker) || text.contains(StagingEscape);
}
// Appends text, the marker and the escape escaped.
void appendEscaped(QString &out, QStringView text);
// Appends a line break that belongs to a cell (a quoted field's), escaped.
void appendEscapedLineBreak(QString &out);
// Appends a staged cell's text with every escaped character restored.
void appendUnescaped(QString &out, QStringView cell);

// Cells as a staged line holds them.
QString stagedLineOf(const QStringList &cells);
// A staged line's cells, every escaped character restored; an empty line
// has none.
QStringList cellsOfStagedLine(QStringView line);
// A staged line's cells as they stand (still escaped), into cells.
void splitStagedLine(QStringView line, std::vector<QStringView> &cells);
// How many cells a staged line has, empty ones included (an empty line has
// none), and how many of them hold text.
qsizetype stagedCellCount(QStringView line);
qsizetype stagedTextCellCount(QStringView line);

} // namespace quillora
