// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/import/runreport.h"

#include "core/import/accountwords.h"
#include "core/import/spreadsheet.h"
#include "core/text/separators.h"
#include "core/translations.h"

#include <QHash>
#include <QLocale>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

void RunReport::sheetWritten(const std::vector<SheetWriter::Landing> &landings, const SheetLayout &layout)
{
    // Found by their file's place in the list: a sheet of many files costs
    // what its files do, not their square.
    QHash<int, const SheetWriter::Landing *> byFile;
    byFile.reserve(qsizetype(landings.size()));
    for (const SheetWriter::Landing &landing : landings)
        byFile.insert(landing.listIndex, &landing);
    for (qsizetype i = m_told; i < m_accounts.size(); ++i) {
        FileAccount &account = m_accounts[i];
        if (const SheetWriter::Landing *landed = byFile.value(account.listIndex))
            account.landed = FileAccount::Landing{landed->sheet, landed->firstRow, landed->lastSheet, landed->lastRow};
        std::tie(account.columnsMissing, account.columnsAdded) = layout.headerDriftOf(account.listIndex);
        m_observer.fileRead(account);
    }
    m_told = m_accounts.size();
}

void RunReport::tellHeaderPlan(const SheetLayout &layout)
{
    if (!layout.hasHeaderRow())
        return;
    m_headersSeen = true;
    m_renamesMet.unite(layout.renamesMet());
    for (const ColumnChoice &choice : layout.choicesMet()) {
        if (!m_choicesMet.contains(choice))
            m_choicesMet.append(choice);
    }
    const HeaderPlan plan = layout.headerPlan();
    m_observer.headerPlanned(plan);
    for (const QString &change : plan.changes)
        m_observer.note(tr("The headers differ: %1. Each file's cells are under the columns of their names.").arg(change));
    for (qsizetype i = 0; i < plan.spellings.size(); ++i) {
        m_observer.note(plan.spellingColumns.value(i) > 1
                            ? tr("Column names are spelt two ways: %1. Each is one column, named as first spelt.")
                                  .arg(plan.spellings[i])
                            : tr("A column name is spelt two ways: %1. It is one column, named as first spelt.")
                                  .arg(plan.spellings[i]));
    }
}

// What the user meant to join stays apart, and that is said.
void RunReport::tellRenamesUnmet(const QList<Rename> &renames, int step)
{
    if (!m_headersSeen)
        return;
    for (const auto &[from, to] : renames) {
        if (!m_renamesMet.contains(SheetLayout::matchedName(from)))
            m_observer.loss(step, tr("No header has a column \"%1\" to count as \"%2\".").arg(from, to));
    }
}

// A column chosen by a name no header has is told as a rename is.
void RunReport::tellColumnChoicesUnmet(const QList<ColumnChoice> &choices, int step)
{
    for (const ColumnChoice &choice : choices) {
        if (choice.number == 0 && !m_choicesMet.contains(choice))
            m_observer.loss(step, tr("No header has a column \"%1\" to be %2.").arg(choice.name, wordOfKind(choice.kind)));
    }
}

// The file is named with the one it looks cut at: it was most likely cut at
// the wrong one. A file of one column is no such file.
void RunReport::tellFilesUnlikeTheRest()
{
    const auto headerCells = [](const FileAccount &account) { return account.header ? account.header->size() : 0; };
    qsizetype widestHeader = 0;
    bool othersCut = false;
    // A file that could not be read was cut nowhere.
    QList<const FileAccount *> read;
    for (const FileAccount &account : std::as_const(m_accounts)) {
        if (account.failure.isEmpty())
            read.append(&account);
    }
    for (const FileAccount *account : std::as_const(read)) {
        othersCut = othersCut || !account->oneCellEach;
        widestHeader = std::max(widestHeader, headerCells(*account));
    }
    if (!othersCut)
        return;
    for (const FileAccount *file : std::as_const(read)) {
        const FileAccount &account = *file;
        const bool oneCell = account.oneCellEach || (headerCells(account) == 1 && widestHeader >= 2);
        if (!oneCell || !account.looksCutAt)
            continue;
        const int cells = int(widestHeader);
        //: %1 the file, %2 the separator it looks cut at ("semicolons")
        const QString note = account.oneCellEach
            ? (cells >= 2 ? tr("%1: every row is one cell, where the other files have %Ln; it looks separated by %2.",
                               nullptr, cells)
                          : tr("%1: every row is one cell, where the other files have several; it looks separated "
                               "by %2."))
            : (cells >= 2 ? tr("%1: its header is one cell, where the other files have %Ln; it looks separated by %2.",
                               nullptr, cells)
                          : tr("%1: its header is one cell, where the other files have several; it looks separated "
                               "by %2."));
        m_observer.note(note.arg(account.name, pluralShown(*account.looksCutAt)));
    }
}

void RunReport::addSheet(SpreadsheetDocument &document, const QList<FileAccount> &accounts, const QString &choose,
                         int cellCharacters)
{
    QString name = tr("Files");
    for (int number = 2; document.hasSheet(name); ++number)
        name = u"%1 (%2)"_s.arg(tr("Files")).arg(number);
    const int position = document.sheetCount();
    document.insertSheet(name, position);
    const std::unique_ptr<SpreadsheetSheet> sheet = document.sheetAt(position);
    // A sheet holds the columns' titles and rows - 1 files; the rest are
    // counted on the last row.
    const qsizetype rowLimit = document.limits().rows;
    const qsizetype listed = accounts.size() + 1 <= rowLimit ? accounts.size() : rowLimit - 2;
    sheet->expectRows(int(std::min<qsizetype>(accounts.size() + 1, rowLimit)));
    RowBlock rows;
    rows.appendRow(AccountWords::reportColumns());
    // Its counts are numbers a SUM adds up; the file's and the sheet's
    // names stay text whatever they look like, and so do the words.
    rows.setTyping({.decimalSign = u'.', .textColumns = 2, .columns = {}});
    for (const FileAccount &account : accounts.first(std::max<qsizetype>(listed, 0))) {
        QStringList row = AccountWords::reportRow(account, choose, QLocale::c());
        // Notes of many kinds on one file may run past what a cell holds.
        QString &notes = row[AccountWords::NotesColumn];
        if (notes.size() > cellCharacters)
            notes = notes.first(cellCharacters - 1) + u'…';
        rows.appendRow(row);
    }
    rows.setTyping({});
    if (listed < accounts.size())
        rows.appendRow({tr("... and %Ln more file(s)", nullptr, pluralCount(accounts.size() - listed))});
    sheet->writeRows(0, std::move(rows));
}

} // namespace quillora
