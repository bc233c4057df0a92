// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/previewpanel.h"

#include "core/import/accountwords.h"
#include "core/list/paths.h"
#include "core/text/separators.h"
#include "gui/columnkindchoices.h"
#include "gui/headerrenames.h"
#include "gui/previewmodel.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QThreadPool>
#include <QTimer>
#include <QVBoxLayout>

#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

namespace {
// Changes come in bursts (typing a separator, running down the list): the
// file is read a moment after the first change of a burst, as it stands
// then, and again for what came meanwhile.
constexpr int SettleMs = 40;
// What a line that wraps asks at least, whatever its longest word.
constexpr int LeastWrappedWidth = 120;

// Work done on a pool thread, its result handed to shown on the window's
// thread unless the panel is gone by then.
template <typename Work, typename Shown>
void offTheWindowsThread(PreviewPanel *panel, Work work, Shown shown)
{
    QPointer<PreviewPanel> self(panel);
    QThreadPool::globalInstance()->start([self, work = std::move(work), shown = std::move(shown)] {
        auto result = work();
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [self, result = std::move(result), shown] {
                if (self)
                    shown(*self, result);
            },
            Qt::QueuedConnection);
    });
}

} // namespace

PreviewPanel::PreviewPanel(QWidget *parent, std::function<ReadOptions(const QString &path)> options)
    : QWidget(parent)
    , m_options(std::move(options))
    , m_info(new QLabel(this))
    , m_fileEncoding(new QComboBox(this))
    , m_fileSeparator(new QComboBox(this))
    , m_hint(new QLabel(this))
    , m_hintButton(new QPushButton(tr("Cut &There"), this))
    , m_model(new PreviewModel(this))
    , m_table(new QTableView(this))
    , m_headerPlan(new QLabel(this))
    , m_settle(new QTimer(this))
{
    setObjectName(u"Preview1"_s);
    m_info->setObjectName(u"PreviewInfo"_s);
    m_info->setWordWrap(true);
    m_hint->setObjectName(u"PreviewHint"_s);
    m_hintButton->setObjectName(u"PreviewHintButton"_s);
    m_table->setObjectName(u"PreviewTable"_s);
    m_table->setModel(m_model);
    m_table->setAccessibleName(tr("Preview"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // One stop for Tab: the arrows move inside it.
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    buildFileChoices();
    layOut();
    m_hint->hide();
    m_hintButton->hide();
    // The hint is for this file: other files may be cut elsewhere.
    connect(m_hintButton, &QPushButton::clicked, this,
            [this] { emit fileSeparatorChosen(m_path, m_hintSeparator); });
    m_settle->setSingleShot(true);
    m_settle->setInterval(SettleMs);
    connect(m_settle, &QTimer::timeout, this, &PreviewPanel::start);
}

// A file's own encoding and separator, chosen by the user only, not as
// another file is shown.
void PreviewPanel::buildFileChoices()
{
    m_fileEncoding->setObjectName(u"PreviewEncoding"_s);
    m_fileEncoding->setAccessibleName(tr("Encoding of this file"));
    // The boxes give way in a narrow window; their lists open at full width.
    for (QComboBox *box : {m_fileEncoding, m_fileSeparator}) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(12);
    }
    m_fileEncoding->addItem(tr("Encoding as in the options"), QByteArray());
    for (const KnownEncoding &known : knownEncodings())
        m_fileEncoding->addItem(known.label(), known.name);
    // Chosen by the user only, not as another file is shown.
    connect(m_fileEncoding, &QComboBox::activated, this, [this] {
        emit fileEncodingChosen(m_path, m_fileEncoding->currentData().toByteArray());
    });
    m_fileSeparator->setObjectName(u"PreviewSeparator"_s);
    m_fileSeparator->setAccessibleName(tr("Separator of this file"));
    m_fileSeparator->addItem(tr("As in the options"));
    for (const Separator &separator : namedSeparators()) {
        m_fileSeparator->addItem(titleShown(separator), separator.text.toString());
    }
    connect(m_fileSeparator, &QComboBox::activated, this, [this] {
        const QVariant separator = m_fileSeparator->currentData();
        emit fileSeparatorChosen(m_path, separator.isValid() ? std::optional<QString>(separator.toString())
                                                             : std::nullopt);
    });
}

// The line about the file across the whole width, then the file's own
// encoding and separator, a hint, the rows and the header plan. Every row
// wraps or stands its captions over its fields in a narrow window, rather
// than widen it.
void PreviewPanel::layOut()
{
    auto *encodingLabel = new QLabel(tr("Encodin&g of this file:"), this);
    encodingLabel->setBuddy(m_fileEncoding);
    auto *separatorLabel = new QLabel(tr("Di&vide its lines at:"), this);
    separatorLabel->setBuddy(m_fileSeparator);
    auto *choices = new QFormLayout;
    choices->setRowWrapPolicy(QFormLayout::WrapLongRows);
    choices->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    choices->addRow(encodingLabel, m_fileEncoding);
    choices->addRow(separatorLabel, m_fileSeparator);
    m_hint->setWordWrap(true);
    auto *hintRow = new QHBoxLayout;
    hintRow->addWidget(m_hint, 1);
    hintRow->addWidget(m_hintButton);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_info);
    layout->addLayout(choices);
    layout->addLayout(hintRow);
    layout->addWidget(m_table, 1);
    m_headerPlan->setObjectName(u"PreviewHeaderPlan"_s);
    m_headerPlan->setWordWrap(true);
    // A long name that cannot wrap is cut rather than widen the window;
    // the tool tip holds it whole.
    m_headerPlan->setMinimumWidth(LeastWrappedWidth);
    m_headerPlan->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_headerPlan);
    m_headerPlan->hide();
}

