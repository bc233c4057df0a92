// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/import/importrun.h"

#include "core/import/importsteps.h"
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
    , m_document(m_office, std::move(random))
    , m_writer(m_office, m_guard, inputs, observer, m_document.target(), [this](qsizetype text) { maybeYield(text); })
    , m_report(observer)
{
    m_breath.since.start();
}

ImportRun::~ImportRun() = default;

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
    m_document.release();
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
    m_names.column = count > 0 ? m_inputs.readOptions(m_inputs.entry(0)).fileColumn : FileColumn::None;
    QStringList paths;
    for (int index = 0; index < count; ++index) {
        if (const QString path = m_inputs.entry(index); path != StandardInputPath)
            paths.append(path);
    }
    m_names.listedFolder = commonFolder(paths);
}

QString ImportRun::FileNames::noteName(const QString &path) const
{
    if (path == StandardInputPath)
        return u"stdin"_s;
    // A member below the folder of its archive: "2024.zip › jan.csv".
    const auto packed = path.contains(u".zip/"_s, Qt::CaseInsensitive) ? packedTextOf(path) : std::nullopt;
    if (packed && packed->kind == PackedText::Kind::Member && listedFolder.size() <= packed->file.size())
        return shownFileName(packed->file, FileColumn::Relative, listedFolder) + u" \u203A "_s + packed->member;
    return shownFileName(path, FileColumn::Relative, listedFolder);
}

// The file column names a file as the text it holds: "app.log.2.gz" as
// "app.log.2", a member of an archive below it.
QString ImportRun::FileNames::shownName(const QString &path) const
{
    if (path == StandardInputPath)
        return u"stdin"_s;
    return unpackedName(column == FileColumn::Path
                            ? packedPathShown(path)
                            : shownFileName(path, column, column == FileColumn::Relative ? listedFolder : QString()));
}

void ImportRun::runOneSheet()
{
    if (!m_guard.step(114, [this] { m_staging = std::make_unique<StagingFile>(); }))
        return;
    // Starting the application and making a document take as long as
    // staging a large file: both go on at once. Whatever goes wrong with the
    // document is reported after the files, as if it had been opened then.
    RunDocument::Opening opening = m_document.beginOpening([this](SheetLimits limits) { m_writer.setLimits(limits); });
    int count = 0;
    m_guard.step(118, [&] { count = m_inputs.entryCount(); });
    startLayout();
    for (int index = 0; index < count && !closingOrStopping(); ++index) {
        if (const auto path = beginFile(index); path && stageFile(*path))
            ++m_result.filesImported;
    }
    if (!closingOrStopping())
        m_report.tellHeaderPlan(m_layout);
    QString sheetName;
    if (!m_document.finishOpening(162, opening) || closingOrStopping() || !m_document.takeFirstSheet(168, sheetName))
        return;
    writeSheet(sheetName);
    finishDocument();
    m_guard.step(200, [this] { m_staging.reset(); });
}

void ImportRun::runSeparateSheets()
{
    RunDocument::Opening opening = m_document.beginOpening([this](SheetLimits limits) { m_writer.setLimits(limits); });
    if (!m_document.finishOpening(202, opening))
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
        m_report.tellHeaderPlan(m_layout);
        QString sheetName;
        if (!m_document.addFileSheet(*path, index, m_sheets.sheetsAsListed, m_steps->defaults, sheetName)) {
            m_report.sheetWritten({}, m_layout);
            continue;
        }
        writeSheet(sheetName);
        ++m_result.filesImported;
        m_guard.step(286, [this] { m_staging->clear(); });
    }
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
    m_breath.since.restart();
    if (closingOrStopping())
        return std::nullopt;
    return path;
}

void ImportRun::startLayout()
{
    m_layout = SheetLayout();
    m_layout.setFileColumn(m_names.column != FileColumn::None);
    m_layout.setRenames(m_sheets.renames);
    m_layout.setColumnChoices(m_sheets.columnChoices);
}

bool ImportRun::stageFile(const QString &path)
{
    StagedFile staged;
    const CellLimits limits{m_office.spreadsheets().cellCharacters(), MaxColumns};
    if (!m_stager.stage(*m_staging, path, m_steps->staging, limits, m_staged, staged)) {
        // In the report all the same, with why.
        if (!m_stager.failure().isEmpty()) {
            FileAccount failed;
            failed.path = path;
            failed.name = m_names.noteName(path);
            failed.listIndex = m_place.index;
            failed.failure = m_stager.failure();
            m_report.add(std::move(failed));
        }
        return false;
    }
    FileAccount &account = staged.account;
    account.listIndex = m_place.index;
    account.name = m_names.noteName(path);
    m_layout.addFile({.listIndex = m_place.index,
                      .path = path,
                      .lines = staged.lines,
                      .header = account.header,
                      .shownName = m_names.shownName(path),
                      .noteName = account.name,
                      .typing = staged.typing,
                      .fileLines = account.lines,
                      .headLines = account.linesSkipped + (account.header ? 1 : 0)});
    m_report.add(std::move(account));
    return true;
}

void ImportRun::writeSheet(const QString &sheetName)
{
    // What staging left out of this sheet's files already counts.
    m_writer.write(sheetName, m_document.sheetPosition(), *m_staging, m_layout, std::exchange(m_staged, {}));
    m_document.sheetsWritten(m_writer.positionAfter());
    m_report.sheetWritten(m_writer.landings(), m_layout);
}

// The sheets the document came with go, the sheet listing the files comes
// last, and the document is finished as the front end asks. A document
// without any file's lines is not worth finishing: stored, it would replace
// a file with an empty one.
void ImportRun::finishDocument()
{
    m_document.removeDefaultSheets(m_steps->defaults);
    if (m_result.filesImported == 0)
        return;
    if (m_sheets.reportSheet) {
        QString choose;
        m_guard.step(306, [&] { choose = m_inputs.howTo(ImportInputs::Choice::Encoding); });
        m_document.addReportSheet(306, m_report.accounts(), choose);
    }
    m_result.documentFinished = m_document.finish(308, m_finish);
}

void ImportRun::complete()
{
    // Files read whose sheet was never written are told all the same.
    m_report.sheetWritten({}, m_layout);
    m_report.tellFilesUnlikeTheRest();
    if (!m_result.stopped) {
        m_report.tellRenamesUnmet(m_sheets.renames, m_steps->writing.writeCells);
        m_report.tellColumnChoicesUnmet(m_sheets.columnChoices, m_steps->writing.writeCells);
    }
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
    m_breath.text += textHandled + CostPerItem;
    if (m_breath.text < TextPerClockRead)
        return;
    m_breath.text = 0;
    if (m_breath.since.elapsed() < YieldEveryMs)
        return;
    m_observer.yield();
    m_breath.since.restart();
}

} // namespace quillora
