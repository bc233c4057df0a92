// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/mainwindow.h"

#include "core/list/filelistmodel.h"
#include "core/list/paths.h"
#include "core/product.h"
#include "core/samples.h"
#include "core/settings.h"
#include "gui/caption.h"
#include "gui/dialogs.h"
#include "gui/filelistcontroller.h"
#include "gui/filelistview.h"
#include "gui/headerrenames.h"
#include "gui/importcontroller.h"
#include "gui/optionspanel.h"
#include "gui/pointerfeedback.h"
#include "gui/previewpanel.h"
#include "gui/textprogressbar.h"
#include "gui/twips.h"
#include "gui/windowplacement.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

// The icons are compiled into the static GUI library, which nothing refers
// to by name: without this the linker leaves them out of the program.
static void initResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace quillora {

namespace {
// The application icon: text pages going into a sheet of cells.
QIcon applicationIcon()
{
    initResources();
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(u":/icons/quillora-%1.png"_s.arg(size), QSize(size, size));
    return icon;
}
} // namespace

QPoint cursorHotSpot(QByteArrayView cursorFile)
{
    // A .cur file is an icon directory of type 2 whose first entry carries
    // the hot spot where an icon keeps its colour planes and bit count.
    const auto word = [&](qsizetype at) {
        return static_cast<int>(static_cast<uchar>(cursorFile[at]) | static_cast<uchar>(cursorFile[at + 1]) << 8);
    };
    if (cursorFile.size() < 22 || word(2) != 2)
        return QPoint(0, 0);
    return QPoint(word(10), word(12));
}

MainWindow::MainWindow(AppServices services, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_services(std::move(services))
    , m_appTitle(SetAppTitle(Product::Name))
{
    setObjectName(u"Form1"_s);
    buildControls();
}

MainWindow::~MainWindow() = default;

bool MainWindow::Form_Load()
{
    GuardedOperation load(Location::FormLoad, *this);
    load.step(100, [this] { ApplySkin(); });
    if (load.test(104, [this] { return PathExists(m_services.programFolder + u"/HAND-M.CUR"_s); }))
        load.step(106, [this] { loadHandPointer(); });
    load.step(108, [this] {
        MaybeOpenHomePage();
        takeSnapshotOnFirstStart();
    });
    load.step(126, [this] { setCaptions(); });
    load.step(128, [this] { m_listView->setHeaderHidden(false); });
    load.step(130, [this] { m_listView->setColumnWidth(0, fromTwips(6000)); });
    // Restored in this order, so that of two conflicting values the later one wins.
    std::map<int, QString> stored;
    load.step(132, [&] { stored = m_options->storedOptions(); });
    const std::array<std::pair<int, int>, 8> restores{
        {{132, 5}, {134, 6}, {136, 1}, {138, 2}, {140, 3}, {142, 7}, {144, 4}, {146, 8}}};
    for (const auto &[step, number] : restores)
        load.step(step, [&, number = number] { m_options->restoreOption(number, stored.at(number)); });
    load.step(146, [this] { m_options->restoreSeparatorText(); });
    load.step(146, [this] { m_options->restoreQuotes(); });
    load.step(146, [this] { m_options->restoreEncoding(); });
    load.step(146, [this] { m_options->restoreNumbersAndDates(); });
    load.step(146, [this] { m_options->restoreLinesAndHeaders(); });
    bool keepRunning = true;
    load.step(148, [&] {
        if (m_services.checkOfficeInstalled)
            keepRunning = m_services.checkOfficeInstalled();
    });
    return keepRunning;
}

void MainWindow::showOnScreen()
{
    // Never smaller than every part needs, where the screen has the room;
    // the page scrolls only on a screen smaller than that.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableGeometry().size().shrunkBy(AssumedDecorations) : unscrolledMinimum();
    setMinimumSize(unscrolledMinimum().boundedTo(room));
    showPlaced(*this, QByteArray::fromBase64(m_services.settings.GetSetting(Setting::WindowGeometry).toLatin1()));
}

void MainWindow::saveWindowGeometry()
{
    // A store that cannot be written only costs the remembered place.
    try {
        m_services.settings.SaveSetting(Setting::WindowGeometry, QString::fromLatin1(saveGeometry().toBase64()));
    } catch (const std::exception &e) {
        qWarning("%s", e.what());
    }
}

void MainWindow::ApplySkin()
{
    const QString skinPath = m_services.programFolder + u"/x/o.cjs"_s;
    const QFileInfo skin(skinPath);
    if (!skin.isFile() || skin.isHidden())
        return;
    QFile file(skinPath);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(tr("The skin \"%1\" cannot be read: %2").arg(skinPath, file.errorString()));
    setSurfacesBackground(palette().color(QPalette::Button));
    setStyleSheet(QString::fromUtf8(file.readAll()));
}

// The window and the options' frames share one background.
void MainWindow::setSurfacesBackground(const QColor &color)
{
    QPalette p = palette();
    p.setColor(backgroundRole(), color);
    setPalette(p);
    setAutoFillBackground(true);
    m_options->setBackground(color);
}

void MainWindow::loadHandPointer()
{
    const QString path = m_services.programFolder + u"/HAND-M.CUR"_s;
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    QPixmap image;
    if (!image.loadFromData(bytes))
        throw Failure(tr("The pointer image \"%1\" cannot be read.").arg(path));
    // The window's pointer is not switched here; hovering over a button does that.
    const QPoint hotSpot = cursorHotSpot(bytes);
    m_handPointer = QCursor(image, hotSpot.x(), hotSpot.y());
    m_pointer->setHandPointer(m_handPointer);
}

void MainWindow::MaybeOpenHomePage()
{
    if (m_services.random && shouldOpenHomePage(m_services.random()) && m_services.openUrl)
        m_services.openUrl(QUrl(Product::HomePage.toString()));
}

void MainWindow::takeSnapshotOnFirstStart()
{
    if (m_services.settings.GetSetting(Setting::Snapshot).isEmpty())
        TakeSampleSnapshot(m_services.settings, sampleFolder(m_services.programFolder));
}

void MainWindow::PushButton7_Click()
{
    GuardedOperation click(Location::LoadSamples, *this);
    click.step(100, [this] { LoadSampleFiles(); });
    click.step(110, [this] { m_options->selectOption(3); });
}

void MainWindow::LoadSampleFiles()
{
    for (const QString &path : recordedSamples(m_services.settings)) {
        if (PathExists(path) && !m_fileList->IsInList(path))
            m_fileList->AddListEntry(path);
    }
    if (m_services.dialogs.question(tr("Would you like this software to open the folder where these sample files "
                                       "are stored (so that you can view them before working with them)?"))
        && m_services.openUrl)
        m_services.openUrl(QUrl::fromLocalFile(sampleFolder(m_services.programFolder) + u'/'));
}

void MainWindow::setCaptions()
{
    setWindowTitle(Product::Name.toString());
    setWindowIcon(applicationIcon());
    QGuiApplication::setApplicationDisplayName(m_appTitle);
}

void MainWindow::addPaths(const QStringList &paths)
{
    if (!paths.isEmpty())
        m_list->ListView1_OLEDragDrop(paths);
}

void MainWindow::bringToFront()
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Closing ends the program at once; a run or a folder scan in progress
    // stops at its next chance.
    m_import->cancel();
    m_list->cancel();
    saveWindowGeometry();
    event->accept();
}

void MainWindow::ShowApplicationError(QStringView location, int step, const QString &description)
{
    m_services.dialogs.warning(QCoreApplication::translate("quillora::ErrorReport", ApplicationErrorTitle), applicationErrorText(location, step, description));
}

} // namespace quillora
