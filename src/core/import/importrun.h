// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/errorreport.h"
#include "core/import/blockpipeline.h"
#include "core/import/filestager.h"
#include "core/import/officecalls.h"
#include "core/import/sheetlayout.h"
#include "core/import/spreadsheet.h"
#include "core/list/paths.h"
#include "core/text/encodings.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <functional>
#include <future>
#include <memory>
#include <optional>

namespace quillora {

class StagingFile;
struct ImportSteps;

// What the run reads from the window, each time at the moment of use: the
// user may change the list and the options while it runs.
class ImportInputs
{
public:
    virtual ~ImportInputs() = default;
    virtual int entryCount() const = 0;
    // The path of the entry at 0-based position index; throws when the list
    // has no such entry any more.
    virtual QString entry(int index) const = 0;
    virtual bool oneSheetMode() const = 0;
    // The text to cut lines at; nullopt when lines stay whole.
    virtual std::optional<QString> splitText() const = 0;
    // Whether a field in double quotes stays one cell when lines are cut.
    virtual bool keepQuotedText() const = 0;
    // The encoding of the file at path, where it has no mark; nullopt to
    // find it.
    virtual std::optional<ChosenEncoding> encoding(const QString &path) const = 0;
    // What a report tells the user to do, in the front end's own words:
    // choose a file's encoding, or let full sheets continue.
    enum class Choice { Encoding, ContinueSheets };
    virtual QString howTo(Choice choice) const = 0;
    // The rows each file's start gives that are left out.
    virtual qint64 linesToSkip() const = 0;
    // Whether a file's first row (after those skipped) is its header: kept
    // once, its columns matched by name.
    virtual bool firstLineIsHeader() const = 0;
    // What a first column shows of each row's file; None: no such column.
    virtual FileColumn fileColumn() const = 0;
    // Whether the rows past a full sheet go on a new sheet after it.
    virtual bool continueSheets() const = 0;
    // Whether, with a sheet per file, the sheets stand in the list's order
    // and are named as their files are (the command line's choice).
    virtual bool sheetsAsListed() const { return false; }
};

// What the run tells its front end, which shows it in its own way (the
// window's progress bar, the command line's progress line), and how it lets
// the front end breathe.
class ImportObserver
{
public:
    virtual ~ImportObserver() = default;
    // A listed file is about to be read: index from 0, of count.
    virtual void fileStarted(int index, int count, const QString &path) = 0;
    // Rows of the sheet being written: written so far, of total.
    virtual void rowsWritten(qint64 written, qint64 total) = 0;
    // The run is over and was not stopped: the front end is at rest again.
    virtual void runEnded() = 0;
    // A message for the user ("Done.", "No files added.").
    virtual void notice(const QString &text) = 0;
    // Something the user should know of a file that was read whole, which
    // is no failure (how its encoding was taken, say).
    virtual void note(const QString &text) = 0;
    // Lets the front end process pending events (repaints, clicks).
    virtual void yield() = 0;
    // The window was closed, or a signal came: the run stops at its next
    // chance.
    virtual bool cancelled() const = 0;
    // The user asked the run to stop (the window's Stop): no new rows are
    // written, those on their way land, and the run ends with a report of
    // where it stopped; the document keeps what it holds.
    virtual bool stopAsked() const = 0;
    virtual ErrorReporter &errorReporter() = 0;
};

struct ImportResult
{
    int filesImported = 0;
    qint64 rowsWritten = 0;
    qint64 cellsLeftOut = 0;
    bool cancelled = false;
    // The application was missing, did not answer or went away.
    bool officeLost = false;
    // The document was finished as asked (stored, for instance).
    bool documentFinished = false;
    // The user stopped it.
    bool stoppedByUser = false;
};

// One "Start Importing": stages every listed file, split as the options say,
// and writes the staged lines into a new spreadsheet document, on one sheet or
// a sheet per file. Every step is guarded: a failure is reported with its
// line number and the run goes on. The run is the two scripts, one per mode;
// a file's rows flow read -> decode -> cut (FileStager) -> staged -> shaped
// into a block (shapeRow) -> sheet (BlockPipeline), and every call into the
// application goes through OfficeCalls.
class ImportRun
{
public:
    ImportRun(ImportInputs &inputs, ImportObserver &observer, SpreadsheetProvider &spreadsheets,
              std::function<double()> random);
    ~ImportRun();

