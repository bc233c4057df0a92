// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/import/importrun.h"
#include "gui/barprogress.h"

#include <QObject>

#include <functional>
#include <optional>

class QAbstractButton;
class QWidget;

namespace quillora {

class Dialogs;
class FileListModel;
class ColumnKindChoices;
class HeaderRenames;
class ImportSummary;
class OptionsPanel;
class SpreadsheetProvider;
class TextProgressBar;

// "Start Importing": holds the busy flag and lends the run what the window
// has: the list, the options, the progress bar and the dialogs.
class ImportController : public QObject, private ImportInputs, private ImportObserver
{
    Q_OBJECT

public:
    // The button's caption between runs, and while one goes on.
    static QString startCaption() { return tr("Start &Importing"); }
    static QString stopCaption() { return tr("Stop &Importing"); }

    struct Parts
    {
        QWidget *window;
        FileListModel &fileList;
        OptionsPanel &options;
        TextProgressBar *progressBar;
        Dialogs &dialogs;
        ErrorReporter &errorReporter;
        // Reads "Stop Importing" while a run goes on.
        QAbstractButton *startButton = nullptr;
        // Header names that count as others, as the user said under the plan.
        const HeaderRenames *renames = nullptr;
        // The kinds chosen for columns in the preview's header.
        const ColumnKindChoices *columnKinds = nullptr;
    };

    ImportController(const Parts &parts, SpreadsheetProvider *spreadsheets, std::function<double()> random);

    // Starts a run; while one goes on, asks it to stop.
    void PushButton2_Click();
    // Escape: a run going on stops at its next chance; otherwise nothing.
    void stop();
    bool isBusy() const { return m_busy; }
    // The window is closing: the run ends at its next chance.
    void cancel() { m_cancelled = true; }
    const ImportResult &lastResult() const { return m_lastResult; }
    // The last run's report; nullptr before the first.
    ImportSummary *summary() const { return m_summary; }
    // What "the ordinary pointer again" means for the window.
    void setDefaultPointerAction(std::function<void()> action) { m_defaultPointer = std::move(action); }

private:
    int entryCount() const override;
    QString entry(int index) const override;
    SheetOptions sheetOptions() const override;
    ReadOptions readOptions(const QString &path) const override;
    QString howTo(Choice choice) const override;

    void fileStarted(int index, int count, const QString &path) override;
    void rowsWritten(qint64 written, qint64 total) override;
    void runEnded() override;
    void yield() override;
    bool closing() const override { return m_cancelled; }
    bool stopAsked() const override { return m_stopAsked; }
    void notice(const QString &text) override;
    void note(const QString &text) override { m_notes.append(text); }
    // Shown with the notes, in the report: no failure of the program.
    void loss(int, const QString &text) override { m_notes.append(text); }
    void fileRead(const FileAccount &account) override { m_accounts.append(account); }
    void showSummary();
    QRect documentOnScreen() const;
    void setStartCaption(const QString &caption);
    ErrorReporter &errorReporter() override { return m_parts.errorReporter; }

    Parts m_parts;
    BarProgress m_bar;
    SpreadsheetProvider *m_spreadsheets;
    std::function<double()> m_random;
    bool m_busy = false;
    bool m_cancelled = false;
    bool m_stopAsked = false;
    ImportResult m_lastResult;
    // Shown together once the run is over, not a box for every file.
    QStringList m_notes;
    QList<FileAccount> m_accounts;
    ImportSummary *m_summary = nullptr;
    // Where the run's document stands on the screen, once it is in front.
    std::optional<QRect> m_documentAt;
    std::function<void()> m_defaultPointer;
};

} // namespace quillora