PreviewPanel::~PreviewPanel() = default;

void PreviewPanel::setDesignedWidth(int width)
{
    m_designedWidth = width;
    updateGeometry();
}

QSize PreviewPanel::sizeHint() const
{
    const QSize natural = QWidget::sizeHint();
    return {m_designedWidth > 0 ? m_designedWidth : natural.width(), natural.height()};
}

QList<QWidget *> PreviewPanel::controlsInReadingOrder() const
{
    QList<QWidget *> controls{m_fileEncoding, m_fileSeparator, m_hintButton, m_table};
    if (m_renames)
        controls << m_renames->controlsInReadingOrder();
    return controls;
}

void PreviewPanel::setRenames(HeaderRenames *renames)
{
    m_renames = renames;
    m_renames->setParent(this);
    layout()->addWidget(m_renames);
    m_renames->setVisible(!m_headerPlan->isHidden());
}

void PreviewPanel::showFile(const QString &path, const QByteArray &ownEncoding,
                            const std::optional<QString> &ownSeparator)
{
    m_path = path;
    m_fileEncoding->setEnabled(!path.isEmpty());
    m_fileEncoding->setCurrentIndex(std::max(0, m_fileEncoding->findData(ownEncoding)));
    m_fileSeparator->setEnabled(!path.isEmpty());
    int separator = ownSeparator ? m_fileSeparator->findData(*ownSeparator) : 0;
    // A separator of its own that the list does not offer is offered too.
    if (separator < 0) {
        m_fileSeparator->addItem(*ownSeparator, *ownSeparator);
        separator = m_fileSeparator->count() - 1;
    }
    m_fileSeparator->setCurrentIndex(separator);
    ++m_generation;
    if (!m_settle->isActive())
        m_settle->start();
}

// One read at a time: a request that comes while one runs is read after it.
void PreviewPanel::start()
{
    if (m_reading) {
        m_again = true;
        return;
    }
    if (m_path.isEmpty()) {
        FilePreview none;
        none.error = tr("No file is listed.");
        display(none, m_generation);
        return;
    }
    m_reading = true;
    const QString path = m_path;
    const ReadOptions options = m_options(path);
    const QList<ColumnChoice> choices = m_columnKinds ? m_columnKinds->choices() : QList<ColumnChoice>();
    const qsizetype generation = m_generation;
    offTheWindowsThread(
        this, [path, options, choices] { return previewFile(path, options, 64 * 1024, 100, {}, choices); },
        [generation](PreviewPanel &panel, const FilePreview &preview) { panel.display(preview, generation); });
}

void PreviewPanel::display(const FilePreview &preview, qsizetype generation)
{
    m_reading = false;
    if (std::exchange(m_again, false))
        start();
    if (generation != m_generation)
        return;
    if (!preview.error.isEmpty()) {
        m_info->setText(preview.error);
        m_hint->hide();
        m_hintButton->hide();
        m_model->clear();
        emit shown();
        return;
    }
    const auto [line, found] = AccountWords::previewLine(preview.account, preview.lineEnds);
    if (preview.account.dialect)
        emit separatorFound(m_path, found);
    m_info->setText(line);
    m_hintSeparator = preview.account.hint ? preview.account.hint->separator : QString();
    m_hint->setText(preview.account.hint ? tr("This file looks separated by %1.").arg(preview.account.hint->name) : QString());
    m_hint->setVisible(preview.account.hint.has_value());
    m_hintButton->setVisible(preview.account.hint.has_value());
    showRows(preview);
    emit shown();
    if (preview.header && m_listed)
        planHeaders();
    else
        hideHeaderPlan();
}

void PreviewPanel::hideHeaderPlan()
{
    m_headerPlan->hide();
    if (m_renames)
        m_renames->hide();
}