    // A call to the spreadsheet carries about this many cells, and never
    // more rows or characters than this: blocks are sized by cells, so narrow
    // and wide files alike take few round trips (Calc writes a dozen rows of
    // a thousand cells a call a fifth slower than fifty), and memory stays
    // bounded: a block keeps its text in one buffer, and a few are in flight
    // while the next is read.
    static constexpr int BlockCells = 49152;
    static constexpr int BlockRows = 65536;
    static constexpr qsizetype BlockText = qsizetype(1) << 21;
    static constexpr int MaxWritesInFlight = BlockPipeline::MaxWritesInFlight;
    // The steps staging a file reports with on one sheet, as a plan of the
    // run (--dry-run) reports them too.
    static constexpr FileStager::Steps OneSheetStaging{.read = 128, .pieces = 130, .splitTest = 140, .write = 156};

    using Deadlines = OfficeDeadlines;
    void setDeadlines(const Deadlines &deadlines) { m_office.setDeadlines(deadlines); }
    // What is done with the document once everything is written, on the
    // spreadsheet's side (for instance storing it and closing it).
    void setFinishDocument(std::function<void(SpreadsheetDocument &)> finish) { m_finish = std::move(finish); }

    ImportResult run();

private:
    void runOneSheet();
    void runSeparateSheets();
    std::optional<QString> beginFile(int index);
    bool stageFile(const QString &path);
    bool openDocument(int startStep);
    struct OpeningDocument
    {
        std::future<void> started;
        std::future<void> opened;
    };
    OpeningDocument beginOpeningDocument();
    bool finishOpeningDocument(int startStep, OpeningDocument &opening);
    bool addFileSheet(const QString &path, int index, QString &sheetName);
    void makeRoomForAFileSheet();
    void writeSheet(const QString &sheetName);
    // The rows of one sheet on their way: the block being filled, where it
    // goes, and the sheets (parts) it went on after a full one.
    struct SheetRows
    {
        RowBlock rows;
        qint64 row = 0;      // on the sheet being written
        qint64 firstRow = 0; // of the block
        qint64 rowsBefore = 0;
        int part = 1;
        bool full = false;   // and no new sheet for the rest
    };
    bool beginSheetRows(SheetRows &sheet, qint64 rowsToCome, StagedCells &leftOut);
    void sendBlock(SheetRows &sheet, qint64 totalLines, qint64 linesAfter);
    void continueOnNewSheet(const QString &sheetName, SheetRows &sheet, qint64 rowsToCome, StagedCells &leftOut);
    QString stopReport() const;
    // Where a staged line takes its shape as a row of the sheet: index is
    // its place among the staged lines, -1 for the header row. Returns the
    // cells with text it leaves out.
    qsizetype shapeRow(QStringView line, qint64 index, RowBlock &rows);
    void readRunOptions();
    // Stopped either way: by the user, or as the window closes.
    bool halted() const { return stopped() || m_observer.stopAsked(); }
    void startLayout();
    static bool blockIsFull(const RowBlock &rows);
    void reportLeftOut(const QString &sheetName, const StagedCells &cells);
    void removeDefaultSheets();
    void finishDocument();
    void complete();
    void releaseDocument();

    // Lets the window breathe every few milliseconds; textHandled is the
    // length of what was handled since the last call.
    void maybeYield(qsizetype textHandled);
    bool stopped() const { return m_office.stopped(); }
    void showRowsWritten(qint64 lastIndex, qint64 total);

    ImportInputs &m_inputs;
    ImportObserver &m_observer;
    std::function<double()> m_random;
    GuardedOperation m_guard;
    OfficeCalls m_office;
    BlockPipeline m_blocks;
    FileStager m_stager;
    QElapsedTimer m_sinceYield;
    qsizetype m_textSinceClock = 0;
    std::unique_ptr<StagingFile> m_staging;
    // Where the rows of the next sheet's files go.
    SheetLayout m_layout;
    FileColumn m_fileColumn = FileColumn::None;
    QString m_commonFolder;
    bool m_continueSheets = false;
    bool m_sheetsAsListed = false;
    // Where the sheet being written first went, and where the next file's
    // goes when sheets stand as listed.
    int m_sheetPosition = 0;
    int m_nextSheetPosition = 0;
    bool m_continueHintGiven = false;
    // Where the run is, for the report of a stop: the file (list position
    // from 0, of count), and the staged lines of the sheet sent so far.
    struct Place
    {
        int index = -1;
        int count = 0;
        QString path;
        bool writing = false;
        qint64 linesSent = 0;
    } m_place;
    // What staging left out of the files of the next sheet.
    StagedCells m_staged;
    std::unique_ptr<SpreadsheetDocument> m_document;
    std::unique_ptr<SpreadsheetSheet> m_sheet;
    bool m_applicationStarted = false; // on the call thread
    const ImportSteps *m_steps = nullptr;
    SheetLimits m_limits;
    std::function<void(SpreadsheetDocument &)> m_finish;
    QStringList m_originalSheets;
    ImportResult m_result;
};

} // namespace quillora
