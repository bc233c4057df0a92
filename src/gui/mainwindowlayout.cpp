// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls, built and laid out as designed.
#include "gui/mainwindow.h"

#include "core/list/filelistmodel.h"
#include "core/list/paths.h"
#include "core/product.h"
#include "core/samples.h"
#include "core/settings.h"
#include "gui/buttonrows.h"
#include "gui/caption.h"
#include "gui/dialogs.h"
#include "gui/filelistcontroller.h"
#include "gui/filelistview.h"
#include "gui/columnkindchoices.h"
#include "gui/headerrenames.h"
#include "gui/importcontroller.h"
#include "gui/optionspanel.h"
#include "gui/pointerfeedback.h"
#include "gui/previewpanel.h"
#include "gui/textprogressbar.h"
#include "gui/twips.h"
#include "gui/wheelguard.h"
#include "gui/windowarrangement.h"
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

namespace quillora {

namespace {
// The designed sizes, in twips: the preview's
// width, the margin round the window and the gap between its parts.
constexpr int PreviewWidth = 9000;
constexpr int Margin = 120;
constexpr int ButtonHeight = 405;
} // namespace

namespace {
constexpr const char *ListToolTip = QT_TRANSLATE_NOOP("quillora::MainWindow",
                                                     "Drag and drop files here. Double-click item to remove it. Move | "
                                                     "line to right and out of window to reveal full names.");

QFont windowFont()
{
    QFont font(u"Arial"_s);
    font.setPointSizeF(9);
    font.setBold(true);
    return font;
}

QFont buttonFont()
{
    QFont font(u"Arial"_s);
    font.setPointSizeF(11.25);
    font.setBold(true);
    return font;
}

} // namespace

void MainWindow::buildControls()
{
    setFont(windowFont());
    buildList();
    buildButtons();
    m_options = new OptionsPanel(this, m_services.settings);
    setSurfacesBackground(Qt::white);
    buildProgressBar();
    buildPreview();
    layOutControls();
    watchPointerSurfaces();
    buildControllers();
    connectButtons();
    setTabOrderAsRead();
    connect(m_arrangement, &WindowArrangement::arranged, this, &MainWindow::setTabOrderAsRead);
    guardWheel(this);
}

void MainWindow::buildList()
{
    m_fileList = new FileListModel(this);
    m_listView = new FileListView(this);
    m_listView->setObjectName(u"ListView1"_s);
    m_listView->setDesignedSize(twipsRect(0, 0, 6840, 2535).size());
    m_listView->setModel(m_fileList);
    m_listView->setRootIsDecorated(false);
    m_listView->setUniformRowHeights(true);
    m_listView->setItemsExpandable(false);
    m_listView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Files of one long folder differ at the end: their names, and an
    // archive's member after its archive, stay visible.
    m_listView->setTextElideMode(Qt::ElideLeft);
    m_listView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_listView->setToolTip(tr(ListToolTip));
    m_listView->header()->setStretchLastSection(false);
    m_listView->setHeaderHidden(true); // the column appears at start-up
    m_listView->setAccessibleName(tr("Text files to import"));
    m_listView->setPlaceholderText(tr("Add files, or drop files and folders here"));
}

void MainWindow::buildButtons()
{
    m_buttons.moveUp = addArrowButton(u"PushButton3", tr("Move &Up"), true);
    m_buttons.moveDown = addArrowButton(u"PushButton5", tr("Move &Down"), false);
    m_buttons.addFiles = addPushButton(u"PushButton1", tr("&Add Text File(s)"));
    m_buttons.addFolder = addPushButton(u"PushButton4", tr("Add All File(s) In &Folder"));
    m_buttons.clearList = addPushButton(u"PushButton6", tr("C&lear List"));
    m_buttons.loadSamples = addPushButton(u"PushButton7", tr("Load Sample/E&xample Files"));
    m_buttons.start = addPushButton(u"PushButton2", ImportController::startCaption());
}

// The list with Move Up and Move Down beside it and the four list buttons
// under it; the option frames; "Start Importing" and the progress bar; the
// preview. How they stand depends on the room the window has (see
// WindowArrangement); a larger window gives its room to the list and the
// preview.
void MainWindow::layOutControls()
{
    const int gap = fromTwips(Margin);
    auto *moveButtons = new QVBoxLayout;
    moveButtons->setSpacing(gap);
    moveButtons->addWidget(m_buttons.moveUp);
    moveButtons->addWidget(m_buttons.moveDown);
    moveButtons->addStretch();
    auto *listRow = new QHBoxLayout;
    listRow->setSpacing(fromTwips(7065) - fromTwips(120) - m_listView->designedSize().width());
    listRow->addWidget(m_listView, 1);
    listRow->addLayout(moveButtons);

    // Two to a row as designed; one to a row where their captions are long.
    auto *listButtons = new ButtonRows(gap, gap - 1);
    for (QPushButton *button : {m_buttons.addFiles, m_buttons.addFolder, m_buttons.clearList, m_buttons.loadSamples})
        listButtons->addWidget(button);

    auto *list = new QWidget;
    list->setObjectName(u"ListPart"_s);
    auto *listColumn = new QVBoxLayout(list);
    listColumn->setContentsMargins(0, 0, 0, 0);
    listColumn->setSpacing(gap - 1);
    listColumn->addLayout(listRow, 1);
    listColumn->addLayout(listButtons);

    auto *start = new QWidget;
    start->setObjectName(u"StartPart"_s);
    auto *startColumn = new QVBoxLayout(start);
    startColumn->setContentsMargins(0, 0, 0, 0);
    startColumn->setSpacing(gap);
    startColumn->addWidget(m_buttons.start);
    startColumn->addWidget(m_progressBar);

    m_arrangement = new WindowArrangement(
        {.list = list, .preview = m_preview, .options = m_options->area(), .start = start}, gap, nullptr);
    // The page scrolls only on a screen smaller than the window can be
    // (1024x600 at 150%); from 800x600 up only the options scroll.
    m_page = new WindowPage(m_arrangement, this);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_page);
    // Placed now, not first when shown: the designed size is the one to
    // open at and to fit to a screen.
    resize(sizeHint());
    outer->activate();
}

