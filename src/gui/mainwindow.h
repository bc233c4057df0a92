// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/errorreport.h"

#include <QCursor>
#include <QUrl>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QAbstractButton;
class QPushButton;
class QScrollArea;
class QToolButton;
class QTreeView;

namespace quillora {

class Dialogs;
class FileListController;
class FileListView;
class FileListModel;
class ColumnKindChoices;
class HeaderRenames;
class PointerFeedback;
class ImportController;
class OptionsPanel;
class PreviewPanel;
class SettingsStore;
class SpreadsheetProvider;
class TextProgressBar;
class WindowArrangement;

// What the window needs from the outside world; tests pass their own.
struct AppServices
{
    Dialogs &dialogs;
    SettingsStore &settings;
    // The folder that holds the skin, the pointer images and the samples.
    QString programFolder;
    // Uniform draws from [0, 1) for the home-page lottery and sheet names.
    std::function<double()> random;
    std::function<void(const QUrl &)> openUrl;
    // The spreadsheet application the import run writes to.
    SpreadsheetProvider *spreadsheets = nullptr;
    // The check that the office suite is present; false ends the program
    // before the window shows. Unset, start-up assumes it is present.
    std::function<bool()> checkOfficeInstalled{};
};

// The hot spot a Windows cursor file names; (0, 0) for anything else.
QPoint cursorHotSpot(QByteArrayView cursorFile);

// Form1, the main and only working window. It builds the controls and wires
// them to the operations; the work itself lives in the core library.
class MainWindow : public QWidget, private ErrorReporter
{
    Q_OBJECT

public:
    explicit MainWindow(AppServices services, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Runs the start-up sequence; false when the program must end before the
    // window is shown.
    bool Form_Load();
    // Shows the window where it was closed last, or at its designed size in
    // the middle of its screen; either way wholly inside the screen's free
    // area and never larger than it.
    void showOnScreen();
    // Lists paths as a drop lists them (folders expanded), for "Open with"
    // and for a second start that handed its paths over; nothing is
    // imported until the user asks.
    void addPaths(const QStringList &paths);
    // Brings the window to the front of the desktop.
    void bringToFront();

    FileListModel &fileList() const { return *m_fileList; }
    OptionsPanel &options() const { return *m_options; }
    TextProgressBar *progressBar() const { return m_progressBar; }
    ImportController &importController() const { return *m_import; }
    const QString &applicationTitle() const { return m_appTitle; }
    std::optional<QCursor> handPointer() const { return m_handPointer; }
    FileListController &listController() const { return *m_list; }
    PointerFeedback &pointer() const { return *m_pointer; }
    FileListView *listView() const { return m_listView; }
    // The designed size, every option in view.
    QSize sizeHint() const override;
    // Below it the window's page scrolls (a screen under 800x600).
    QSize unscrolledMinimum() const;
    PreviewPanel *preview() const { return m_preview; }

    void PushButton7_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void ShowApplicationError(QStringView location, int step, const QString &description) override;
    void buildControls();
    void buildList();
    void buildButtons();
    void buildProgressBar();
    void buildPreview();
    void showPreview();
    void buildControllers();
    void connectButtons();
    void setTabOrderAsRead();
    void layOutControls();
    QPushButton *addPushButton(const char16_t *name, const QString &caption);
    QToolButton *addArrowButton(const char16_t *name, const QString &caption, bool up);
    void saveWindowGeometry();
    void ApplySkin();
    void setSurfacesBackground(const QColor &color);
    void watchPointerSurfaces();
    void loadHandPointer();
    void MaybeOpenHomePage();
    void takeSnapshotOnFirstStart();
    void LoadSampleFiles();
    void setCaptions();

    AppServices m_services;
    QString m_appTitle;
    FileListModel *m_fileList = nullptr;
    FileListView *m_listView = nullptr;
    OptionsPanel *m_options = nullptr;
    PreviewPanel *m_preview = nullptr;
    WindowArrangement *m_arrangement = nullptr;
    QScrollArea *m_page = nullptr;
    HeaderRenames *m_renames = nullptr;
    ColumnKindChoices *m_columnKinds = nullptr;
    TextProgressBar *m_progressBar = nullptr;
    ImportController *m_import = nullptr;
    FileListController *m_list = nullptr;
    PointerFeedback *m_pointer = nullptr;
    // The seven push buttons, by their numbers in the report's names.
    struct Buttons
    {
        QPushButton *addFiles = nullptr;    // 1
        QPushButton *start = nullptr;       // 2
        QToolButton *moveUp = nullptr;      // 3
        QPushButton *addFolder = nullptr;   // 4
        QToolButton *moveDown = nullptr;    // 5
        QPushButton *clearList = nullptr;   // 6
        QPushButton *loadSamples = nullptr; // 7
        std::array<QAbstractButton *, 7> all() const;
    } m_buttons;
    std::optional<QCursor> m_handPointer;
};

} // namespace quillora
