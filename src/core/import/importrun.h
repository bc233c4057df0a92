// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/errorreport.h"
#include "core/import/filestager.h"
#include "core/import/importinterfaces.h"
#include "core/import/officecalls.h"
#include "core/import/runreport.h"
#include "core/import/sheetlayout.h"
#include "core/import/sheetwriter.h"
#include "core/import/spreadsheet.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <future>
#include <memory>
#include <optional>

namespace quillora {

class StagingFile;
struct ImportSteps;

// One "Start Importing": stages every listed file, read as its options say,
// and writes the staged lines into a new spreadsheet document, on one sheet
// or a sheet per file. Every step is guarded: a failure is reported with its
// line number and the run goes on. A file's rows flow read -> decode -> cut
// (FileStager) -> staged -> shaped into blocks and written (SheetWriter),
// and every call into the application goes through OfficeCalls.
class ImportRun
{
    Q_DECLARE_TR_FUNCTIONS(quillora::ImportRun)

public:
    ImportRun(ImportInputs &inputs, ImportObserver &observer, SpreadsheetProvider &spreadsheets,
              std::function<double()> random);
    ~ImportRun();

    static constexpr int MaxWritesInFlight = BlockPipeline::MaxWritesInFlight;

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
    void readRunOptions();
    bool closingOrStopping() const { return m_office.closing() || m_observer.stopAsked(); }
    void startLayout();
    void tellHeaderPlan();
    void removeDefaultSheets();
    void addReportSheet();
    void finishDocument();
    void complete();
    void tellRenamesUnmet();
    void releaseDocument();
    // Lets the window breathe every few milliseconds; textHandled is the
    // length of what was handled since the last call.
    void maybeYield(qsizetype textHandled);

    ImportInputs &m_inputs;
    ImportObserver &m_observer;
    std::function<double()> m_random;
    GuardedOperation m_guard;
    OfficeCalls m_office;
    FileStager m_stager;
    std::unique_ptr<SpreadsheetDocument> m_document;
    std::unique_ptr<SpreadsheetSheet> m_sheet;
    SheetWriter m_writer;
    QElapsedTimer m_sinceYield;
    qsizetype m_textSinceClock = 0;
    std::unique_ptr<StagingFile> m_staging;
    // Where the rows of the next sheet's files go.
    SheetLayout m_layout;
    // The renames any sheet's headers met, and whether there were headers.
    QSet<QString> m_renamesMet;
    bool m_headersSeen = false;
    SheetOptions m_sheets;
    FileColumn m_fileColumn = FileColumn::None;
    QString m_commonFolder;
    QString m_listedFolder; // the folder that holds every file listed
    // Where the sheet being written goes, and the next file's when sheets
    // stand as listed.
    int m_sheetPosition = 0;
    int m_nextSheetPosition = 0;
    RunPlace m_place;
    // What staging left out of the files of the next sheet.
    StagedCells m_staged;
    bool m_applicationStarted = false; // on the call thread
    const ImportSteps *m_steps = nullptr;
    std::function<void(SpreadsheetDocument &)> m_finish;
    QStringList m_originalSheets;
    ImportResult m_result;
    RunReport m_report;
};

} // namespace quillora
