// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/import/importrun.h"

#include "core/list/paths.h"
#include "core/import/sheetnames.h"
#include "core/text/linesplitter.h"
#include "core/text/stagingfile.h"
#include "core/text/textreader.h"

#include <QDeadlineTimer>

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
    int path, value, text, read, pieces, splitTest, write; // staging one file
    int readBack, progress, writeCells;                     // writing one sheet
    std::span<const DefaultSheet> defaults;                 // removed at the end
};

namespace {
constexpr std::array<DefaultSheet, 2> OneSheetDefaults{{{u"Sheet2", 192, 194}, {u"Sheet3", 196, 198}}};
constexpr std::array<DefaultSheet, 3> SeparateDefaults{
    {{u"Sheet1", 290, 292}, {u"Sheet2", 294, 296}, {u"Sheet3", 298, 300}}};

constexpr ImportSteps OneSheetSteps{120, 122, 124, 128, 130, 140, 156, 170, 178, 184, OneSheetDefaults};
constexpr ImportSteps SeparateSteps{210, 212, 214, 222, 224, 234, 250, 264, 272, 278, SeparateDefaults};

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
    , m_spreadsheets(spreadsheets)
    , m_random(std::move(random))
    , m_guard(Location::StartImporting, observer.errorReporter())
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
    std::future<void> released = m_calls.start([this] {
        m_sheet.reset();
        m_document.reset();
    });
    waitForOffice(released, m_deadlines.call);
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
    if (oneSheet)
        runOneSheet();
    else
        runSeparateSheets();
    m_staging.reset();
    releaseDocument();
    m_result.cancelled = stopped();
    m_result.officeLost = m_officeLost;
    if (!m_result.cancelled)
        complete();
    return m_result;
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
    for (int index = 0; index < count && !stopped(); ++index) {
        if (const auto path = beginFile(index); path && stagePieces(*path))
            ++m_result.filesImported;
    }
    if (!finishOpeningDocument(162, opening) || stopped())
        return;
    if (!officeStep(168, [this] { m_sheet = m_document->sheetAt(0); }))
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
    for (int index = 0; index < count && !stopped() && !m_officeLost; ++index) {
        const auto path = beginFile(index);
        m_sheetCells = {};
        if (!path || !m_guard.step(220, [this] { m_staging->clear(); }))
            continue;
        // A file that cannot be read, or whose sheet cannot be made,
        // contributes nothing: its lines never land on another file's sheet.
        if (!stagePieces(*path))
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
        const int count = m_inputs.entryCount();
        m_observer.readingFile(index, count, path);
        showProgress(index + 1, count);
    });
    m_guard.step(m_steps->text, [&] { m_observer.setProgressText(u"Processing: "_s + FileNameOf(path)); });
    m_observer.yield();
    m_sinceYield.restart();
    if (stopped())
        return std::nullopt;
    return path;
}

