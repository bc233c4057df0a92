// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>
#include <com/sun/star/table/CellContentType.hpp>

#include <QList>
#include <QString>
#include <QStringList>

namespace quillora::lo {
class OfficeSession;
}

namespace quillora::test {

// Reads a Calc document back through UNO, for comparing it with what was meant.
QStringList calcSheetNames(const css::uno::Reference<css::sheet::XSpreadsheetDocument> &document);
// Every row of the sheet's used area, each without its trailing empty cells,
// and without trailing empty rows: the form MemorySpreadsheet::rowsOf gives.
QList<QStringList> calcRows(const css::uno::Reference<css::sheet::XSpreadsheetDocument> &document,
                            const QString &sheet);
struct CalcCell
{
    css::table::CellContentType type;
    QString text; // as the cell shows it
    double value = 0;
};
CalcCell calcCell(const css::uno::Reference<css::sheet::XSpreadsheetDocument> &document, const QString &sheet,
                  int column, int row);

// Every cell of the sheet's used area as a reader of the document finds
// it: "" empty, "text:…", "number:shown=value", "date:shown=value", or
// "error:…"; rows without their trailing empty cells, without trailing
// empty rows.
QList<QStringList> calcCellStates(const css::uno::Reference<css::sheet::XSpreadsheetDocument> &document,
                                  const QString &sheet);
// The columns of the used area that hold a number or a date and are too
// narrow to show them by Calc's own optimal width (they show "###"),
// each with its width and the optimal one. Leaves the columns at their
// optimal width, and their text cells empty: only numbers are measured.
QStringList calcNarrowNumberColumns(const css::uno::Reference<css::sheet::XSpreadsheetDocument> &document,
                                   const QString &sheet);
// The spreadsheet documents open in the session, in its order.
QList<css::uno::Reference<css::sheet::XSpreadsheetDocument>> calcDocuments(quillora::lo::OfficeSession &session);

// Whether the document keeps what it needs to undo edits and fits its rows
// heights, as a new document does.
bool calcEditsAsUsual(const css::uno::Reference<css::sheet::XSpreadsheetDocument> &document);
// Whether the document's window is the one in front, with the keyboard.
bool calcInFront(const css::uno::Reference<css::sheet::XSpreadsheetDocument> &document);

// What a formula (in Calc's English notation) gives on the sheet, put in a
// cell far from its data.
double calcFormulaValue(const css::uno::Reference<css::sheet::XSpreadsheetDocument> &document,
                        const QString &sheet, const QString &formula);
// Opens a stored spreadsheet file without a window, and closes it again.
css::uno::Reference<css::sheet::XSpreadsheetDocument> openCalcFile(quillora::lo::OfficeSession &session,
                                                                   const QString &path);
void closeCalcFile(const css::uno::Reference<css::sheet::XSpreadsheetDocument> &document);

// Ends the LibreOffice the tests started (with its own profile) and waits
// until its processes are gone; the product itself never closes LibreOffice.
void stopOffice(quillora::lo::OfficeSession &session);
// Kills the LibreOffice that accepts on the session's pipe, as a crash would.
void killOffice(quillora::lo::OfficeSession &session);
void killOfficeOnPipe(const QString &pipeName);
// Sends a signal (STOP, CONT) to the LibreOffice on the session's pipe.
void signalOffice(quillora::lo::OfficeSession &session, const QString &signal);
bool officeRuns(quillora::lo::OfficeSession &session);

} // namespace quillora::test
