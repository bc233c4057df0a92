// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/rowblock.h"

#include "core/text/stagedline.h"

namespace quillora {

RowBlock::RowBlock(const std::vector<QStringList> &rows)
{
    for (const QStringList &cells : rows)
        appendRow(cells);
}

qsizetype RowBlock::appendStagedLine(QStringView line, qsizetype maxColumns)
{
    qsizetype cells = 0;
    qsizetype leftOut = 0;
    if (!line.isEmpty()) {
        const bool escaped = line.contains(StagingEscape);
        for (qsizetype start = 0;;) {
            const qsizetype marker = line.indexOf(ColumnMarker, start);
            const qsizetype end = marker < 0 ? line.size() : marker;
            leftOut += appendStagedCell(line.sliced(start, end - start), escaped, cells++ < maxColumns);
            if (marker < 0)
                break;
            start = marker + 1;
        }
    }
    m_rowEnds.push_back(cellCount());
    return leftOut;
}

qsizetype RowBlock::appendStagedCells(const std::vector<QStringView> &cells, qsizetype maxColumns)
{
    qsizetype leftOut = 0;
    for (size_t column = 0; column < cells.size(); ++column)
        leftOut += appendStagedCell(cells[column], cells[column].contains(StagingEscape), qsizetype(column) < maxColumns);
    m_rowEnds.push_back(cellCount());
    return leftOut;
}

// Returns 1 for a cell with text that falls past the last column: an empty
// field there loses nothing.
qsizetype RowBlock::appendStagedCell(QStringView cell, bool escaped, bool fits)
{
    if (!fits)
        return cell.isEmpty() ? 0 : 1;
    if (escaped)
        appendUnescaped(m_text, cell);
    else
        m_text.append(cell);
    endCell();
    return 0;
}

void RowBlock::appendRow(const QStringList &cells)
{
    for (const QString &cell : cells) {
        m_text.append(cell);
        endCell();
    }
    m_rowEnds.push_back(cellCount());
}

} // namespace quillora
