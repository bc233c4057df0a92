// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/import/importrun.h"

#include "core/import/sheetnames.h"
#include "core/list/paths.h"
#include "core/text/stagingfile.h"
#include "core/text/textreader.h"

#include <array>
#include <span>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

struct DefaultSheet
{
    QStringView name;
    int test, remove;
};

// The line numbers each mode reports its steps with.
struct ImportSteps
{
    int path, value;                  // starting one file
    FileStager::Steps staging;        // staging it
    int readBack, progress, writeCells; // writing one sheet
    std::span<const DefaultSheet> defaults; // removed at the end
};

namespace {
constexpr std::array<DefaultSheet, 2> OneSheetDefaults{{{u"Sheet2", 192, 194}, {u"Sheet3", 196, 198}}};
constexpr std::array<DefaultSheet, 3> SeparateDefaults{
    {{u"Sheet1", 290, 292}, {u"Sheet2", 294, 296}, {u"Sheet3", 298, 300}}};

constexpr ImportSteps OneSheetSteps{
    .path = 120,
    .value = 122,
    .staging = ImportRun::OneSheetStaging,
    .readBack = 170,
    .progress = 178,
    .writeCells = 184,
    .defaults = OneSheetDefaults,
};
constexpr ImportSteps SeparateSteps{
    .path = 210,
    .value = 212,
    .staging = {.read = 222, .pieces = 224, .splitTest = 234, .write = 250},
    .readBack = 264,
    .progress = 272,
    .writeCells = 278,
    .defaults = SeparateDefaults,
};

constexpr qint64 YieldEveryMs = 20;
// The clock is read once this much text has gone by, a line or piece
// counting as its length plus a fixed cost: every few dozen short lines,
// every long one.
constexpr qsizetype TextPerClockRead = 4096;
constexpr qsizetype CostPerItem = 128;
} // namespace

ImportRun::ImportRun(ImportInputs &inputs, ImportObserver &observer, SpreadsheetProvider &spreadsheets,
                     std::function<double()> random)
    : m_inputs(inputs)
    , m_observer(observer)
    , m_random(std::move(random))
    , m_guard(Location::StartImporting, observer.errorReporter())
    , m_office(spreadsheets, observer, m_guard)
    , m_blocks(m_office, [this](qint64 lastIndex, qint64 total) { showRowsWritten(lastIndex, total); })
    , m_stager(inputs, m_guard,
               // Asked between reads of a file, however long it takes to tell its
               // encoding: the window breathes, and a stop is seen.
               {.stopped =
                    [this] {
                        maybeYield(TextPerClockRead);
                        return halted();
                    },
                .handled = [this](qsizetype text) { maybeYield(text); },
                .note = [this](const QString &text) { m_observer.note(text); }})
{
    m_sinceYield.start();
}

ImportRun::~ImportRun()
{
    releaseDocument();
}

void ImportRun::releaseDocument()
{
    // The document stays open in the application; only our references go, on
    // the thread that used them.
    if (!m_sheet && !m_document)
        return;
    std::future<void> released = m_office.start([this] {
        m_sheet.reset();
        m_document.reset();
    });
    m_office.wait(released, m_office.deadlines().call);
    try {
        released.get();
    } catch (...) {
    }
}

ImportResult ImportRun::run()
{
    if (!m_guard.test(104, [this] { return m_inputs.entryCount() > 0; })) {
        m_guard.step(314, [this] { m_observer.notice(u"No files added."_s); });
        return m_result;
    }
    const bool oneSheet = m_guard.test(110, [this] { return m_inputs.oneSheetMode(); });
    m_steps = oneSheet ? &OneSheetSteps : &SeparateSteps;
    m_guard.step(110, [this] { readRunOptions(); });
    if (oneSheet)
        runOneSheet();
    else
        runSeparateSheets();
    m_staging.reset();
    releaseDocument();
    m_result.rowsWritten = m_blocks.rowsWritten();
    m_result.cancelled = stopped();
    m_result.stoppedByUser = !m_result.cancelled && m_observer.stopAsked();
    m_result.officeLost = m_office.lost();
    if (!m_result.cancelled)
        complete();
    return m_result;
}

