// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/filelistcontroller.h"

#include "core/errorreport.h"
#include "core/list/filelistmodel.h"
#include "core/list/folderexpansion.h"
#include "core/text/packedtext.h"
#include "core/list/paths.h"
#include "core/settings.h"
#include "core/text/filenames.h"
#include "gui/dialogs.h"
#include "gui/pointerfeedback.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>
#include <QTreeView>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

namespace {
// Paragraphs apart, as translations keep no line-break characters.
QString extensionPrompt()
{
    return QCoreApplication::translate("quillora::FileListController", "Enter file extension to load:") + u"\r\r"_s
        + QCoreApplication::translate("quillora::FileListController",
                                      "(* for all files, txt for all txt files, doc for all doc files, etc.)");
}
// The screen rows above and below which a drag inside the list scrolls.
constexpr int ScrollUpAbove = 305;
constexpr int ScrollDownBelow = 364;
} // namespace

FileListController::FileListController(const Parts &parts)
    : QObject(parts.window)
    , m_parts(parts)
{
    QTreeView *view = m_parts.view;
    // Drops and the drag inside the list are handled here, not by the view.
    view->setAcceptDrops(true);
    view->setAutoScroll(false);
    view->installEventFilter(this);
    view->viewport()->installEventFilter(this);
    connect(view, &QAbstractItemView::pressed, this, &FileListController::ListView1_ItemClick);
}

// The folder files were added from, for the next file dialog; a store that
// cannot be written only costs that.
void FileListController::rememberFolder(const QString &folder)
{
    try {
        m_parts.settings.SaveSetting(Setting::LastFolder, folder);
    } catch (const std::exception &e) {
        qWarning() << e.what();
    }
}

void FileListController::PushButton1_Click()
{
    GuardedOperation click(Location::AddTextFiles, m_parts.errorReporter);
    QString fileName;
    bool tooMany = false;
    click.step(108, [&] {
        // Where files were last added from; the first time, the user's home.
        QString start;
        try {
            start = m_parts.settings.GetSetting(Setting::LastFolder);
        } catch (const std::exception &) {
        }
        const QStringList chosen = m_parts.dialogs.openFiles(
            QCoreApplication::translate("quillora::OpenDialog", OpenDialog::Title),
            OpenDialog::qtFilters(QCoreApplication::translate("quillora::OpenDialog", OpenDialog::Filter)),
                                                             start.isEmpty() ? QDir::homePath() : start);
        if (!chosen.isEmpty())
            rememberFolder(QFileInfo(chosen.first()).absolutePath());
        const std::optional<QString> selection = OpenDialog::selectionText(chosen);
        tooMany = !selection;
        fileName = selection.value_or(QString());
    });
    if (tooMany) {
        m_parts.dialogs.notice(tr("You've selected too many files to add.") + u"\r\r"_s
                               + tr("Please try adding via the \"Add All\" button."));
        return;
    }
    if (!click.test(110, [&] { return !fileName.isEmpty(); }))
        return;
    QStringList parts;
    click.step(112, [&] { parts = fileName.split(QChar(u'\0')); });
    if (click.test(114, [&] { return parts.size() == 1; })) {
        click.step(118, [&] { addChosenFile(parts.value(0)); });
        return;
    }
    if (!click.test(120, [&] { return parts.size() > 1; }))
        return;
    // The folder comes first, then each name in the dialog's order.
    for (qsizetype i = 1; i < parts.size(); ++i)
        click.step(132, [&] { addChosenFile(RemoveDoubleBackslashes(parts.at(0) + u'/' + parts.at(i))); });
}

// A .zip archive chosen is a folder of files: its members go in.
void FileListController::addChosenFile(const QString &path)
{
    if (isZipArchive(path))
        addFolderFiles(path, u"*.*"_s, nullptr);
    else
        m_parts.model.AddListEntry(path);
}

