// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/rowblock.h"

#include "core/text/linesplitter.h"

#include <limits>

namespace quillora {

QStringList RowBlock::Row::toStringList() const
{
    QStringList cells;
    cells.reserve(size());
    for (qsizetype c = 0; c < size(); ++c)
        cells.append((*this)[c].toString());
    return cells;
}

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
            if (cells < maxColumns) {
                const QStringView cell = line.sliced(start, end - start);
                if (escaped)
                    appendUnescaped(m_text, cell);
                else
                    m_text.append(cell);
                endCell();
                ++cells;
            } else {
                ++leftOut;
            }
            if (marker < 0)
                break;
            start = marker + 1;
        }
    }
    m_rowEnds.push_back(cellCount());
    return leftOut;
}

void RowBlock::appendRow(const QStringList &cells)
{
    for (const QString &cell : cells) {
        m_text.append(cell);
        endCell();
    }
    m_rowEnds.push_back(cellCount());
}

qsizetype stagedCellCount(QStringView line)
{
    return line.isEmpty() ? 0 : line.count(ColumnMarker) + 1;
}

QStringList cellsOfStagedLine(QStringView line)
{
    RowBlock block;
    block.appendStagedLine(line, std::numeric_limits<qsizetype>::max());
    return block.row(0).toStringList();
}

} // namespace quillora
