#pragma once

#include "cli/commandline.h"
#include "core/errorreport.h"
#include "core/import/importrun.h"

#include <QElapsedTimer>

namespace quillora {

// One import from the command line: the paths expanded into a list as the
// window's list would hold them, the window's own import run over it, and the
// document stored under a temporary name beside the output file and renamed
// over it only when the store succeeded. Progress and reports go to
// standard error, one line each.
class CommandLineImport : private ImportInputs, private ImportObserver, private ErrorReporter
{
public:
    CommandLineImport(CommandLineOptions options, Console &console, SpreadsheetProvider &spreadsheets);

    int run();

    // Set from a signal handler: the run stops at its next chance.
    static void interrupt();

private:
    QStringList listedFiles();
    int exitStatus(const ImportResult &result, bool saved) const;
    bool moveIntoPlace(const QString &stored);

    int entryCount() const override { return static_cast<int>(m_files.size()); }
    QString entry(int index) const override;
    bool oneSheetMode() const override { return !m_options.sheetPerFile; }
    std::optional<QString> splitText() const override { return m_options.split; }

    void setProgressValue(int value) override;
    void setProgressText(const QString &) override {}
    void setDefaultPointer() override {}
    void yield() override {}
    bool cancelled() const override;
    void notice(const QString &text) override;
    ErrorReporter &errorReporter() override { return *this; }
    void ShowApplicationError(QStringView location, int step, const QString &description) override;

    void report(const QString &text);
    void drawProgress(bool force = false);
    void clearProgress();

    CommandLineOptions m_options;
    Console &m_console;
    SpreadsheetProvider &m_spreadsheets;
    QStringList m_files;
    mutable int m_current = -1;
    int m_percent = 0;
    int m_reports = 0;
    bool m_progressShown = false;
    QString m_lastProgress;
    QElapsedTimer m_sinceDrawn;
};

} // namespace quillora