// The file column and what a full sheet does are the same for every row of
// the run; the folder the file column's names are relative to holds every
// file listed.
void ImportRun::readRunOptions()
{
    m_continueSheets = m_inputs.continueSheets();
    m_sheetsAsListed = m_inputs.sheetsAsListed();
    m_fileColumn = m_inputs.fileColumn();
    if (m_fileColumn != FileColumn::Relative)
        return;
    QStringList paths;
    for (int index = 0, count = m_inputs.entryCount(); index < count; ++index) {
        if (const QString path = m_inputs.entry(index); path != StandardInputPath)
            paths.append(path);
    }
    m_commonFolder = commonFolder(paths);
}

void ImportRun::runOneSheet()
{
    if (!m_guard.step(114, [this] { m_staging = std::make_unique<StagingFile>(); }))
        return;
    // Starting the application and making a document take as long as
    // staging a large file: both go on at once. Whatever goes wrong with the
    // document is reported after the files, as if it had been opened then.
    OpeningDocument opening = beginOpeningDocument();
    int count = 0;
    m_guard.step(118, [&] { count = m_inputs.entryCount(); });
    startLayout();
    for (int index = 0; index < count && !halted(); ++index) {
        if (const auto path = beginFile(index); path && stageFile(*path))
            ++m_result.filesImported;
    }
    if (!finishOpeningDocument(162, opening) || halted())
        return;
    if (!m_office.step(168, [this] { m_sheet = m_document->sheetAt(0); }))
        return;
    writeSheet(m_originalSheets.value(0));
    removeDefaultSheets();
    finishDocument();
    m_guard.step(200, [this] { m_staging.reset(); });
}

void ImportRun::runSeparateSheets()
{
    if (!openDocument(202))
        return;
    if (!m_guard.step(218, [this] { m_staging = std::make_unique<StagingFile>(); }))
        return;
    int count = 0;
    m_guard.step(208, [&] { count = m_inputs.entryCount(); });
    for (int index = 0; index < count && !m_office.ended() && !halted(); ++index) {
        const auto path = beginFile(index);
        m_staged = {};
        startLayout();
        if (!path || !m_guard.step(220, [this] { m_staging->clear(); }))
            continue;
        // A file that cannot be read, or whose sheet cannot be made,
        // contributes nothing: its lines never land on another file's sheet.
        if (!stageFile(*path) || halted())
            continue;
        QString sheetName;
        if (!addFileSheet(*path, index, sheetName))
            continue;
        writeSheet(sheetName);
        ++m_result.filesImported;
        m_guard.step(286, [this] { m_staging->clear(); });
    }
    removeDefaultSheets();
    finishDocument();
}

std::optional<QString> ImportRun::beginFile(int index)
{
    QString path;
    // An entry removed during the run is reported and skipped, never
    // replaced by the file before it.
    if (!m_guard.step(m_steps->path, [&] { path = m_inputs.entry(index); }))
        return std::nullopt;
    m_guard.step(m_steps->value, [&] {
        m_place = {index, m_inputs.entryCount(), path};
        m_observer.fileStarted(index, m_place.count, path);
    });
    m_observer.yield();
    m_sinceYield.restart();
    if (halted())
        return std::nullopt;
    return path;
}

void ImportRun::startLayout()
{
    m_layout = SheetLayout();
    m_layout.setFileColumn(m_fileColumn != FileColumn::None);
}

bool ImportRun::stageFile(const QString &path)
{
    StagedFile staged;
    if (!m_stager.stage(*m_staging, path, m_steps->staging, m_office.spreadsheets().cellCharacters(), m_staged,
                        staged))
        return false;
    const QString shown = path == StandardInputPath ? u"stdin"_s : shownFileName(path, m_fileColumn, m_commonFolder);
    if (const auto note = m_layout.addFile(m_place.index, path, staged.lines, staged.header, shown))
        m_observer.note(*note);
    return true;
}

bool ImportRun::openDocument(int startStep)
{
    OpeningDocument opening = beginOpeningDocument();
    return finishOpeningDocument(startStep, opening);
}