// The headers of every listed file, read off the window's thread as the
// preview is; one reading at a time, the last request read after it.
void PreviewPanel::planHeaders()
{
    if (m_planning) {
        m_planAgain = true;
        return;
    }
    m_planning = true;
    // A header stands in a file's first lines: a little of each file, and
    // of a long list the files a person looks through.
    constexpr qsizetype MostFiles = 2000;
    constexpr qint64 HeaderSample = 16 * 1024;
    const QStringList paths = m_listed().mid(0, MostFiles);
    const QList<Rename> renames = m_renames ? m_renames->renames() : QList<Rename>();
    QHash<QString, ReadOptions> options;
    for (const QString &path : paths)
        options.insert(path, m_options(path));
    const qsizetype generation = m_generation;
    offTheWindowsThread(
        this,
        [paths, options, renames] {
            return quillora::planHeaders(paths, [&](const QString &path) { return options.value(path); }, renames,
                                         HeaderSample);
        },
        [generation](PreviewPanel &panel, const HeaderPlan &plan) { panel.showHeaderPlan(plan, generation); });
}

void PreviewPanel::showHeaderPlan(const HeaderPlan &plan, qsizetype generation)
{
    m_planning = false;
    if (std::exchange(m_planAgain, false)) {
        planHeaders();
        return;
    }
    if (generation != m_generation)
        return;
    constexpr qsizetype MostColumns = 12;
    const QStringList &columns = plan.columns;
    QString text = tr("Columns of the listed files: %1")
                       .arg(columns.size() <= MostColumns
                                ? columns.join(u", "_s)
                                : tr("%1 and %Ln more", nullptr, int(columns.size() - MostColumns))
                                      .arg(columns.first(MostColumns).join(u", "_s)));
    // A few lines under the table; all of them in its tool tip.
    constexpr qsizetype MostLines = 3;
    QStringList drift = plan.changes + plan.spellings;
    if (const QString chosen = m_columnKinds ? m_columnKinds->shown() : QString(); !chosen.isEmpty())
        drift.prepend(chosen);
    const QString all = drift.isEmpty() ? text : text + u"\n"_s + drift.join(u"\n"_s);
    if (!drift.isEmpty())
        text += u"\n"_s + drift.mid(0, MostLines).join(u"\n"_s);
    if (drift.size() > MostLines)
        text += u'\n' + tr("... %Ln more (see the tool tip)", nullptr, int(drift.size() - MostLines));
    m_headerPlan->setText(text);
    m_headerPlan->setToolTip(all);
    m_table->horizontalHeader()->setToolTip(all);
    m_headerPlan->show();
    if (m_renames) {
        m_renames->setColumns(columns);
        m_renames->show();
    }
    emit headerPlanShown();
}

void PreviewPanel::showRows(const FilePreview &preview)
{
    qsizetype columns = preview.header ? preview.header->size() : 0;
    for (const QStringList &row : preview.firstRows)
        columns = std::max(columns, row.size());
    // The header row as the table's header; without one, the columns' letters.
    // Under each name, its kind where the cells are typed or one was chosen.
    QStringList titles;
    m_columnNames.clear();
    for (qsizetype c = 0; c < columns; ++c) {
        QString letters;
        for (qsizetype n = c + 1; n > 0; n = (n - 1) / 26)
            letters.prepend(QChar(u'A' + char16_t((n - 1) % 26)));
        const QString title = preview.header ? preview.header->value(c) : letters;
        m_columnNames.append(preview.header ? title : QString());
        const ColumnKind kind = c < qsizetype(preview.columnKinds.size()) ? preview.columnKinds[size_t(c)] : ColumnKind::Automatic;
        titles.append(kind == ColumnKind::Automatic ? title : title + u'\n' + ColumnKindChoices::kindName(kind));
    }
    m_textColumns = m_options(m_path).fileColumn == FileColumn::None ? 0 : 1;
    m_model->setRows(titles, preview.firstRows, preview.valueCells);
}

void PreviewPanel::setColumnKinds(ColumnKindChoices *kinds)
{
    m_columnKinds = kinds;
    // A click on a column's title, or the menu key in its cells, offers its kinds.
    m_table->horizontalHeader()->setSectionsClickable(true);
    connect(m_table->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        QHeaderView *header = m_table->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(section), header->height());
        offerKinds(section, header->viewport()->mapToGlobal(at));
    });
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_table, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        if (const QModelIndex cell = m_table->indexAt(at); cell.isValid())
            offerKinds(cell.column(), m_table->viewport()->mapToGlobal(at));
    });
    // From the keyboard, under the current cell.
    auto *byKey = new QAction(this);
    byKey->setShortcuts({QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    byKey->setShortcutContext(Qt::WidgetShortcut);
    m_table->addAction(byKey);
    connect(byKey, &QAction::triggered, this, [this] {
        const QModelIndex current = m_table->currentIndex();
        if (current.isValid())
            offerKinds(current.column(), m_table->viewport()->mapToGlobal(m_table->visualRect(current).bottomLeft()));
    });
    m_table->setAccessibleDescription(tr("The menu key in a column, or a click on its title, chooses its kind."));
}

void PreviewPanel::offerKinds(int section, const QPoint &at)
{
    if (m_columnKinds && section >= 0 && section < m_columnNames.size())
        m_columnKinds->offer(this, at, section, m_textColumns, m_columnNames.value(section));
}

} // namespace quillora
