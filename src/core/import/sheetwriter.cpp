// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/import/sheetwriter.h"

#include "core/errorreport.h"
#include "core/import/officecalls.h"
#include "core/text/stagedline.h"
#include "core/text/stagingfile.h"
#include "core/text/textreader.h"
#include "core/translations.h"

#include <QLocale>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

SheetWriter::SheetWriter(OfficeCalls &office, GuardedOperation &guard, ImportInputs &inputs,
                         ImportObserver &observer, Target target, std::function<void(qsizetype)> handled)
    : m_office(office)
    , m_guard(guard)
    , m_inputs(inputs)
    , m_observer(observer)
    , m_target(target)
    , m_handled(std::move(handled))
    , m_blocks(office, [this](qint64 lastIndex, qint64 total) {
        m_guard.step(m_steps.progress, [&] { m_observer.rowsWritten(lastIndex + 1, total); });
    })
{
}

void SheetWriter::setRun(const Steps &steps, bool continueSheets)
{
    m_steps = steps;
    m_continueSheets = continueSheets;
}

bool SheetWriter::closingOrStopping() const
{
    return m_office.closing() || m_observer.stopAsked();
}

void SheetWriter::write(const QString &sheetName, int position, StagingFile &staging, SheetLayout &layout,
                        StagedCells staged)
{
    m_layout = &layout;
    m_position = position;
    m_positionAfter = position + 1;
    StagedCells leftOut = staged;
    if (!m_target.sheet || !m_guard.step(m_steps.readBack, [&] { staging.rewind(); }))
        return;
    m_writing = true;
    m_linesSent = 0;
    const qint64 lines = staging.lineCount();
    // A header row, when files had headers, counts as a row of the sheet.
    const qint64 totalLines = lines + (layout.hasHeaderRow() ? 1 : 0);
    SheetRows sheet;
    sheet.name = sheetName;
    m_landings.clear();
    m_fileEnds = layout.fileEnds();
    m_landingFile = 0;
    if (!beginSheetRows(sheet, lines, leftOut))
        return;
    QStringView line;
    for (qint64 index = 0;; ++index) {
        bool more = false;
        if (!m_guard.step(m_steps.readBack, [&] { more = staging.ReadTextLines(line); }) || !more)
            break;
        if (sheet.row >= m_limits.rows && !sheet.full) {
            sendBlock(sheet, totalLines, index);
            continueOnNewSheet(sheetName, sheet, lines - index, leftOut);
        }
        if (sheet.row >= m_limits.rows) {
            const qsizetype cells = stagedTextCellCount(line);
            leftOut.leftOut += cells;
            leftOut.pastLastRow += cells;
            // An empty row left out loses nothing.
            m_rowsLeftOut += cells > 0 ? 1 : 0;
        } else {
            noteLanding(sheet, index);
            leftOut.leftOut += shapeRow(line, index, sheet.rows);
        }
        ++sheet.row;
        if (blockIsFull(sheet.rows))
            sendBlock(sheet, totalLines, index + 1);
        m_handled(line.size());
        // A stop leaves out the block being filled: the document holds the
        // rows sent, which the report names.
        if (!m_office.usable() || closingOrStopping())
            break;
    }
    if (!closingOrStopping())
        sendBlock(sheet, totalLines, lines);
    m_blocks.finish();
    if (m_office.usable() && !closingOrStopping())
        reportLeftOut(sheetName, leftOut);
}

// The sheet takes its rows from here: told how many to expect, and given the
// header row first.
bool SheetWriter::beginSheetRows(SheetRows &sheet, qint64 rowsToCome, StagedCells &leftOut)
{
    const bool header = m_layout->hasHeaderRow();
    // The sheet is used off the window's thread only.
    if (!m_office.step(m_steps.readBack, [&] {
            m_target.sheet->expectRows(
                static_cast<int>(std::min<qint64>(rowsToCome + (header ? 1 : 0), m_limits.rows)));
        }))
        return false;
    m_blocks.startSheet(*m_target.sheet, m_steps.writeCells, sheet.rowsBefore);
    if (header) {
        leftOut.leftOut += shapeRow(m_layout->headerLine(), -1, sheet.rows);
        ++sheet.row;
    }
    return true;
}

// linesAfter: the staged lines up to the end of this block.
void SheetWriter::sendBlock(SheetRows &sheet, qint64 totalLines, qint64 linesAfter)
{
    if (sheet.rows.empty())
        return;
    // A stop asked while the sheet was busy sends nothing more.
    m_blocks.makeRoom();
    if (closingOrStopping()) {
        sheet.rows = {};
        return;
    }
    m_blocks.send(static_cast<int>(sheet.firstRow), sheet.rows, totalLines);
    sheet.firstRow = sheet.row;
    m_linesSent = linesAfter;
}

