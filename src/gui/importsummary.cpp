// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/importsummary.h"

#include "core/failure.h"
#include "core/import/accountwords.h"
#include "core/import/reportfile.h"
#include "gui/dialogs.h"
#include "gui/windowplacement.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

namespace {
// The columns that hold counts sort as numbers.
const std::set<int> NumberColumns{2, 3, 9, 10, 11};
constexpr int SortRole = Qt::UserRole + 1;
// Where the notes stand: after the file, where it landed, and how it was
// read (encoding, how it was taken, separator).
constexpr int NotesShownAt = 7;
} // namespace

ImportSummary::ImportSummary(QWidget *parent, Dialogs &dialogs)
    : QDialog(parent)
    , m_dialogs(dialogs)
    , m_notes(new QLabel(this))
    , m_model(new QStandardItemModel(this))
    , m_sorted(new QSortFilterProxyModel(this))
    , m_table(new QTableView(this))
{
    setObjectName(u"ImportSummary"_s);
    setWindowTitle(tr("Import Report"));
    setModal(false);
    // Beside the spreadsheet, not in the way of the window's keyboard.
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_notes->setObjectName(u"SummaryNotes"_s);
    m_notes->setWordWrap(true);
    m_notes->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(SortRole);
    m_table->setObjectName(u"SummaryFiles"_s);
    m_table->setAccessibleName(tr("Files read"));
    m_table->setModel(m_sorted);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    // In the order given until the user sorts by a column.
    m_table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_table->setSortingEnabled(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *copy = buttons->addButton(tr("&Copy All"), QDialogButtonBox::ActionRole);
    connect(copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(shownText(false)); });
    QPushButton *save = buttons->addButton(tr("&Save As..."), QDialogButtonBox::ActionRole);
    save->setObjectName(u"SaveReport"_s);
    connect(save, &QPushButton::clicked, this, &ImportSummary::saveAs);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_notes);
    layout->addWidget(m_table, 1);
    layout->addWidget(buttons);
    resize(960, 420);
}

void ImportSummary::showRun(const QList<FileAccount> &accounts, const QStringList &notes, const QString &choose,
                            const QRect &keepClear)
{
    m_accounts = accounts;
    m_choose = choose;
    m_notes->setText(notes.join(u"\n\n"_s));
    m_notes->setVisible(!notes.isEmpty());
    fillTable(accounts, choose);
    // As the user left it once shown.
    if (!isVisible())
        placeFirst(keepClear);
    show();
    raise();
}

void ImportSummary::fillTable(const QList<FileAccount> &accounts, const QString &choose)
{
    m_model->clear();
    m_model->setHorizontalHeaderLabels(AccountWords::reportColumns());
    const QLocale locale;
    QList<QStringList> rows;
    for (const FileAccount &account : accounts)
        rows.append(AccountWords::reportRow(account, choose, locale));
    // The files with notes first, each part in the list's order.
    std::ranges::stable_partition(rows, [](const QStringList &row) { return !row[AccountWords::NotesColumn].isEmpty(); });
    for (const QStringList &row : std::as_const(rows)) {
        QList<QStandardItem *> items;
        for (int column = 0; column < row.size(); ++column) {
            auto *item = new QStandardItem(row[column]);
            item->setData(NumberColumns.contains(column) ? QVariant(locale.toLongLong(row[column])) : QVariant(row[column]),
                          SortRole);
            if (column >= AccountWords::NotesColumn - 1)
                item->setToolTip(row[column]);
            items.append(item);
        }
        m_model->appendRow(items);
    }
    m_table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_sorted->sort(-1);
    // What there is to know of a file stands after how it was read (its
    // encoding and separator); copied, the columns keep the report's order.
    QHeaderView *header = m_table->horizontalHeader();
    if (header->visualIndex(AccountWords::NotesColumn) != NotesShownAt)
        header->moveSection(header->visualIndex(AccountWords::NotesColumn), NotesShownAt);
    m_table->resizeColumnsToContents();
    // Long header changes and notes show whole in their tool tips.
    for (const auto &[column, most] : {std::pair(AccountWords::NotesColumn - 1, 240), std::pair(AccountWords::NotesColumn, 360)})
        m_table->setColumnWidth(column, std::min(m_table->columnWidth(column), most));
}

// As wide as its columns where the screen has room, beside the document.
void ImportSummary::placeFirst(const QRect &keepClear)
{
    int width = 2 * m_table->frameWidth() + m_table->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < m_sorted->columnCount(); ++column)
        width += m_table->columnWidth(column);
    const QScreen *screen = parentWidget() ? parentWidget()->screen() : this->screen();
    const QRect area = screen->availableGeometry();
    resize(std::clamp(width + layout()->contentsMargins().left() + layout()->contentsMargins().right(), 480,
                      area.width() * 9 / 10),
           std::min(height(), area.height() * 9 / 10));
    const QRect kept = !keepClear.isEmpty() ? keepClear : parentWidget() ? parentWidget()->frameGeometry() : QRect();
    if (!kept.isEmpty())
        move(frameBeside(kept, size().grownBy(AssumedDecorations), area).topLeft());
}

QString ImportSummary::shownText(bool selectedOnly) const
{
    QStringList lines;
    QStringList titles;
    for (int column = 0; column < m_sorted->columnCount(); ++column)
        titles.append(m_sorted->headerData(column, Qt::Horizontal).toString());
    lines.append(titles.join(u'\t'));
    const QItemSelectionModel *selection = m_table->selectionModel();
    for (int row = 0; row < m_sorted->rowCount(); ++row) {
        if (selectedOnly && !selection->isRowSelected(row, {}))
            continue;
        QStringList cells;
        for (int column = 0; column < m_sorted->columnCount(); ++column)
            // A tab or a line break of a name would start another cell or row.
            cells.append(m_sorted->index(row, column).data().toString().replace(u'\t', u' ').replace(u'\n', u' '));
        lines.append(cells.join(u'\t'));
    }
    return lines.join(u'\n') + u'\n';
}

void ImportSummary::saveAs()
{
    const QString suggested = QDir(m_savedIn.isEmpty() ? QDir::homePath() : m_savedIn).filePath(u"report.csv"_s);
    QString path = m_dialogs.saveFile(tr("Save Report"), {tr("CSV files (*.csv)"), tr("JSON Lines files (*.jsonl)")},
                                      suggested);
    if (path.isEmpty())
        return;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != u"csv" && suffix != u"jsonl" && suffix != u"json")
        path += u".csv"_s;
    m_savedIn = QFileInfo(path).absolutePath();
    try {
        writeReportFile(path, m_accounts, m_choose);
    } catch (const Failure &failure) {
        m_dialogs.warning(windowTitle(), failure.description());
    }
}

void ImportSummary::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        const bool any = m_table->selectionModel()->hasSelection();
        QApplication::clipboard()->setText(shownText(any));
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace quillora
