// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/import/blockpipeline.h"

#include "core/import/officecalls.h"
#include "core/import/spreadsheet.h"

#include <algorithm>

namespace quillora {

BlockPipeline::BlockPipeline(OfficeCalls &office, Progress progress)
    : m_office(office)
    , m_progress(std::move(progress))
{
}

void BlockPipeline::startSheet(SpreadsheetSheet &sheet, int writeStep, qint64 rowsBefore)
{
    finish();
    m_sheet = &sheet;
    m_writeStep = writeStep;
    m_rowsBefore = rowsBefore;
}

void BlockPipeline::makeRoom()
{
    const int inFlight = std::clamp(m_sheet->concurrentWrites(), 1, MaxWritesInFlight);
    while (std::ssize(m_writes) >= inFlight)
        finishOldest();
}

void BlockPipeline::send(int firstRow, RowBlock &rows, qint64 totalLines)
{
    if (rows.empty())
        return;
    makeRoom();
    const int inFlight = std::clamp(m_sheet->concurrentWrites(), 1, MaxWritesInFlight);
    if (!m_office.usable()) {
        rows = {};
        return;
    }
    PendingWrite write;
    write.rows = static_cast<qint64>(rows.rowCount());
    write.lastIndex = m_rowsBefore + firstRow + write.rows - 1;
    write.total = totalLines;
    CallThread &writer = m_writers[m_blocksSent++ % inFlight];
    SpreadsheetSheet *sheet = m_sheet;
    write.done = writer.start(
        [sheet, firstRow, block = std::exchange(rows, {})]() mutable { sheet->writeRows(firstRow, std::move(block)); });
    m_writes.push_back(std::move(write));
}

void BlockPipeline::finishOldest()
{
    PendingWrite write = std::move(m_writes.front());
    m_writes.pop_front();
    if (m_office.result(m_writeStep, std::move(write.done), m_office.deadlines().call))
        m_rowsWritten += write.rows;
    m_progress(write.lastIndex, write.total);
}

void BlockPipeline::finish()
{
    while (!m_writes.empty())
        finishOldest();
}

} // namespace quillora
