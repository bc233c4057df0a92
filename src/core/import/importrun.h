// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/errorreport.h"
#include "core/import/callthread.h"
#include "core/import/spreadsheet.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <chrono>

#include <array>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <vector>

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
};

// What the run tells the window, and how it lets the window breathe.
class ImportObserver
{
public:
    virtual ~ImportObserver() = default;
    virtual void setProgressValue(int value) = 0;
    virtual void setProgressText(const QString &text) = 0;
    virtual void setDefaultPointer() = 0;
    // Lets the window process pending events (repaints, clicks).
    virtual void yield() = 0;
    // The window was closed: the run stops at its next chance.
    virtual bool cancelled() const = 0;
    virtual void notice(const QString &text) = 0;
    virtual ErrorReporter &errorReporter() = 0;
    // Where the run is, for an observer that tells more than the bar: a
    // file being read (index from 0), and a sheet's rows being written.
    virtual void readingFile([[maybe_unused]] int index, [[maybe_unused]] int count,
                             [[maybe_unused]] const QString &path)
    {
    }
    virtual void writingRows([[maybe_unused]] qint64 written, [[maybe_unused]] qint64 total) {}
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
};

// One "Start Importing": stages every listed file, split as the options say,
// and writes the staged lines into a new spreadsheet document, on one sheet or
// a sheet per file. Every step is guarded: a failure is reported with its
// line number and the run goes on.
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
    // Blocks sent before the oldest must be written: while the application
    // writes one, the next ones are already on their way.
    static constexpr int MaxWritesInFlight = 3;

    // How long the run waits for the spreadsheet application before it gives
    // up on it: for it to start (which includes starting LibreOffice), and
    // for any other call.
    struct Deadlines
    {
        std::chrono::milliseconds start{std::chrono::seconds(150)};
        std::chrono::milliseconds call{std::chrono::seconds(60)};
        // For finishing the document (storing a large one takes a while).
        std::chrono::milliseconds finish{std::chrono::minutes(10)};
    };
    void setDeadlines(const Deadlines &deadlines) { m_deadlines = deadlines; }
    // What is done with the document once everything is written, on the
    // spreadsheet's side (for instance storing it and closing it).
    void setFinishDocument(std::function<void(SpreadsheetDocument &)> finish) { m_finish = std::move(finish); }

    ImportResult run();

private:
    void runOneSheet();
    void runSeparateSheets();
    std::optional<QString> beginFile(int index);
    bool stagePieces(const QString &path);
    void stageText(const QString &path, QStringView text, bool commit = false);
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
    static bool blockIsFull(const RowBlock &rows);
    void flushRows(int firstRow, RowBlock &rows, qint64 totalLines);
    void finishWriting();
    void finishOldestWrite();
    void removeDefaultSheets();
    void finishDocument();
    void complete();
    void releaseDocument();

    // Runs an action on the spreadsheet off the window's thread, as a guarded
    // step. Once the application is gone, later steps are skipped unreported.
    bool officeStep(int number, const std::function<void()> &action);
    bool officeStep(int number, const std::function<void()> &action, std::chrono::milliseconds deadline);
    bool officeResult(int number, std::future<void> result, std::chrono::milliseconds deadline);
    void reportOnce(int number, const std::exception_ptr &failure);
    enum class Wait { Answered, TimedOut, Cancelled };
    Wait waitForOffice(std::future<void> &result, std::chrono::milliseconds deadline);

    // Lets the window breathe every few milliseconds; textHandled is the
    // length of what was handled since the last call.
    void maybeYield(qsizetype textHandled);
    bool stopped() const { return m_observer.cancelled(); }
    void showProgress(qint64 done, qint64 total);

    ImportInputs &m_inputs;
    ImportObserver &m_observer;
    SpreadsheetProvider &m_spreadsheets;
    std::function<double()> m_random;
    GuardedOperation m_guard;
    CallThread m_calls;
    bool m_applicationStarted = false; // on the call thread
    // Threads for blocks only: a sheet that takes several at once gets them
    // from different threads.
    std::array<CallThread, MaxWritesInFlight> m_writers;
    QElapsedTimer m_sinceYield;
    qsizetype m_textSinceClock = 0;
    std::unique_ptr<StagingFile> m_staging;
    std::unique_ptr<SpreadsheetDocument> m_document;
    std::unique_ptr<SpreadsheetSheet> m_sheet;
    const ImportSteps *m_steps = nullptr;
    SheetLimits m_limits;
    Deadlines m_deadlines;
    std::function<void(SpreadsheetDocument &)> m_finish;
    QStringList m_originalSheets;
    bool m_officeLost = false;
    std::pair<int, QString> m_lastReport;
    // Cells of the files staged for the next sheet that were cut, or left
    // out past the last column, on the way in.
    struct SheetCells
    {
        qint64 cut = 0;
        qint64 leftOut = 0;
    };
    SheetCells m_sheetCells;
    // A block being written while the next one is read: its rows, and the
    // index of its last line with the sheet's line count, for the progress.
    struct PendingWrite
    {
        std::future<void> done;
        qint64 rows = 0;
        qint64 lastIndex = 0;
        qint64 total = 0;
    };
    std::deque<PendingWrite> m_writes;
    qint64 m_blocksSent = 0;
    int m_lastProgress = -1;
    ImportResult m_result;
};

} // namespace quillora
