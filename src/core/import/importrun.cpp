// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/import/importrun.h"

#include "core/import/importsteps.h"
#include "core/import/sheetnames.h"
#include "core/list/paths.h"
#include "core/text/stagingfile.h"
#include "core/text/textreader.h"

#include <array>
#include <span>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

namespace {
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
    , m_stager(inputs, m_guard,
               // Asked between reads of a file, however long it takes to tell its
               // encoding: the window breathes, and a stop is seen.
               {.stopRequested =
                    [this] {
                        maybeYield(TextPerClockRead);
                        return closingOrStopping();
                    },
                .handled = [this](qsizetype text) { maybeYield(text); },
                .note = [this](const QString &text) { m_observer.note(text); },
                .loss = [this](int step, const QString &text) { m_observer.loss(step, text); }})
    , m_writer(m_office, m_guard, inputs, observer, {m_document, m_sheet},
               [this](qsizetype text) { maybeYield(text); })
    , m_report(observer)
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
        m_guard.step(314, [this] { m_observer.notice(tr("No files added.")); });
        return m_result;
    }
    const bool oneSheet = m_guard.test(110, [this] {
        m_sheets = m_inputs.sheetOptions();
        return m_sheets.oneSheet;
    });
    m_steps = oneSheet ? &OneSheetSteps : &SeparateSteps;
    m_guard.step(110, [this] { readRunOptions(); });
    m_writer.setRun(m_steps->writing, m_sheets.continueSheets);
    if (oneSheet)
        runOneSheet();
    else
        runSeparateSheets();
    m_staging.reset();
    releaseDocument();
    m_result.rowsWritten = m_writer.rowsWritten();
    m_result.cellsLeftOut = m_writer.cellsLeftOut();
    m_result.rowsLeftOut = m_writer.rowsLeftOut();
    m_result.closing = m_office.closing();
    m_result.stopped = !m_result.closing && m_observer.stopAsked();
    m_result.officeLost = m_office.lost();
    if (!m_result.closing)
        complete();
    return m_result;
}

// The file column is the same for every row of the run: the first file's
// options say it. The folder its names are relative to holds every file
// listed.
void ImportRun::readRunOptions()
{
    const int count = m_inputs.entryCount();
    m_fileColumn = count > 0 ? m_inputs.readOptions(m_inputs.entry(0)).fileColumn : FileColumn::None;
    QStringList paths;
    for (int index = 0; index < count; ++index) {
        if (const QString path = m_inputs.entry(index); path != StandardInputPath)
            paths.append(path);
    }
    m_listedFolder = commonFolder(paths);
    if (m_fileColumn == FileColumn::Relative)
        m_commonFolder = m_listedFolder;
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
    for (int index = 0; index < count && !closingOrStopping(); ++index) {
        if (const auto path = beginFile(index); path && stageFile(*path))
            ++m_result.filesImported;
    }
    if (!closingOrStopping())
        tellHeaderPlan();
    if (!finishOpeningDocument(162, opening) || closingOrStopping())
        return;
    if (!m_office.step(168, [this] { m_sheet = m_document->sheetAt(0); }))
        return;
    writeSheet(m_originalSheets.value(0));
    removeDefaultSheets();
    addReportSheet();
    finishDocument();
    m_guard.step(200, [this] { m_staging.reset(); });
}

void ImportRun::runSeparateSheets()
{
    if (OpeningDocument opening = beginOpeningDocument(); !finishOpeningDocument(202, opening))
        return;
    if (!m_guard.step(218, [this] { m_staging = std::make_unique<StagingFile>(); }))
        return;
    int count = 0;
    m_guard.step(208, [&] { count = m_inputs.entryCount(); });
    for (int index = 0; index < count && m_office.usable() && !closingOrStopping(); ++index) {
        const auto path = beginFile(index);
        m_staged = {};
        startLayout();
        if (!path || !m_guard.step(220, [this] { m_staging->clear(); }))
            continue;
        // A file that cannot be read, or whose sheet cannot be made,
        // contributes nothing: its lines never land on another file's sheet.
        if (!stageFile(*path) || closingOrStopping())
            continue;
        tellHeaderPlan();
        QString sheetName;
        if (!addFileSheet(*path, index, sheetName)) {
            m_report.sheetWritten({}, m_layout);
            continue;
        }
        writeSheet(sheetName);
        ++m_result.filesImported;
        m_guard.step(286, [this] { m_staging->clear(); });
    }
    removeDefaultSheets();
    addReportSheet();
    finishDocument();
}

std::optional<QString> ImportRun::beginFile(int index)
{
    QString path;
    // An entry removed during the run is reported and skipped, never
    // replaced by the file before it.
    if (!m_guard.step(m_steps->path, [&] { path = m_inputs.entry(index); }))
        return std::nullopt;
    m_writer.fileBegun();
    m_guard.step(m_steps->value, [&] {
        m_place = {index, m_inputs.entryCount(), path};
        m_observer.fileStarted(index, m_place.count, path);
    });
    m_observer.yield();
    m_sinceYield.restart();
    if (closingOrStopping())
        return std::nullopt;
    return path;
}