ImportRun::OpeningDocument ImportRun::beginOpeningDocument()
{
    // Both run on the call thread, one after the other; the document is
    // made only when the application started.
    m_applicationStarted = false;
    OpeningDocument opening;
    opening.started = m_office.start([this] {
        m_office.spreadsheets().start();
        m_applicationStarted = true;
    });
    opening.opened = m_office.start([this] {
        if (!m_applicationStarted)
            return;
        m_document = m_office.spreadsheets().newDocument();
        m_limits = m_document->limits();
        m_originalSheets.clear();
        for (int i = 0, count = m_document->sheetCount(); i < count; ++i)
            m_originalSheets.append(m_document->sheetName(i));
    });
    return opening;
}

bool ImportRun::finishOpeningDocument(int startStep, OpeningDocument &opening)
{
    const bool started = m_office.result(startStep, std::move(opening.started), m_office.deadlines().start);
    if (!started) {
        // Nothing more to report: the document was not even tried.
        m_office.wait(opening.opened, m_office.deadlines().call);
        return false;
    }
    return m_office.result(startStep + 4, std::move(opening.opened), m_office.deadlines().call);
}

bool ImportRun::addFileSheet(const QString &path, int index, QString &sheetName)
{
    if (!m_office.step(256, [&] {
            sheetName = fileSheetName(path, index + 1, m_sheetsAsListed,
                                      [this](const QString &name) { return m_document->hasSheet(name); }, m_random);
        }))
        return false;
    // In front of the others, or after the sheets of the files before it.
    m_sheetPosition = m_sheetsAsListed ? m_nextSheetPosition : 0;
    if (!m_office.step(260, [&] {
            try {
                makeRoomForAFileSheet();
                m_document->insertSheet(sheetName, m_sheetPosition);
                m_nextSheetPosition = m_sheetPosition + 1;
            } catch (const SpreadsheetLost &) {
                throw;
            } catch (const Failure &failure) {
                // Say which file has no sheet, so that nobody looks for it.
                throw Failure(u"The file \"%1\" was not imported: %2"_s.arg(path, failure.description()));
            }
        }))
        return false;
    return m_office.step(262, [this] { m_sheet = m_document->sheetAt(m_sheetPosition); });
}

// The sheets a new document comes with go at the end anyway: where the
// document holds all the sheets it can, one of them gives way to a file's.
void ImportRun::makeRoomForAFileSheet()
{
    if (m_document->sheetCount() < MaxSheets)
        return;
    for (const DefaultSheet &sheet : m_steps->defaults) {
        const QString name = sheet.name.toString();
        if (m_originalSheets.contains(name) && SheetExists(*m_document, name)) {
            m_document->removeSheet(name);
            return;
        }
    }
}

void ImportRun::writeSheet(const QString &sheetName)
{
    // What staging left out of this sheet's files already counts.
    StagedCells leftOut = std::exchange(m_staged, {});
    if (!m_sheet || !m_guard.step(m_steps->readBack, [this] { m_staging->rewind(); }))
        return;
    m_place.writing = true;
    m_place.linesSent = 0;
    const qint64 lines = m_staging->lineCount();
    // A header row, when files had headers, counts as a row of the sheet.
    const qint64 totalLines = lines + (m_layout.hasHeaderRow() ? 1 : 0);
    SheetRows sheet;
    if (!beginSheetRows(sheet, lines, leftOut))
        return;
    QStringView line;
    for (qint64 index = 0;; ++index) {
        bool more = false;
        if (!m_guard.step(m_steps->readBack, [&] { more = m_staging->ReadTextLines(line); }) || !more)
            break;
        if (sheet.row >= m_limits.rows && !sheet.full) {
            sendBlock(sheet, totalLines, index);
            continueOnNewSheet(sheetName, sheet, lines - index, leftOut);
        }
        if (sheet.row >= m_limits.rows) {
            const qsizetype cells = stagedTextCellCount(line);
            leftOut.leftOut += cells;
            leftOut.pastLastRow += cells;
        } else {
            leftOut.leftOut += shapeRow(line, index, sheet.rows);
        }
        ++sheet.row;
        if (blockIsFull(sheet.rows))
            sendBlock(sheet, totalLines, index + 1);
        maybeYield(line.size());
        // A stop leaves out the block being filled: the document holds the
        // rows sent, which the report names.
        if (m_office.ended() || halted())
            break;
    }
    if (!halted())
        sendBlock(sheet, totalLines, lines);
    m_blocks.finish();
    if (!m_office.ended() && !halted())
        reportLeftOut(sheetName, leftOut);
}

