// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/rowblock.h"

#include <algorithm>

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
    endRow();
    return leftOut;
}

qsizetype RowBlock::appendStagedCells(const std::vector<QStringView> &cells, qsizetype maxColumns)
{
    qsizetype leftOut = 0;
    for (size_t column = 0; column < cells.size(); ++column)
        leftOut += appendStagedCell(cells[column], cells[column].contains(StagingEscape), qsizetype(column) < maxColumns);
    endRow();
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
    endRow();
}

void RowBlock::endRow()
{
    m_rowEnds.push_back(cellCount());
    // Rows keep their typing only once a row is typed.
    if (m_typing != 0 || !m_rowTypings.empty()) {
        m_rowTypings.resize(m_rowEnds.size() - 1, 0);
        m_rowTypings.push_back(m_typing);
    }
}

void RowBlock::setTyping(const CellTyping &typing)
{
    if (!typing.any()) {
        m_typing = 0;
        return;
    }
    // Rows of one file follow each other.
    if (m_typing != 0 && m_typings[m_typing - 1] == typing)
        return;
    const auto known = std::find(m_typings.begin(), m_typings.end(), typing);
    m_typing = quint32(known - m_typings.begin()) + 1;
    if (known == m_typings.end())
        m_typings.push_back(typing);
}

CellValue RowBlock::valueAt(size_t row, qsizetype column) const
{
    const quint32 typing = row < m_rowTypings.size() ? m_rowTypings[row] : 0;
    const QStringView text = this->row(row)[column];
    return typing == 0 ? CellValue{} : valueOf(text, column, m_typings[typing - 1]);
}

} // namespace quillora
