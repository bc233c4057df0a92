// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/errorreport.h"
#include "core/import/columnchoices.h"
#include "core/import/headerplan.h"
#include "core/reading/fileaccount.h"
#include "core/reading/readoptions.h"

#include <QList>
#include <QString>

#include <optional>
#include <utility>

namespace quillora {

// How the run lays out its sheets: read once, as it starts.
struct SheetOptions
{
    // All files on one sheet, or a sheet per file.
    bool oneSheet = true;
    // The rows past a full sheet go on a new sheet after it.
    bool continueSheets = false;
    // With a sheet per file, the sheets stand in the list's order and are
    // named as their files are.
    bool sheetsAsListed = false;
    // Header names that count as others (old, new) before they are matched.
    QList<std::pair<QString, QString>> renames = {};
    // The kinds chosen for columns, by name (after renames) or number.
    QList<ColumnChoice> columnChoices = {};
    // A sheet listing each file, last in the document.
    bool reportSheet = false;
};

// What the run reads from its front end, each time at the moment of use: the
// user may change the list and the options while it runs.
class ImportInputs
{
public:
    virtual ~ImportInputs() = default;
    virtual int entryCount() const = 0;
    // The path of the entry at 0-based position index; throws when the list
    // has no such entry any more.
    virtual QString entry(int index) const = 0;
    virtual SheetOptions sheetOptions() const = 0;
    // How the file at path is read and cut; asked as each file starts, so a
    // change made during the run acts from the next file on.
    virtual ReadOptions readOptions(const QString &path) const = 0;
    // What a report tells the user to do, in the front end's own words:
    // choose a file's encoding, or let full sheets continue.
    enum class Choice { Encoding, ContinueSheets };
    virtual QString howTo(Choice choice) const = 0;
};

// What the run tells its front end, which shows it in its own way (the
// window's progress bar, the command line's progress line), and how it lets
// the front end breathe. The run ends early in two ways: the front end is
// closing (the window closes, a signal came), or the user asked it to stop.
class ImportObserver
{
public:
    virtual ~ImportObserver() = default;
    // A listed file is about to be read: index from 0, of count.
    virtual void fileStarted(int index, int count, const QString &path) = 0;
    // What a file read whole gave, once, when its sheet was written (or
    // could not be): where its rows landed.
    virtual void fileRead([[maybe_unused]] const FileAccount &account) {}
    // The columns of a sheet whose files have headers, and how the headers
    // drift, once its files were read (told as notes too).
    virtual void headerPlanned([[maybe_unused]] const HeaderPlan &plan) {}
    // Rows of the sheet being written: written so far, of total.
    virtual void rowsWritten(qint64 written, qint64 total) = 0;
    // The run is over and its front end is not closing: at rest again.
    virtual void runEnded() = 0;
    // A message for the user ("Done.", "No files added.").
    virtual void notice(const QString &text) = 0;
    // Something the user should know of a file that was read whole, which
    // is no failure (how its encoding was taken, say).
    virtual void note(const QString &text) = 0;
    // Text that did not land as it stood (cells cut or left out, bytes no
    // character could be read from), told at the run's step: no failure of
    // the program, but the user must know. Reported as a failure unless the
    // front end shows it otherwise.
    virtual void loss(int step, const QString &text)
    {
        errorReporter().ShowApplicationError(Location::StartImporting, step, text);
    }
    // Lets the front end process pending events (repaints, clicks).
    virtual void yield() = 0;
    // The window is closing, or a signal came: the run ends at its next
    // chance, and nothing more is done in the application.
    virtual bool closing() const = 0;
    // The user asked the run to stop (the window's Stop): no new rows are
    // written, those on their way land, and the run ends with a report of
    // where it stopped; the document keeps what it holds.
    virtual bool stopAsked() const = 0;
    virtual ErrorReporter &errorReporter() = 0;
};

struct ImportResult
{
    int filesImported = 0;
    qint64 rowsWritten = 0;
    qint64 cellsLeftOut = 0;
    // Rows past the last row of a sheet that went on no other sheet.
    qint64 rowsLeftOut = 0;
    // The front end was closing.
    bool closing = false;
    // The application was missing, did not answer or went away.
    bool officeLost = false;
    // The document was finished as asked (stored, for instance).
    bool documentFinished = false;
    // The user stopped it.
    bool stopped = false;
};

} // namespace quillora