// The sheet takes its rows from here: told how many to expect, and given the
// header row first.
bool ImportRun::beginSheetRows(SheetRows &sheet, qint64 rowsToCome, StagedCells &leftOut)
{
    const bool header = m_layout.hasHeaderRow();
    // The sheet is used off the window's thread only.
    if (!m_office.step(m_steps->readBack, [&] {
            m_sheet->expectRows(static_cast<int>(std::min<qint64>(rowsToCome + (header ? 1 : 0), m_limits.rows)));
        }))
        return false;
    m_blocks.startSheet(*m_sheet, m_steps->writeCells, sheet.rowsBefore);
    if (header) {
        leftOut.leftOut += shapeRow(m_layout.headerLine(), -1, sheet.rows);
        ++sheet.row;
    }
    return true;
}

// linesAfter: the staged lines up to the end of this block.
void ImportRun::sendBlock(SheetRows &sheet, qint64 totalLines, qint64 linesAfter)
{
    if (sheet.rows.empty())
        return;
    // A stop asked while the sheet was busy sends nothing more.
    m_blocks.makeRoom();
    if (halted()) {
        sheet.rows = {};
        return;
    }
    m_blocks.send(static_cast<int>(sheet.firstRow), sheet.rows, totalLines);
    sheet.firstRow = sheet.row;
    m_place.linesSent = linesAfter;
}

// The sheet is full: the rest goes on a new sheet right after it, named
// after it, "Sheet1 (2)" and on, where the run lets sheets continue and the
// document has room for one more.
void ImportRun::continueOnNewSheet(const QString &sheetName, SheetRows &sheet, qint64 rowsToCome,
                                   StagedCells &leftOut)
{
    sheet.full = true;
    if (!m_continueSheets)
        return;
    m_blocks.finish();
    const int position = m_sheetPosition + sheet.part;
    if (!m_office.step(m_steps->writeCells, [&] {
            if (m_document->sheetCount() >= MaxSheets)
                throw Failure(u"The rows past row %1 of the sheet \"%2\" were left out: a document holds at most %3 "
                              u"sheets."_s.arg(m_limits.rows)
                                  .arg(sheetName)
                                  .arg(MaxSheets));
            QString name;
            for (int number = position + 1; name.isEmpty() || m_document->hasSheet(name); ++number)
                name = u"%1 (%2)"_s.arg(sheetName).arg(number);
            m_document->insertSheet(name, position);
            m_sheet = m_document->sheetAt(position);
            m_nextSheetPosition = position + 1;
        }))
        return;
    sheet.rowsBefore += sheet.row;
    sheet.row = 0;
    sheet.firstRow = 0;
    ++sheet.part;
    sheet.full = !beginSheetRows(sheet, rowsToCome, leftOut);
}

// Where the run stopped, by what the document holds: the file being read or
// written, and its rows that were sent.
QString ImportRun::stopReport() const
{
    if (m_place.index < 0)
        return u"Importing was stopped before any file was read."_s;
    const auto fileAt = [&](int index, int count, const QString &path) {
        return u"the file \"%1\" (file %2 of %3)"_s.arg(path).arg(index + 1).arg(count);
    };
    if (!m_place.writing) {
        // On one sheet nothing is written before every file is read.
        const bool sheetsBefore = m_steps == &SeparateSteps && m_result.filesImported > 0;
        return u"Importing was stopped while %1 was read: %2"_s.arg(
            fileAt(m_place.index, m_place.count, m_place.path),
            sheetsBefore ? u"the sheets of the files before it are in the document."_s
                         : u"nothing was written to the document."_s);
    }
    const auto place = m_layout.placeOf(m_place.linesSent);
    if (!place)
        return u"Importing was stopped before any row was written."_s;
    return u"Importing was stopped after row %1 of %2: the rows up to there are in the document, and none after."_s
        .arg(place->row)
        .arg(fileAt(place->listIndex, m_place.count, place->path));
}

