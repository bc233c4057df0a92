// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/text/cellvalue.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <initializer_list>
#include <vector>

namespace quillora {

// Rows of cells on their way to a sheet, every cell's text in one buffer: a
// block of narrow rows costs a few bytes a cell rather than a string each,
// and is made and let go without an allocation per cell.
class RowBlock
{
public:
    class Row
    {
    public:
        qsizetype size() const { return m_last - m_first; }
        QStringView operator[](qsizetype column) const { return m_block->cellText(m_first + column); }

    private:
        friend class RowBlock;
        Row(const RowBlock *block, qsizetype first, qsizetype last)
            : m_block(block)
            , m_first(first)
            , m_last(last)
        {
        }
        const RowBlock *m_block;
        qsizetype m_first;
        qsizetype m_last;
    };

    RowBlock() = default;
    RowBlock(std::initializer_list<QStringList> rows)
        : RowBlock(std::vector<QStringList>(rows))
    {
    }
    explicit RowBlock(const std::vector<QStringList> &rows);

    // Appends a staged line as a row: cut at every column marker, escaped
    // characters restored, an empty line a row without cells. Cells past
    // maxColumns are left out; returns how many of them held text.
    qsizetype appendStagedLine(QStringView line, qsizetype maxColumns);
    // Appends a row of staged cells (escaped, as a staged line holds them);
    // the same rules.
    qsizetype appendStagedCells(const std::vector<QStringView> &cells, qsizetype maxColumns);
    void appendRow(const QStringList &cells);

    size_t rowCount() const { return m_rowEnds.size(); }
    qsizetype cellCount() const { return qsizetype(m_cellEnds.size()); }
    // Characters of all cells together.
    qsizetype textSize() const { return m_text.size(); }
    bool empty() const { return m_rowEnds.empty(); }
    Row row(size_t index) const { return {this, index == 0 ? 0 : m_rowEnds[index - 1], m_rowEnds[index]}; }

    // How the rows appended from now on are typed: which of their cells are
    // stored as numbers or dates (none, as text: the default).
    void setTyping(const CellTyping &typing);
    // What the cell is stored as, as its row was typed.
    CellValue valueAt(size_t row, qsizetype column) const;
    // Whether any row is typed: a block of text alone is written as text.
    bool typed() const { return !m_rowTypings.empty(); }
    qsizetype width(size_t index) const { return row(index).size(); }

private:
    QStringView cellText(qsizetype cell) const
    {
        const qsizetype start = cell == 0 ? 0 : m_cellEnds[size_t(cell) - 1];
        return QStringView(m_text).sliced(start, m_cellEnds[size_t(cell)] - start);
    }
    void endCell() { m_cellEnds.push_back(m_text.size()); }
    void endRow();
    qsizetype appendStagedCell(QStringView cell, bool escaped, bool fits);

    QString m_text;
    std::vector<qsizetype> m_cellEnds; // where each cell's text ends in m_text
    std::vector<qsizetype> m_rowEnds;  // how many cells end before each row's end
    std::vector<CellTyping> m_typings;
    std::vector<quint32> m_rowTypings; // each row's typing (from 1), 0: none
    quint32 m_typing = 0;
};

} // namespace quillora