void FileListController::PushButton4_Click()
{
    GuardedOperation click(Location::AddFolder, m_parts.errorReporter);
    SettingsStore &settings = m_parts.settings;
    QString answer;
    click.step(100, [&] {
        answer = m_parts.dialogs.input(extensionPrompt(), settings.GetSetting(Setting::Extension))
                     .value_or(QString());
        if (!answer.isEmpty())
            settings.SaveSetting(Setting::Extension, answer);
    });
    if (click.test(102, [&] { return answer.isEmpty(); }))
        return;
    click.step(104, [&] { settings.SaveSetting(Setting::Extension, answer); });
    QString folder;
    click.step(106, [&] {
        folder = m_parts.dialogs.pickFolder(tr("Please select folder:"), settings.GetSetting(Setting::LastFolder));
    });
    if (click.test(108, [&] { return folder.isEmpty(); }))
        return;
    click.step(334, [&] { settings.SaveSetting(Setting::LastFolder, folder); });
    click.step(110, [&] { m_parts.pointer.setValue(PointerFeedback::Busy); });
    const int before = m_parts.model.count();
    const qsizetype passedOver = addFolderFiles(folder, u"*."_s + answer, &click);
    emit folderListed(m_parts.model.count() - before, passedOver, u"*."_s + answer);
    click.step(132, [&] { m_parts.pointer.setValue(PointerFeedback::Default); });
}

qsizetype FileListController::addFolderFiles(const QString &folder, const QString &pattern, GuardedOperation *steps)
{
    // The files found go into the list in batches: one insertion each time
    // the window breathes, so it shows them coming without laying itself
    // out once per file.
    QStringList found;
    const auto addFound = [&] { m_parts.model.AddListEntries(std::exchange(found, {})); };
    Breather breather(
        [&] {
            addFound();
            QCoreApplication::processEvents();
        },
        [this] { return m_cancelled; });
    FolderWalk walk(m_parts.errorReporter, breather);
    AddFolderFiles(folder, pattern, [&](const QString &path) { found.append(path); }, walk, breather,
                   ExpansionSteps{.guard = steps});
    addFound();
    return walk.passedOver();
}

QStringList FileListController::droppedPaths(const QMimeData *data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl &url : data->urls()) {
        // The path's own bytes, as the file manager sent them: a name that
        // is not UTF-8 still names its file.
        if (url.isLocalFile())
            paths.append(decodePath(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1())));
    }
    return paths;
}

void FileListController::ListView1_OLEDragDrop(const QStringList &paths)
{
    // A failure ends the handling of this drop, never the program.
    GuardedOperation drop(Location::DropFiles, m_parts.errorReporter);
    drop.step(100, [&] {
        // Files in a row go in together; a folder's files follow in order,
        // each folder walked on its own.
        expandPaths(
            paths, [&](const QStringList &files) { m_parts.model.AddListEntries(files); },
            [&](const QString &folder) { addFolderFiles(folder, u"*.*"_s, nullptr); }, [this] { return m_cancelled; });
    });
}

std::optional<int> FileListController::currentRow() const
{
    // The entry the list shows selected; a list whose selection was lost has
    // none, and the operations on it then do nothing.
    const QModelIndexList selected = m_parts.view->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return std::nullopt;
    return selected.first().row();
}

