// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/import/callthread.h"
#include "core/text/rowblock.h"

#include <QtGlobal>

#include <array>
#include <deque>
#include <functional>
#include <future>

namespace quillora {

class OfficeCalls;
class SpreadsheetSheet;

// Blocks of rows on their way into a sheet. A block is sent and the run
// goes on reading the next one while it is written; a sheet that takes
// several blocks at once gets the next ones while it still works on the
// oldest, so its application never waits for a block to arrive.
class BlockPipeline
{
public:
    // Blocks sent before the oldest must be written.
    static constexpr int MaxWritesInFlight = 3;

    // Told, after each block, the index of its last line and the sheet's
    // line count.
    using Progress = std::function<void(qint64 lastIndex, qint64 total)>;

    BlockPipeline(OfficeCalls &office, Progress progress);

    // The sheet the next blocks go to, the step a failed block is reported
    // as, and the rows of the sheets before it that the progress counts.
    void startSheet(SpreadsheetSheet &sheet, int writeStep, qint64 rowsBefore = 0);
    // Waits until the sheet takes one more block.
    void makeRoom();
    // Sends the block (which is left empty) for the rows from firstRow on.
    void send(int firstRow, RowBlock &rows, qint64 totalLines);
    // Waits until every block sent is written.
    void finish();
    qint64 rowsWritten() const { return m_rowsWritten; }

private:
    void finishOldest();

    OfficeCalls &m_office;
    Progress m_progress;
    SpreadsheetSheet *m_sheet = nullptr;
    int m_writeStep = 0;
    qint64 m_rowsBefore = 0;
    // Threads for blocks only: a sheet that takes several at once gets them
    // from different threads.
    std::array<CallThread, MaxWritesInFlight> m_writers;
    struct PendingWrite
    {
        std::future<void> done;
        qint64 rows = 0;
        qint64 lastIndex = 0;
        qint64 total = 0;
    };
    std::deque<PendingWrite> m_writes;
    qint64 m_blocksSent = 0;
    qint64 m_rowsWritten = 0;
};

} // namespace quillora
