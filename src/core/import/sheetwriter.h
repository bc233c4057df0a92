// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/import/blockpipeline.h"
#include "core/import/filestager.h"
#include "core/import/importinterfaces.h"
#include "core/import/sheetlayout.h"
#include "core/import/spreadsheet.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace quillora {

class GuardedOperation;
class OfficeCalls;
class StagingFile;

// Where the run is, for the report of a stop: the file being read (list
// position from 0, of count).
struct RunPlace
{
    int index = -1;
    int count = 0;
    QString path;
};

// One sheet's writing: the staged lines shaped into rows (under the header
// row, after the file column), sent in blocks, continued on a new sheet
// right after a full one where the run lets sheets continue, and what did
// not fit reported once for the sheet.
class SheetWriter
{
    Q_DECLARE_TR_FUNCTIONS(quillora::SheetWriter)

public:
    // A call to the spreadsheet carries about this many cells, and never
    // more rows or characters than this: blocks are sized by cells, so narrow
    // and wide files alike take few round trips (Calc writes a dozen rows of
    // a thousand cells a call a fifth slower than fifty), and memory stays
    // bounded: a block keeps its text in one buffer, and a few are in flight
    // while the next is read.
    static constexpr int BlockCells = 49152;
    static constexpr int BlockRows = 65536;
    static constexpr qsizetype BlockText = qsizetype(1) << 21;

    // The step numbers writing reports with.
    struct Steps
    {
        int readBack = 0;
        int progress = 0;
        int writeCells = 0;
    };
    // The document and the sheet being written are the run's, used on its
    // call thread only; continuing replaces the sheet.
    struct Target
    {
        std::unique_ptr<SpreadsheetDocument> &document;
        std::unique_ptr<SpreadsheetSheet> &sheet;
    };

    SheetWriter(OfficeCalls &office, GuardedOperation &guard, ImportInputs &inputs, ImportObserver &observer,
                Target target, std::function<void(qsizetype)> handled);

    void setRun(const Steps &steps, bool continueSheets);
    // What a sheet of the document holds, once it is made.
    void setLimits(SheetLimits limits) { m_limits = limits; }
    // Writes the staged lines onto the sheet at position, called sheetName;
    // staged: what staging left out of them already.
    void write(const QString &sheetName, int position, StagingFile &staging, SheetLayout &layout,
               StagedCells staged);
    // A new file is being read: nothing of it is written yet.
    void fileBegun() { m_writing = false; }
    // Where the next sheet goes after the sheets of this one.
    int positionAfter() const { return m_positionAfter; }
    qint64 rowsWritten() const { return m_blocks.rowsWritten(); }
    qint64 cellsLeftOut() const { return m_cellsLeftOut; }
    qint64 rowsLeftOut() const { return m_rowsLeftOut; }

    // Where each file's rows landed on the last sheet written (and those it
    // went on to), in order; a file none of whose rows landed has none.
    struct Landing
    {
        int listIndex = 0;
        QString sheet;
        qint64 firstRow = 0; // from 1
        QString lastSheet;
        qint64 lastRow = 0;
    };
    const std::vector<Landing> &landings() const { return m_landings; }

    // Where the run stopped, by what the document holds.
    QString stopReport(const RunPlace &place, bool sheetsBefore) const;

private:
    // The rows of one sheet on their way: the block being filled, where it
    // goes, and the sheets (parts) it went on after a full one.
    struct SheetRows
    {
        RowBlock rows;
        qint64 row = 0;      // on the sheet being written
        qint64 firstRow = 0; // of the block
        qint64 rowsBefore = 0;
        QString name;
        int part = 1;
        bool full = false;   // and no new sheet for the rest
    };
    bool beginSheetRows(SheetRows &sheet, qint64 rowsToCome, StagedCells &leftOut);
    void sendBlock(SheetRows &sheet, qint64 totalLines, qint64 linesAfter);
    void continueOnNewSheet(const QString &sheetName, SheetRows &sheet, qint64 rowsToCome, StagedCells &leftOut);
    qsizetype shapeRow(QStringView line, qint64 index, RowBlock &rows);
    void noteLanding(const SheetRows &sheet, qint64 index);
    static bool blockIsFull(const RowBlock &rows);
    void reportLeftOut(const QString &sheetName, const StagedCells &cells);
    bool closingOrStopping() const;

    OfficeCalls &m_office;
    GuardedOperation &m_guard;
    ImportInputs &m_inputs;
    ImportObserver &m_observer;
    Target m_target;
    std::function<void(qsizetype)> m_handled;
    BlockPipeline m_blocks;
    Steps m_steps;
    SheetLimits m_limits;
    bool m_continueSheets = false;
    SheetLayout *m_layout = nullptr;
    int m_position = 0;
    int m_positionAfter = 0;
    bool m_continueHintGiven = false;
    qint64 m_cellsLeftOut = 0;
    qint64 m_rowsLeftOut = 0;
    // Whether the sheet of the last write began, and its staged lines sent.
    bool m_writing = false;
    qint64 m_linesSent = 0;
    std::vector<Landing> m_landings;
    // The files of the sheet being written, and the one of the last line.
    std::vector<std::pair<int, qint64>> m_fileEnds;
    size_t m_landingFile = 0;
};

} // namespace quillora