qsizetype ImportRun::shapeRow(QStringView line, qint64 index, RowBlock &rows)
{
    if (index < 0 || m_layout.plain())
        return rows.appendStagedLine(line, m_limits.columns);
    return m_layout.appendRow(line, index, rows, m_limits.columns);
}

bool ImportRun::blockIsFull(const RowBlock &rows)
{
    return static_cast<qint64>(rows.rowCount()) >= BlockRows || rows.cellCount() >= BlockCells
        || rows.textSize() >= BlockText;
}

// One report for the sheet, not one per cell.
void ImportRun::reportLeftOut(const QString &sheetName, const StagedCells &cells)
{
    if (cells.cut > 0) {
        m_guard.step(m_steps->writeCells, [&] {
            const int limit = m_office.spreadsheets().cellCharacters();
            throw Failure(u"%1 cells of the sheet \"%2\" were cut to %3 characters: a cell holds no more%4."_s
                              .arg(cells.cut)
                              .arg(sheetName)
                              .arg(limit)
                              .arg(limit < CalcCellCharacters
                                       ? u" (an .ods file keeps such cells whole, up to %1 characters)"_s.arg(
                                             CalcCellCharacters)
                                       : QString()));
        });
    }
    if (cells.leftOut > 0) {
        m_result.cellsLeftOut += cells.leftOut;
        // Once a run: rows past a full sheet need not be lost.
        QString hint;
        if (cells.pastLastRow > 0 && !m_continueSheets && !std::exchange(m_continueHintGiven, true))
            m_guard.step(m_steps->writeCells, [&] {
                hint = u" To put the rows past the last on new sheets, %1."_s.arg(
                    m_inputs.howTo(ImportInputs::Choice::ContinueSheets));
            });
        m_guard.step(m_steps->writeCells, [&] {
            throw Failure(u"%1 cells could not be written to the sheet \"%2\": a sheet holds at most "
                          u"%3 columns and %4 rows.%5"_s.arg(cells.leftOut)
                              .arg(sheetName)
                              .arg(m_limits.columns)
                              .arg(m_limits.rows)
                              .arg(hint));
        });
    }
}

void ImportRun::removeDefaultSheets()
{
    if (stopped() || !m_document)
        return;
    // Only the sheets the new document came with go, and never the last one:
    // a file's sheet that happens to be called "Sheet2" stays.
    for (const DefaultSheet &sheet : m_steps->defaults) {
        const QString name = sheet.name.toString();
        if (!m_originalSheets.contains(name))
            continue;
        bool present = false;
        m_office.step(sheet.test, [&] {
            present = SheetExists(*m_document, name) && m_document->sheetCount() > 1;
        });
        if (present)
            m_office.step(sheet.remove, [&] { m_document->removeSheet(name); });
    }
}

void ImportRun::finishDocument()
{
    // A document without any file's lines is not worth finishing: stored,
    // it would replace a file with an empty one.
    if (!m_finish || !m_document || stopped() || m_result.filesImported == 0)
        return;
    m_result.documentFinished =
        m_office.step(308, [this] { m_finish(*m_document); }, m_office.deadlines().finish);
}

void ImportRun::complete()
{
    m_guard.step(302, [this] { m_observer.runEnded(); });
    m_guard.step(312, [this] { m_observer.notice(m_result.stoppedByUser ? stopReport() : u"Done."_s); });
}

void ImportRun::maybeYield(qsizetype textHandled)
{
    // Reading the clock for every line costs more than the line on a narrow
    // file; a few kilobytes of text take microseconds.
    m_textSinceClock += textHandled + CostPerItem;
    if (m_textSinceClock < TextPerClockRead)
        return;
    m_textSinceClock = 0;
    if (m_sinceYield.elapsed() < YieldEveryMs)
        return;
    m_observer.yield();
    m_sinceYield.restart();
}

void ImportRun::showRowsWritten(qint64 lastIndex, qint64 total)
{
    m_guard.step(m_steps->progress, [&] { m_observer.rowsWritten(lastIndex + 1, total); });
}

} // namespace quillora
