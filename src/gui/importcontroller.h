// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/import/importrun.h"
#include "gui/barprogress.h"

#include <QObject>

#include <functional>

class QWidget;

namespace quillora {

class Dialogs;
class FileListModel;
class OptionsPanel;
class SpreadsheetProvider;
class TextProgressBar;

// "Start Importing": holds the busy flag and lends the run what the window
// has: the list, the options, the progress bar and the dialogs.
class ImportController : public QObject, private ImportInputs, private ImportObserver
{
    Q_OBJECT

public:
    struct Parts
    {
        QWidget *window;
        FileListModel &fileList;
        OptionsPanel &options;
        TextProgressBar *progressBar;
        Dialogs &dialogs;
        ErrorReporter &errorReporter;
    };

    ImportController(const Parts &parts, SpreadsheetProvider *spreadsheets, std::function<double()> random);

    // A second click while a run is going does nothing.
    void PushButton2_Click();
    bool isBusy() const { return m_busy; }
    // The window is closing: the run stops at its next chance.
    void cancel() { m_cancelled = true; }
    const ImportResult &lastResult() const { return m_lastResult; }
    // What "the ordinary pointer again" means for the window.
    void setDefaultPointerAction(std::function<void()> action) { m_defaultPointer = std::move(action); }

private:
    int entryCount() const override;
    QString entry(int index) const override;
    bool oneSheetMode() const override;
    std::optional<QString> splitText() const override;
    bool keepQuotedText() const override;
    std::optional<ChosenEncoding> encoding() const override;
    QString howToChooseEncoding() const override;
    qint64 linesToSkip() const override;
    bool firstLineIsHeader() const override;
    FileColumn fileColumn() const override;

    void fileStarted(int index, int count, const QString &path) override;
    void rowsWritten(qint64 written, qint64 total) override;
    void runEnded() override;
    void yield() override;
    bool cancelled() const override { return m_cancelled; }
    void notice(const QString &text) override;
    void note(const QString &text) override { m_notes.append(text); }
    void showNotes();
    ErrorReporter &errorReporter() override { return m_parts.errorReporter; }

    Parts m_parts;
    BarProgress m_bar;
    SpreadsheetProvider *m_spreadsheets;
    std::function<double()> m_random;
    bool m_busy = false;
    bool m_cancelled = false;
    ImportResult m_lastResult;
    // Shown together once the run is over, not a box for every file.
    QStringList m_notes;
    std::function<void()> m_defaultPointer;
};

} // namespace quillora