bool ImportRun::stagePieces(const QString &path)
{
    const StagingFile::Mark start = m_staging->mark();
    const auto dropFile = [&] {
        m_guard.step(m_steps->write, [&] { m_staging->rollBack(start); });
        return false;
    };
    std::optional<TextReader> reader;
    // Reading a stream ends with the run.
    if (!m_guard.step(m_steps->read, [&] { reader.emplace(path, [this] { return stopped(); }); }) || stopped())
        return false;
    QString piece;
    // Cells are kept only as long as the document takes them.
    LineSplitter splitter({m_spreadsheets.cellCharacters(), MaxColumns});
    std::optional<QString> split;
    bool quotes = false;
    for (;;) {
        bool more = false;
        if (!m_guard.step(m_steps->pieces, [&] { more = reader->readPiece(piece); }))
            return dropFile();
        // The options are read for every piece: a change made during the run
        // acts on the rest of it.
        m_guard.step(m_steps->splitTest, [&] {
            split = m_inputs.splitText();
            quotes = m_inputs.keepQuotedText();
        });
        if (more)
            splitter.stage(piece, split, quotes);
        else
            splitter.finish(piece, split, quotes);
        if (!m_guard.step(m_steps->write, [&] { stageText(path, piece); }))
            return dropFile();
        if (!more)
            break;
        maybeYield(piece.size());
        if (stopped())
            return false;
    }
    if (const auto line = splitter.unclosedQuoteLine()) {
        // Nothing is lost: the rest of the file is in that one cell.
        m_guard.step(m_steps->splitTest, [&] {
            throw Failure(u"The file \"%1\" has a quoted field that opens on line %2 and is never closed: "
                          u"the rest of the file is in that one cell."_s.arg(path)
                              .arg(*line));
        });
    }
    // On the disk before the next file starts: a file that does not fit is
    // this file's failure, and the files before it stay whole.
    if (!m_guard.step(m_steps->write, [&] { stageText(path, u"\r\n", true); }))
        return dropFile();
    m_sheetCells.cut += splitter.cutCells();
    m_sheetCells.leftOut += splitter.leftOutCells();
    return true;
}

void ImportRun::stageText(const QString &path, QStringView text, bool commit)
{
    try {
        m_staging->WriteTextFile(text);
        if (commit)
            m_staging->commit();
    } catch (const Failure &failure) {
        throw Failure(u"The file \"%1\" was not imported: %2"_s.arg(path, failure.description()));
    }
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
    opening.started = m_calls.start([this] {
        m_spreadsheets.start();
        m_applicationStarted = true;
    });
    opening.opened = m_calls.start([this] {
        if (!m_applicationStarted)
            return;
        m_document = m_spreadsheets.newDocument();
        m_limits = m_document->limits();
        m_originalSheets.clear();
        for (int i = 0, count = m_document->sheetCount(); i < count; ++i)
            m_originalSheets.append(m_document->sheetName(i));
    });
    return opening;
}

bool ImportRun::finishOpeningDocument(int startStep, OpeningDocument &opening)
{
    const bool started = officeResult(startStep, std::move(opening.started), m_deadlines.start);
    if (!started) {
        // Nothing more to report: the document was not even tried.
        waitForOffice(opening.opened, m_deadlines.call);
        return false;
    }
    return officeResult(startStep + 4, std::move(opening.opened), m_deadlines.call);
}

