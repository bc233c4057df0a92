// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/errorreport.h"
#include "core/import/filestager.h"
#include "core/import/importinterfaces.h"
#include "core/import/officecalls.h"
#include "core/import/rundocument.h"
#include "core/import/runreport.h"
#include "core/import/sheetlayout.h"
#include "core/import/sheetwriter.h"
#include "core/import/spreadsheet.h"

#include <QCoreApplication>
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
    void writeSheet(const QString &sheetName);
    void readRunOptions();
    bool closingOrStopping() const { return m_office.closing() || m_observer.stopAsked(); }
    void startLayout();
    void finishDocument();
    void complete();
    // Lets the window breathe every few milliseconds; textHandled is the
    // length of what was handled since the last call.
    void maybeYield(qsizetype textHandled);

    // How the run names a file: in notes (below the folder that holds every
    // file listed), and in the file column.
    struct FileNames
    {
        FileColumn column = FileColumn::None;
        QString listedFolder;
        QString noteName(const QString &path) const;
        QString shownName(const QString &path) const;
    };
    // When the window last breathed, and the text handled since the clock
    // was read.
    struct Breath
    {
        QElapsedTimer since;
        qsizetype text = 0;
    };

    ImportInputs &m_inputs;
    ImportObserver &m_observer;
    GuardedOperation m_guard;
    OfficeCalls m_office;
    FileStager m_stager;
    RunDocument m_document;
    SheetWriter m_writer;
    Breath m_breath;
    std::unique_ptr<StagingFile> m_staging;
    // Where the rows of the next sheet's files go, and what staging left
    // out of them.
    SheetLayout m_layout;
    StagedCells m_staged;
    SheetOptions m_sheets;
    FileNames m_names;
    RunPlace m_place;
    const ImportSteps *m_steps = nullptr;
    std::function<void(SpreadsheetDocument &)> m_finish;
    ImportResult m_result;
    RunReport m_report;
};

} // namespace quillora