QSize MainWindow::sizeHint() const
{
    return m_arrangement ? m_arrangement->sizeHint() : QWidget::sizeHint();
}

QSize MainWindow::unscrolledMinimum() const
{
    return m_arrangement->minimumSize();
}

void MainWindow::buildProgressBar()
{
    m_progressBar = new TextProgressBar(this);
    m_progressBar->setObjectName(u"ProgressBar1"_s);
    m_progressBar->setFixedHeight(std::max(fromTwips(ButtonHeight), m_progressBar->sizeHint().height()));
    m_progressBar->setRange(0, 100);
    m_progressBar->setValue(0);
    m_progressBar->setTextVisible(true);
    m_progressBar->setAlignment(Qt::AlignCenter);
    m_progressBar->setText(tr("Progress Bar"));
    m_progressBar->setAccessibleName(tr("Progress"));
}

void MainWindow::buildPreview()
{
    // What the selected entry (or the first) gives, read as the import
    // would read it.
    m_preview = new PreviewPanel(this, [this](const QString &path) { return readOptionsOf(*m_options, *m_fileList, path); });
    m_preview->setListedFiles([this] { return m_fileList->entries(); });
    m_renames = new HeaderRenames(m_preview, m_services.settings);
    m_preview->setRenames(m_renames);
    connect(m_renames, &HeaderRenames::changed, this, &MainWindow::showPreview);
    m_columnKinds = new ColumnKindChoices(this, m_services.settings);
    m_preview->setColumnKinds(m_columnKinds);
    connect(m_columnKinds, &ColumnKindChoices::changed, this, &MainWindow::showPreview);
    m_preview->setDesignedWidth(fromTwips(PreviewWidth));
    connect(m_options, &OptionsPanel::changed, this, &MainWindow::showPreview);
    connect(m_listView->selectionModel(), &QItemSelectionModel::currentChanged, this, &MainWindow::showPreview);
    connect(m_fileList, &QAbstractItemModel::rowsInserted, this, &MainWindow::showPreview);
    connect(m_fileList, &QAbstractItemModel::rowsRemoved, this, &MainWindow::showPreview);
    connect(m_fileList, &QAbstractItemModel::rowsMoved, this, &MainWindow::showPreview);
    connect(m_fileList, &QAbstractItemModel::modelReset, this, &MainWindow::showPreview);
    connect(m_preview, &PreviewPanel::fileSeparatorChosen, this,
            [this](const QString &path, const std::optional<QString> &separator) {
                m_fileList->setSeparatorOf(path, separator);
                showPreview();
            });
    connect(m_preview, &PreviewPanel::separatorFound, m_fileList, &FileListModel::setSeparatorFound);
    connect(m_preview, &PreviewPanel::fileEncodingChosen, this, [this](const QString &path, const QByteArray &name) {
        m_fileList->setEncodingOf(path, name.isEmpty() ? std::nullopt : encodingNamed(name));
        showPreview();
    });
    showPreview();
}

void MainWindow::showPreview()
{
    const QModelIndex current = m_listView->currentIndex();
    const int row = current.isValid() ? current.row() : 0;
    const QString path = row < m_fileList->count() ? m_fileList->entryAt(row) : QString();
    const auto own = m_fileList->encodingOf(path);
    m_preview->showFile(path, own ? own->name : QByteArray(), m_fileList->separatorOf(path));
}

