// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/text/rowblock.h"

#include <QStringList>

#include <limits>

namespace quillora::test {

// A staged line's cells, as a block's row holds them.
inline QStringList cellsOfStagedLine(QStringView line)
{
    RowBlock block;
    block.appendStagedLine(line, std::numeric_limits<qsizetype>::max());
    QStringList cells;
    const RowBlock::Row row = block.row(0);
    for (qsizetype c = 0; c < row.size(); ++c)
        cells.append(row[c].toString());
    return cells;
}

} // namespace quillora::test
