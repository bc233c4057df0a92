// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/commandline.h"
#include "cli/progressline.h"
#include "core/errorreport.h"
#include "core/import/importrun.h"

#include <QCoreApplication>


namespace quillora {

struct ImportPlan;

class TemporaryOutput;

// One import from the command line: the paths expanded into a list as the
// window's list would hold them, and the window's own import run over it,
// into a Calc document that stays open, or into a document file stored under
// a temporary name beside the output file and renamed over it only when it
// was written whole. Progress and reports go to standard error, one line
// each.
class CommandLineImport : private ImportInputs, private ImportObserver, private ErrorReporter
{
    Q_DECLARE_TR_FUNCTIONS(quillora::CommandLineImport)

public:
    // How a finished document becomes the output file (--output): written
    // at path, telling how far it is as it goes; returns what was lost on
    // the way.
    using StoreDocument = std::function<QStringList(SpreadsheetDocument &document, const QString &path,
                                                    const writer::StoreProgress &progress)>;

    // Into a document of the spreadsheets: with store, stored as the output
    // file; without, shown in the spreadsheet application.
    CommandLineImport(CommandLineOptions options, Console &console, SpreadsheetProvider &spreadsheets,
                      StoreDocument store = {});
    // The document writer's documents, stored by it.
    static StoreDocument storedBy(writer::DocumentWriter &writer);

    int run();

private:
    QStringList listedFiles();
    std::optional<ImportResult> importAndStore();
    // --dry-run: what the import would do, on standard output.
    int printPlan();
    // Streams are read by the import alone: the plan leaves them out.
    void leaveOutStreams();
    int exitStatus(const ImportResult &result);
    int withReport(int status);
    bool moveIntoPlace(TemporaryOutput &stored, const QString &target);
    void printHeaderPlan(const ImportPlan &plan);

    int entryCount() const override { return static_cast<int>(m_files.size()); }
    QString entry(int index) const override;
    SheetOptions sheetOptions() const override
    {
        return m_options.sheets;
    }
    ReadOptions readOptions(const QString &) const override { return m_options.read; }
    QString howTo(Choice choice) const override;

    void yield() override {}
    bool closing() const override;
    // The command line is stopped by its signals only.
    bool stopAsked() const override { return false; }
    void notice(const QString &text) override;
    void note(const QString &text) override { tell(text); }
    ErrorReporter &errorReporter() override { return *this; }
    void fileStarted(int index, int count, const QString &path) override;
    void rowsWritten(qint64 written, qint64 total) override;
    void runEnded() override {}
    void fileRead(const FileAccount &account) override { m_accounts.append(account); }
    void ShowApplicationError(QStringView location, int step, const QString &description) override;

    // A line on standard error; a report also makes the run end with 1.
    void report(const QString &text);
    void tell(const QString &text);
    void leaveOutTheOutput(QStringList &files);

    CommandLineOptions m_options;
    Console &m_console;
    SpreadsheetProvider &m_spreadsheets;
    StoreDocument m_store;
    bool m_saved = false;
    QStringList m_files;
    QList<FileAccount> m_accounts;
    int m_reports = 0;
    ProgressLine m_progress;
};

} // namespace quillora
