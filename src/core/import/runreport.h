// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/import/importinterfaces.h"
#include "core/import/sheetlayout.h"
#include "core/import/sheetwriter.h"
#include "core/reading/fileaccount.h"

#include <QCoreApplication>
#include <QList>
#include <QSet>
#include <QString>

#include <vector>

namespace quillora {

class SpreadsheetDocument;

// What a run learns of its files and tells of them: each file's account,
// completed with where its rows landed once its sheet is written and then
// told to the front end once; and the notes that weigh files against each
// other (headers that drift, a file cut unlike the rest).
class RunReport
{
    Q_DECLARE_TR_FUNCTIONS(quillora::RunReport)

public:
    explicit RunReport(ImportObserver &observer)
        : m_observer(observer)
    {
    }

    // A file read whole, for the sheet being made.
    void add(FileAccount account) { m_accounts.append(std::move(account)); }
    // The sheet of the files added since the last was written (or not, for
    // want of a sheet): where their rows landed, their headers against its
    // first; each told.
    void sheetWritten(const std::vector<SheetWriter::Landing> &landings, const SheetLayout &layout);
    // What differs between the headers of the sheet's files, a note per
    // change rather than one per file; the renames they met.
    void tellHeaderPlan(const SheetLayout &layout);
    // A rename whose old name no header had, told at step.
    void tellRenamesUnmet(const QList<Rename> &renames, int step);
    // Told of each column chosen by a name no sheet's header had.
    void tellColumnChoicesUnmet(const QList<ColumnChoice> &choices, int step);
    // A file cut nowhere among files cut into several cells, whose start
    // looks cut at another separator.
    void tellFilesUnlikeTheRest();
    const QList<FileAccount> &accounts() const { return m_accounts; }

    // A sheet listing each file, last in the document; choose says how to
    // choose an encoding, as the notes say it. Throws on failure.
    static void addSheet(SpreadsheetDocument &document, const QList<FileAccount> &accounts, const QString &choose,
                         int cellCharacters);

private:
    ImportObserver &m_observer;
    QList<FileAccount> m_accounts;
    qsizetype m_told = 0;
    // The renames any sheet's headers met, and whether there were headers.
    QSet<QString> m_renamesMet;
    QList<ColumnChoice> m_choicesMet;
    bool m_headersSeen = false;
};

} // namespace quillora