void ImportRun::startLayout()
{
    m_layout = SheetLayout();
    m_layout.setFileColumn(m_fileColumn != FileColumn::None);
    m_layout.setRenames(m_sheets.renames);
}

void ImportRun::tellHeaderPlan()
{
    if (!m_layout.hasHeaderRow())
        return;
    m_headersSeen = true;
    m_renamesMet.unite(m_layout.renamesMet());
    m_report.tellHeaderPlan(m_layout.headerPlan());
}

bool ImportRun::stageFile(const QString &path)
{
    StagedFile staged;
    const CellLimits limits{m_office.spreadsheets().cellCharacters(), MaxColumns};
    if (!m_stager.stage(*m_staging, path, m_steps->staging, limits, m_staged, staged))
        return false;
    FileAccount &account = staged.account;
    account.listIndex = m_place.index;
    // Notes name a file below the folder that holds them all, as the plan does.
    account.name = path == StandardInputPath ? u"stdin"_s : shownFileName(path, FileColumn::Relative, m_listedFolder);
    const QString shown = path == StandardInputPath ? u"stdin"_s : shownFileName(path, m_fileColumn, m_commonFolder);
    m_layout.addFile({.listIndex = m_place.index,
                      .path = pathShown(path),
                      .lines = staged.lines,
                      .header = account.header,
                      .shownName = shown,
                      .noteName = account.name,
                      .typing = staged.typing,
                      .fileLines = account.lines,
                      .headLines = account.linesSkipped + (account.header ? 1 : 0)});
    m_report.add(std::move(account));
    return true;
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
        m_writer.setLimits(m_document->limits());
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
            sheetName = fileSheetName(path, index + 1, m_sheets.sheetsAsListed,
                                      [this](const QString &name) { return m_document->hasSheet(name); }, m_random);
        }))
        return false;
    // In front of the others, or after the sheets of the files before it.
    m_sheetPosition = m_sheets.sheetsAsListed ? m_nextSheetPosition : 0;
    if (!m_office.step(260, [&] {
            try {
                makeRoomForAFileSheet();
                m_document->insertSheet(sheetName, m_sheetPosition);
                m_nextSheetPosition = m_sheetPosition + 1;
            } catch (const SpreadsheetLost &) {
                throw;
            } catch (const Failure &failure) {
                // Say which file has no sheet, so that nobody looks for it.
                throw Failure(tr("The file \"%1\" was not imported: %2").arg(pathShown(path), failure.description()));
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
    m_writer.write(sheetName, m_sheetPosition, *m_staging, m_layout, std::exchange(m_staged, {}));
    m_nextSheetPosition = m_writer.positionAfter();
    m_report.sheetWritten(m_writer.landings(), m_layout);
}

void ImportRun::removeDefaultSheets()
{
    if (m_office.closing() || !m_document)
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
    if (!m_finish || !m_document || m_office.closing() || m_result.filesImported == 0)
        return;
    m_result.documentFinished =
        m_office.step(308, [this] { m_finish(*m_document); }, m_office.deadlines().finish);
}

void ImportRun::addReportSheet()
{
    if (!m_sheets.reportSheet || !m_document || m_office.closing() || m_result.filesImported == 0)
        return;
    QString choose;
    m_guard.step(306, [&] { choose = m_inputs.howTo(ImportInputs::Choice::Encoding); });
    const int cellCharacters = m_office.spreadsheets().cellCharacters();
    m_office.step(306, [&] { RunReport::addSheet(*m_document, m_report.accounts(), choose, cellCharacters); });
}

// A rename whose old name no header had did nothing: what the user meant
// to join stays apart, and that is said.
void ImportRun::tellRenamesUnmet()
{
    if (m_result.stopped || !m_headersSeen)
        return;
    for (const auto &[from, to] : m_sheets.renames) {
        if (!m_renamesMet.contains(SheetLayout::matchedName(from)))
            m_observer.loss(m_steps->writing.writeCells, tr("No header has a column \"%1\" to count as \"%2\".").arg(from, to));
    }
}

void ImportRun::complete()
{
    // Files read whose sheet was never written are told all the same.
    m_report.sheetWritten({}, m_layout);
    m_report.tellFilesUnlikeTheRest();
    tellRenamesUnmet();
    m_guard.step(302, [this] { m_observer.runEnded(); });
    // On one sheet nothing is written before every file is read.
    const bool sheetsBefore = m_steps == &SeparateSteps && m_result.filesImported > 0;
    m_guard.step(312, [&] {
        m_observer.notice(m_result.stopped ? m_writer.stopReport(m_place, sheetsBefore) : tr("Done."));
    });
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

} // namespace quillora
