// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/import/importsteps.h"
#include "core/import/officecalls.h"
#include "core/import/sheetwriter.h"
#include "core/import/spreadsheet.h"
#include "core/reading/fileaccount.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <future>
#include <memory>
#include <span>

namespace quillora {

// The new document a run writes into, and its sheets: opened while the files
// are read, a sheet added for each file where the run makes a sheet per
// file (in front of the others, or after the last as listed), the sheets it
// came with removed at the end (never the last), a sheet listing the files
// added last, and the document finished as the front end asks. Used on the
// call thread only, through the run's office calls; released there.
class RunDocument
{
    Q_DECLARE_TR_FUNCTIONS(quillora::RunDocument)

public:
    RunDocument(OfficeCalls &office, std::function<double()> random);
    ~RunDocument();

    // Starts the application, then makes the document, on the call thread;
    // limitsKnown hears what its sheets hold. Finished with the step numbers
    // it reports at (startStep, and startStep + 4 for the document).
    struct Opening
    {
        std::future<void> started;
        std::future<void> opened;
    };
    Opening beginOpening(std::function<void(SheetLimits)> limitsKnown);
    bool finishOpening(int startStep, Opening &opening);

    // Where the sheet writer writes: the document, and the sheet in use.
    SheetWriter::Target target() { return {m_document, m_sheet}; }
    // The document's first sheet takes every file's rows: its name.
    bool takeFirstSheet(int step, QString &name);
    // A sheet for the file at index (from 0), named after it: false when it
    // could not be made (reported).
    bool addFileSheet(const QString &path, int index, bool asListed, std::span<const DefaultSheet> defaults,
                      QString &sheetName);
    int sheetPosition() const { return m_sheetPosition; }
    // The sheets of the last file's rows end before position.
    void sheetsWritten(int position) { m_nextSheetPosition = position; }
    void removeDefaultSheets(std::span<const DefaultSheet> defaults);
    // The sheet listing each file, last; choose as the notes say it.
    void addReportSheet(int step, const QList<FileAccount> &accounts, const QString &choose);
    // As the front end asks (storing it, say); whether that went through.
    bool finish(int step, const std::function<void(SpreadsheetDocument &)> &finish);
    bool isOpen() const { return m_document != nullptr; }
    // Our references go; the document stays open in the application.
    void release();

private:
    void makeRoomForAFileSheet(std::span<const DefaultSheet> defaults);

    OfficeCalls &m_office;
    std::function<double()> m_random;
    std::unique_ptr<SpreadsheetDocument> m_document;
    std::unique_ptr<SpreadsheetSheet> m_sheet;
    QStringList m_originalSheets;
    bool m_applicationStarted = false; // on the call thread
    // Where the sheet being written goes, and the next file's when sheets
    // stand as listed.
    int m_sheetPosition = 0;
    int m_nextSheetPosition = 0;
};

} // namespace quillora
