// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/rowblock.h"

#include "core/text/linesplitter.h"


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
            if (cells < maxColumns) {
                const QStringView cell = line.sliced(start, end - start);
                if (escaped)
                    appendUnescaped(m_text, cell);
                else
                    m_text.append(cell);
                endCell();
                ++cells;
            } else if (end > start) {
                ++leftOut; // an empty field past the last column loses nothing
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

qsizetype stagedTextCellCount(QStringView line)
{
    qsizetype cells = 0;
    for (qsizetype start = 0; start < line.size();) {
        qsizetype end = line.indexOf(ColumnMarker, start);
        if (end < 0)
            end = line.size();
        cells += end > start;
        start = end + 1;
    }
    return cells;
}

} // namespace quillora