bool ImportRun::addFileSheet(const QString &path, int index, QString &sheetName)
{
    if (!officeStep(256, [&] {
            sheetName = FreeSheetName(FileNameOf(path), index + 1,
                                      [this](const QString &name) { return m_document->hasSheet(name); },
                                      m_random);
        }))
        return false;
    if (!officeStep(260, [&] {
            try {
                makeRoomForAFileSheet();
                m_document->insertSheet(sheetName, 0);
            } catch (const SpreadsheetLost &) {
                throw;
            } catch (const Failure &failure) {
                // Say which file has no sheet, so that nobody looks for it.
                throw Failure(u"The file \"%1\" was not imported: %2"_s.arg(path, failure.description()));
            }
        }))
        return false;
    return officeStep(262, [this] { m_sheet = m_document->sheetAt(0); });
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
    if (!m_sheet || !m_guard.step(m_steps->readBack, [this] { m_staging->rewind(); }))
        return;
    const qint64 totalLines = m_staging->lineCount();
    // The sheet is used off the window's thread only.
    if (!officeStep(m_steps->readBack,
                    [&] { m_sheet->expectRows(static_cast<int>(std::min<qint64>(totalLines, m_limits.rows))); }))
        return;
    RowBlock rows;
    qint64 firstRow = 0;
    qint64 row = 0;
    // What staging left out of this sheet's files already counts.
    const SheetCells staged = std::exchange(m_sheetCells, {});
    qint64 leftOut = staged.leftOut;
    QStringView line;
    for (;;) {
        bool more = false;
        if (!m_guard.step(m_steps->readBack, [&] { more = m_staging->ReadTextLines(line); }) || !more)
            break;
        if (row >= m_limits.rows)
            leftOut += stagedTextCellCount(line);
        else
            leftOut += rows.appendStagedLine(line, m_limits.columns);
        ++row;
        if (blockIsFull(rows)) {
            flushRows(static_cast<int>(firstRow), rows, totalLines);
            firstRow = row;
        }
        maybeYield(line.size());
        if (stopped() || m_officeLost)
            break;
    }
    flushRows(static_cast<int>(firstRow), rows, totalLines);
    finishWriting();
    if (stopped() || m_officeLost)
        return;
    if (staged.cut > 0) {
        m_guard.step(m_steps->writeCells, [&] {
            const int limit = m_spreadsheets.cellCharacters();
            throw Failure(u"%1 cells of the sheet \"%2\" were cut to %3 characters: a cell holds no more%4."_s
                              .arg(staged.cut)
                              .arg(sheetName)
                              .arg(limit)
                              .arg(limit < CalcCellCharacters
                                       ? u" (an .ods file keeps up to %1)"_s.arg(CalcCellCharacters)
                                       : QString()));
        });
    }
    if (leftOut > 0) {
        // One report for the sheet, not one per cell.
        m_result.cellsLeftOut += leftOut;
        m_guard.step(m_steps->writeCells, [&] {
            throw Failure(u"%1 cells could not be written to the sheet \"%2\": a sheet holds at most "
                          u"%3 columns and %4 rows."_s.arg(leftOut)
                              .arg(sheetName)
                              .arg(m_limits.columns)
                              .arg(m_limits.rows));
        });
    }
}

bool ImportRun::blockIsFull(const RowBlock &rows)
{
    return static_cast<qint64>(rows.rowCount()) >= BlockRows || rows.cellCount() >= BlockCells
        || rows.textSize() >= BlockText;
}

// Sends a block to the spreadsheet and returns while it is written, so that
// the next block is read and cut meanwhile. A sheet that takes several blocks
// at once gets the next ones while it still works on the oldest: its
// application then does not wait for a block to arrive.
void ImportRun::flushRows(int firstRow, RowBlock &rows, qint64 totalLines)
{
    if (rows.empty())
        return;
    const int inFlight = std::clamp(m_sheet->concurrentWrites(), 1, MaxWritesInFlight);
    while (std::ssize(m_writes) >= inFlight)
        finishOldestWrite();
    if (m_officeLost || stopped()) {
        rows = {};
        return;
    }
    PendingWrite write;
    write.rows = static_cast<qint64>(rows.rowCount());
    write.lastIndex = firstRow + write.rows - 1;
    write.total = totalLines;
    CallThread &writer = m_writers[m_blocksSent++ % inFlight];
    SpreadsheetSheet *sheet = m_sheet.get();
    write.done = writer.start(
        [sheet, firstRow, block = std::exchange(rows, {})]() mutable { sheet->writeRows(firstRow, std::move(block)); });
    m_writes.push_back(std::move(write));
}

void ImportRun::finishOldestWrite()
{
    PendingWrite write = std::move(m_writes.front());
    m_writes.pop_front();
    if (officeResult(m_steps->writeCells, std::move(write.done), m_deadlines.call))
        m_result.rowsWritten += write.rows;
    m_guard.step(m_steps->progress, [&] {
        m_observer.writingRows(write.lastIndex + 1, write.total);
        showProgress(write.lastIndex, write.total - 1);
    });
}

void ImportRun::finishWriting()
{
    while (!m_writes.empty())
        finishOldestWrite();
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
        officeStep(sheet.test, [&] {
            present = SheetExists(*m_document, name) && m_document->sheetCount() > 1;
        });
        if (present)
            officeStep(sheet.remove, [&] { m_document->removeSheet(name); });
    }
}