// The sheet is full: the rest goes on a new sheet right after it, named
// after it, "Sheet1 (2)" and on, where the run lets sheets continue and the
// document has room for one more.
void SheetWriter::continueOnNewSheet(const QString &sheetName, SheetRows &sheet, qint64 rowsToCome,
                                     StagedCells &leftOut)
{
    sheet.full = true;
    if (!m_continueSheets)
        return;
    m_blocks.finish();
    const int position = m_position + sheet.part;
    SpreadsheetDocument &document = *m_target.document;
    if (!m_office.step(m_steps.writeCells, [&] {
            if (document.sheetCount() >= MaxSheets)
                throw Failure(tr("The rows past row %1 of the sheet \"%2\" were left out: a document holds at most %3 "
                                 "sheets.")
                                  .arg(QLocale().toString(m_limits.rows))
                                  .arg(sheetName)
                                  .arg(QLocale().toString(MaxSheets)));
            QString name;
            for (int number = position + 1; name.isEmpty() || document.hasSheet(name); ++number)
                name = u"%1 (%2)"_s.arg(sheetName).arg(number);
            document.insertSheet(name, position);
            m_target.sheet = document.sheetAt(position);
            sheet.name = name;
            m_positionAfter = position + 1;
        })) {
        // Told once, as the cause: the rows left out need no second line.
        m_continueHintGiven = true;
        leftOut.reported = true;
        return;
    }
    sheet.rowsBefore += sheet.row;
    sheet.row = 0;
    sheet.firstRow = 0;
    ++sheet.part;
    sheet.full = !beginSheetRows(sheet, rowsToCome, leftOut);
}

qsizetype SheetWriter::shapeRow(QStringView line, qint64 index, RowBlock &rows)
{
    // The header row is text; other rows as their file's are typed.
    static const CellTyping Text;
    rows.setTyping(index < 0 ? Text : m_layout->typingAt(index));
    if (index < 0 || m_layout->plain())
        return rows.appendStagedLine(line, m_limits.columns);
    return m_layout->appendRow(line, index, rows, m_limits.columns);
}

// The line at index lands on the sheet's next row: its file's first row, or
// its last so far.
void SheetWriter::noteLanding(const SheetRows &sheet, qint64 index)
{
    const size_t before = m_landingFile;
    while (m_landingFile < m_fileEnds.size() && index >= m_fileEnds[m_landingFile].second)
        ++m_landingFile;
    if (m_landingFile >= m_fileEnds.size())
        return;
    const qint64 row = sheet.row + 1;
    if (m_landings.empty() || m_landingFile != before || m_landings.back().listIndex != m_fileEnds[m_landingFile].first)
        m_landings.push_back({m_fileEnds[m_landingFile].first, sheet.name, row, sheet.name, row});
    else
        m_landings.back() = {m_landings.back().listIndex, m_landings.back().sheet, m_landings.back().firstRow, sheet.name, row};
}

bool SheetWriter::blockIsFull(const RowBlock &rows)
{
    return static_cast<qint64>(rows.rowCount()) >= BlockRows || rows.cellCount() >= BlockCells
        || rows.textSize() >= BlockText;
}

// One report for the sheet, not one per cell.
void SheetWriter::reportLeftOut(const QString &sheetName, const StagedCells &cells)
{
    if (cells.cut > 0) {
        const int limit = m_office.spreadsheets().cellCharacters();
        m_observer.loss(m_steps.writeCells,
                        (limit < CalcCellCharacters
                             ? tr("%Ln cell(s) of the sheet \"%1\" were cut to %2 characters: a cell holds no more (an "
                                  ".ods file keeps such cells whole, up to %3 characters).",
                                  nullptr, pluralCount(cells.cut))
                                   .arg(sheetName)
                                   .arg(QLocale().toString(limit))
                                   .arg(QLocale().toString(CalcCellCharacters))
                             : tr("%Ln cell(s) of the sheet \"%1\" were cut to %2 characters: a cell holds no more.",
                                  nullptr, pluralCount(cells.cut))
                                   .arg(sheetName)
                                   .arg(QLocale().toString(limit))));
    }
    if (cells.leftOut <= 0)
        return;
    m_cellsLeftOut += cells.leftOut;
    if (cells.reported && cells.leftOut == cells.pastLastRow)
        return;
    // Once a run: rows past a full sheet need not be lost.
    QString hint;
    if (cells.pastLastRow > 0 && !m_continueSheets && !std::exchange(m_continueHintGiven, true))
        m_guard.step(m_steps.writeCells, [&] {
            //: Follows the sentence about cells left out; %1 says how to choose it.
            hint = tr(" To put the rows past the last on new sheets, %1.")
                       .arg(m_inputs.howTo(ImportInputs::Choice::ContinueSheets));
        });
    m_observer.loss(m_steps.writeCells, tr("%Ln cell(s) could not be written to the sheet \"%1\": a sheet holds at "
                                           "most %2 columns and %3 rows.%4",
                                           nullptr, pluralCount(cells.leftOut))
                                            .arg(sheetName)
                                            .arg(QLocale().toString(m_limits.columns))
                                            .arg(QLocale().toString(m_limits.rows))
                                            .arg(hint));
}

QString SheetWriter::stopReport(const RunPlace &place, bool sheetsBefore) const
{
    if (place.index < 0)
        return tr("Importing was stopped before any file was read.");
    if (!m_writing) {
        const QString file = pathShown(place.path);
        return sheetsBefore ? tr("Importing was stopped while the file \"%1\" (file %2 of %3) was read: the sheets of "
                                 "the files before it are in the document.")
                                  .arg(file)
                                  .arg(place.index + 1)
                                  .arg(place.count)
                            : tr("Importing was stopped while the file \"%1\" (file %2 of %3) was read: nothing was "
                                 "written to the document.")
                                  .arg(file)
                                  .arg(place.index + 1)
                                  .arg(place.count);
    }
    const auto at = m_layout->placeOf(m_linesSent);
    if (!at)
        return tr("Importing was stopped before any row was written.");
    return tr("Importing was stopped after line %1 of the file \"%2\" (file %3 of %4): the rows up to there are in "
              "the document, and none after.")
        .arg(at->line)
        .arg(pathShown(at->path))
        .arg(at->listIndex + 1)
        .arg(place.count);
}

} // namespace quillora