void MainWindow::buildControllers()
{
    m_list = new FileListController({this, m_listView, *m_fileList, m_services.dialogs, m_services.settings, *this,
                                     *m_pointer, m_services.programFolder});
    m_import = new ImportController(
        {this, *m_fileList, *m_options, m_progressBar, m_services.dialogs, *this, m_buttons.start, m_renames,
         m_columnKinds},
        m_services.spreadsheets, m_services.random);
    m_import->setDefaultPointerAction([this] { m_pointer->setValue(PointerFeedback::Default); });
    // What a folder gave, on the bar until the next run: files of another
    // kind left out are counted, so that none is missed in silence.
    connect(m_list, &FileListController::folderListed, this,
            [this](qsizetype added, qsizetype passedOver, const QString &pattern) {
                QString said = tr("%Ln file(s) added", nullptr, int(added));
                if (passedOver > 0)
                    //: %1 the files' pattern (*.csv)
                    said += tr("; %Ln other file(s) passed over (not %1)", nullptr, int(passedOver)).arg(pattern);
                m_progressBar->setText(said);
            });
}

// Tab goes as the eye reads: the list and its buttons, then down the
// column under them (the preview, or the options on a narrow window), then
// the column on the right.
void MainWindow::setTabOrderAsRead()
{
    QList<QWidget *> order{m_listView,         m_buttons.moveUp,    m_buttons.moveDown,   m_buttons.addFiles,
                           m_buttons.addFolder, m_buttons.clearList, m_buttons.loadSamples};
    const QList<QWidget *> options = m_options->controlsInReadingOrder() << m_buttons.start;
    if (m_arrangement->isWide())
        order << m_preview->controlsInReadingOrder() << options;
    else
        order << options << m_preview->controlsInReadingOrder();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

std::array<QAbstractButton *, 7> MainWindow::Buttons::all() const
{
    return {addFiles, start, moveUp, addFolder, moveDown, clearList, loadSamples};
}

void MainWindow::connectButtons()
{
    connect(m_buttons.addFiles, &QPushButton::clicked, m_list, &FileListController::PushButton1_Click);
    connect(m_buttons.moveUp, &QToolButton::clicked, m_list, &FileListController::PushButton3_Click);
    connect(m_buttons.addFolder, &QPushButton::clicked, m_list, &FileListController::PushButton4_Click);
    connect(m_buttons.moveDown, &QToolButton::clicked, m_list, &FileListController::PushButton5_Click);
    connect(m_buttons.clearList, &QPushButton::clicked, m_list, &FileListController::PushButton6_Click);
    connect(m_buttons.loadSamples, &QPushButton::clicked, this, &MainWindow::PushButton7_Click);
    connect(m_buttons.start, &QPushButton::clicked, m_import, &ImportController::PushButton2_Click);
    // Escape stops a run, as "Stop Importing" does.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, m_import, &ImportController::stop);
}

// The hand over the seven push buttons, the ordinary pointer over the
// window's surface, the frames, the options and the list; Text1 and the
// progress bar change nothing.
void MainWindow::watchPointerSurfaces()
{
    m_pointer = new PointerFeedback(this);
    m_pointer->watch(this, PointerFeedback::Default, true);
    m_pointer->watch(m_arrangement, PointerFeedback::Default, true);
    m_pointer->watch(m_options->sheetFrame(), PointerFeedback::Default, true);
    m_pointer->watch(m_options->formatFrame(), PointerFeedback::Default, true);
    for (int number = 1; number <= 7; ++number)
        m_pointer->watch(m_options->option(number), PointerFeedback::Default);
    for (QAbstractButton *button : m_buttons.all())
        m_pointer->watch(button, PointerFeedback::Hand);
    m_pointer->watch(m_listView->viewport(), PointerFeedback::Default);
}

QPushButton *MainWindow::addPushButton(const char16_t *name, const QString &caption)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(QString::fromUtf16(name));
    button->setFont(buttonFont());
    // As designed, or as tall as its caption needs in a taller script
    // (Japanese, Chinese and Korean fonts are).
    button->setFixedHeight(std::max(fromTwips(ButtonHeight), button->sizeHint().height()));
    return button;
}

QToolButton *MainWindow::addArrowButton(const char16_t *name, const QString &caption, bool up)
{
    auto *button = new QToolButton(this);
    button->setObjectName(QString::fromUtf16(name));
    // The caption wraps under the arrow, as on a tall narrow button.
    button->setText(QString(caption).replace(u' ', u'\n'));
    button->setAccessibleName(withoutMnemonic(caption));
    button->setIcon(style()->standardIcon(up ? QStyle::SP_ArrowUp : QStyle::SP_ArrowDown));
    button->setIconSize(QSize(24, 24));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setFont(buttonFont());
    // A longer caption (another language's) makes the button wider.
    button->setFixedSize(twipsRect(0, 0, 855, 1200).size().expandedTo(button->sizeHint()));
    return button;
}

} // namespace quillora