void ImportRun::finishDocument()
{
    // A document without any file's lines is not worth finishing: stored,
    // it would replace a file with an empty one.
    if (!m_finish || !m_document || stopped() || m_result.filesImported == 0)
        return;
    m_result.documentFinished = officeStep(308, [this] { m_finish(*m_document); }, m_deadlines.finish);
}

void ImportRun::complete()
{
    m_guard.step(302, [this] { m_observer.setDefaultPointer(); });
    m_guard.step(304, [this] { m_observer.setProgressValue(0); });
    m_guard.step(306, [this] { m_observer.setProgressText(u"Progress Bar"_s); });
    m_guard.step(312, [this] { m_observer.notice(u"Done."_s); });
}

// The blocks of a sheet that cannot be kept (a full disk) fail alike, one
// after the other: said once.
void ImportRun::reportOnce(int number, const std::exception_ptr &failure)
{
    const QString description = describeFailure(failure);
    if (number == m_lastReport.first && description == m_lastReport.second)
        return;
    m_lastReport = {number, description};
    m_guard.report(number, failure);
}

bool ImportRun::officeStep(int number, const std::function<void()> &action)
{
    return officeStep(number, action, m_deadlines.call);
}

bool ImportRun::officeStep(int number, const std::function<void()> &action, std::chrono::milliseconds deadline)
{
    if (m_officeLost || stopped())
        return false;
    return officeResult(number, m_calls.start(action), deadline);
}

bool ImportRun::officeResult(int number, std::future<void> result, std::chrono::milliseconds deadline)
{
    // A block still in flight when the application was lost fails the same
    // way; that was reported already.
    const bool lostBefore = m_officeLost;
    const Wait waited = waitForOffice(result, deadline);
    try {
        result.get();
        return waited == Wait::Answered;
    } catch (const SpreadsheetLost &) {
        // Reported once; every later step would only fail the same way.
        m_officeLost = true;
        if (waited == Wait::Answered && !stopped() && !lostBefore)
            m_guard.report(number, std::current_exception());
    } catch (...) {
        if (waited == Wait::Answered && !stopped() && !lostBefore)
            reportOnce(number, std::current_exception());
    }
    if (waited == Wait::TimedOut && !lostBefore) {
        m_officeLost = true;
        const auto seconds = std::chrono::duration_cast<std::chrono::duration<double>>(deadline).count();
        m_guard.report(number, std::make_exception_ptr(SpreadsheetLost(
                                   u"%1 did not answer within %2 seconds; the import ends here."_s.arg(
                                       m_spreadsheets.applicationName(), QString::number(seconds, 'g', 3)))));
    }
    return false;
}

// Waits for a call while the window breathes. A call that does not answer
// in time, or that is still running when the window closes, is given up:
// the connection ends, which makes the call return, so nothing waits for
// ever and the window closes at once.
ImportRun::Wait ImportRun::waitForOffice(std::future<void> &result, std::chrono::milliseconds deadline)
{
    constexpr std::chrono::milliseconds Slice{10};
    const QDeadlineTimer timer(deadline);
    Wait outcome = Wait::Answered;
    while (result.wait_for(Slice) != std::future_status::ready) {
        if (outcome == Wait::Answered) {
            if (stopped())
                outcome = Wait::Cancelled;
            else if (timer.hasExpired())
                outcome = Wait::TimedOut;
            if (outcome != Wait::Answered)
                m_spreadsheets.abandon();
        }
        m_observer.yield();
    }
    return outcome;
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

void ImportRun::showProgress(qint64 done, qint64 total)
{
    // With a single line there is nothing to divide by: the work is all done.
    const int value = total <= 0 ? 100 : static_cast<int>(std::clamp<qint64>(done * 100 / total, 0, 100));
    if (value == m_lastProgress)
        return;
    m_lastProgress = value;
    m_observer.setProgressValue(value);
}

} // namespace quillora