void FileListController::selectRow(int row)
{
    m_parts.view->selectionModel()->setCurrentIndex(m_parts.model.index(row),
                                                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void FileListController::PushButton3_Click()
{
    moveCurrentEntry(Location::MoveUp, -1);
}

void FileListController::PushButton5_Click()
{
    moveCurrentEntry(Location::MoveDown, +1);
}

void FileListController::moveCurrentEntry(QStringView location, int offset)
{
    GuardedOperation click(location, m_parts.errorReporter);
    FileListModel &model = m_parts.model;
    if (!click.test(100, [&] { return !m_parts.pointer.isBusy(); }))
        return;
    if (!click.test(102, [&] { return model.count() > 0; }))
        return;
    std::optional<int> row;
    click.step(104, [&] { row = currentRow(); });
    if (!row)
        return;
    const int from = *row;
    const int to = from + offset;
    const bool moves = click.test(106, [&] { return to >= 0 && to < model.count(); });
    const auto focus = [&] { click.step(moves ? 116 : 118, [&] { m_parts.view->setFocus(); }); };
    if (!moves)
        return focus();
    // A copy goes in beyond the neighbour and the old entry comes out: the
    // two exchange places and all others keep theirs.
    click.step(108, [&] { model.insertEntry(offset < 0 ? to : to + 1, model.entryAt(from)); });
    click.step(110, [&] { model.removeEntry(offset < 0 ? from + 1 : from); });
    click.step(112, [&] { selectRow(to); });
    click.step(114, [&] { m_parts.view->scrollTo(model.index(to)); });
    focus();
}

void FileListController::PushButton6_Click()
{
    GuardedOperation click(Location::ClearList, m_parts.errorReporter);
    if (click.test(100, [&] { return !m_parts.pointer.isBusy(); }))
        click.step(100, [&] { m_parts.model.clear(); });
}

void FileListController::removeCurrentEntry()
{
    if (m_parts.pointer.isBusy() || m_parts.model.count() == 0)
        return;
    const std::optional<int> row = currentRow();
    if (!row)
        return;
    m_parts.model.removeEntry(*row);
    // The entry that took its place is the current one now, so Delete can
    // be pressed again.
    if (m_parts.model.count() > 0)
        selectRow(std::min(*row, m_parts.model.count() - 1));
}

void FileListController::ListView1_ItemClick()
{
    const QPixmap image(m_parts.programFolder + u"/drag.ico"_s);
    m_parts.view->viewport()->setCursor(image.isNull() ? QCursor(Qt::DragMoveCursor) : QCursor(image));
    if (const std::optional<int> row = currentRow())
        m_draggedEntry = m_parts.model.index(*row);
}

void FileListController::ListView1_MouseMove(const QPoint &position)
{
    if (!m_listButtonDown)
        return;
    const QModelIndex entryUnderPointer = m_parts.view->indexAt(position);
    if (m_draggedEntry.isValid() && entryUnderPointer.isValid()
        && m_parts.model.entryAt(m_draggedEntry.row()) != m_parts.model.entryAt(entryUnderPointer.row()))
        exchangeWith(entryUnderPointer);
}

void FileListController::exchangeWith(const QModelIndex &entryUnderPointer)
{
    // The two texts change places; the entries between them stay.
    FileListModel &model = m_parts.model;
    const int from = m_draggedEntry.row();
    const int to = entryUnderPointer.row();
    const QString dragged = model.entryAt(from);
    model.setEntry(from, model.entryAt(to));
    model.setEntry(to, dragged);
    selectRow(to);
    m_draggedEntry = model.index(to);
    scrollNear(to);
}

void FileListController::scrollNear(int row)
{
    const int y = QCursor::pos().y();
    if (y < ScrollUpAbove && row - 1 >= 0)
        m_parts.view->scrollTo(m_parts.model.index(row - 1));
    else if (y > ScrollDownBelow && row + 1 < m_parts.model.count())
        m_parts.view->scrollTo(m_parts.model.index(row + 1));
}

void FileListController::ListView1_MouseUp()
{
    m_listButtonDown = false;
    m_parts.view->viewport()->setCursor(Qt::ArrowCursor);
}

bool FileListController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_parts.view) {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete) {
            removeCurrentEntry();
            return true;
        }
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_listButtonDown = true;
        return false;
    case QEvent::MouseMove:
        ListView1_MouseMove(static_cast<QMouseEvent *>(event)->position().toPoint());
        // While a button is held the drag decides the selection, not the view.
        return m_listButtonDown;
    case QEvent::MouseButtonRelease:
        ListView1_MouseUp();
        return false;
    case QEvent::MouseButtonDblClick:
        removeCurrentEntry();
        return true;
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDropEvent *>(event);
        if (droppedPaths(drag->mimeData()).isEmpty())
            drag->ignore();
        else
            drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList paths = droppedPaths(drop->mimeData());
        if (paths.isEmpty())
            return true;
        drop->acceptProposedAction();
        // Handled once the drag has ended, so that a long walk does not keep
        // the file manager waiting.
        QMetaObject::invokeMethod(this, [this, paths] { ListView1_OLEDragDrop(paths); }, Qt::QueuedConnection);
        return true;
    }
    default:
        return false;
    }
}

} // namespace quillora
