// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPersistentModelIndex>
#include <QPoint>
#include <QStringList>

#include <optional>

class QMimeData;
class QTreeView;
class QWidget;

namespace quillora {

class Dialogs;
class ErrorReporter;
class GuardedOperation;
class FileListModel;
class PointerFeedback;
class SettingsStore;

// Every way of filling, ordering and emptying the file list: the open
// dialog, a folder and an extension, drops from a file manager, Move Up and
// Move Down, dragging inside the list, Delete, double-click and Clear List.
class FileListController : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        QWidget *window;
        QTreeView *view;
        FileListModel &model;
        Dialogs &dialogs;
        SettingsStore &settings;
        ErrorReporter &errorReporter;
        PointerFeedback &pointer;
        // Where "drag.ico" is looked for.
        QString programFolder;
    };

    explicit FileListController(const Parts &parts);

    void PushButton1_Click(); // Add Text File(s)
    void PushButton3_Click(); // Move Up
    void PushButton4_Click(); // Add All File(s) In Folder
    void PushButton5_Click(); // Move Down
    void PushButton6_Click(); // Clear List
    // Delete and double-click: the current entry goes.
    void removeCurrentEntry();
    // Appends dropped paths in their order; a folder brings all its files.
    void ListView1_OLEDragDrop(const QStringList &paths);
    // The window is closing: a folder scan stops at its next breath.
    void cancel() { m_cancelled = true; }

    // Whether a drag carries local files; anything else is refused.
    static QStringList droppedPaths(const QMimeData *data);

signals:
    // A folder's files matching pattern were listed: added of them, and
    // passedOver other files seen and left out.
    void folderListed(qsizetype added, qsizetype passedOver, const QString &pattern);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void rememberFolder(const QString &folder);
    void ListView1_ItemClick();
    void ListView1_MouseMove(const QPoint &position);
    void ListView1_MouseUp();
    void moveCurrentEntry(QStringView location, int offset);
    void exchangeWith(const QModelIndex &entryUnderPointer);
    void scrollNear(int row);
    std::optional<int> currentRow() const;
    void selectRow(int row);
    void addChosenFile(const QString &path);
    // The files left out for their names.
    qsizetype addFolderFiles(const QString &folder, const QString &pattern, GuardedOperation *steps);

    Parts m_parts;
    bool m_listButtonDown = false;
    QPersistentModelIndex m_draggedEntry;
    bool m_cancelled = false;
};

} // namespace quillora
