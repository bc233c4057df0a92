// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/reading/fileaccount.h"

#include <QDialog>
#include <QList>
#include <QStringList>

class QLabel;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

namespace quillora {

class Dialogs;

// What a run did, in one window kept open beside the spreadsheet until the
// user closes it: the notes of no one file above, and a row for each file
// read (its sheet and rows, encoding, separator, decimal sign, rows and
// notes; the files with notes first), sortable by any column and copied as
// tab-separated text. Never modal: the spreadsheet stays usable.
class ImportSummary : public QDialog
{
    Q_OBJECT

public:
    ImportSummary(QWidget *parent, Dialogs &dialogs);

    // Shows the run's files (choose says how to choose an encoding, as the
    // notes say it) and its other notes, in place of the last run's; the
    // first time beside keepClear (the document's window, on the screen),
    // covering as little of it as the screen allows.
    void showRun(const QList<FileAccount> &accounts, const QStringList &notes, const QString &choose,
                 const QRect &keepClear = {});
    // The rows as shown (sorted as the user sorted them), the columns'
    // titles first, tab-separated; of the selected rows only, if any.
    QString shownText(bool selectedOnly) const;
    const QSortFilterProxyModel *files() const { return m_sorted; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // "Save As...": the report as a file, as --report writes it.
    void saveAs();
    void fillTable(const QList<FileAccount> &accounts, const QString &choose);
    void placeFirst(const QRect &keepClear);

    Dialogs &m_dialogs;
    QList<FileAccount> m_accounts;
    QString m_choose;
    QString m_savedIn;
    QLabel *m_notes;
    QStandardItemModel *m_model;
    QSortFilterProxyModel *m_sorted;
    QTableView *m_table;
};

} // namespace quillora
