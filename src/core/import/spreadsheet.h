// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/failure.h"
#include "core/text/rowblock.h"

#include <QRect>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace quillora {

// The connection to the spreadsheet application died (it was closed or it
// crashed). Every later call on the same document would fail the same way.
class SpreadsheetLost : public Failure
{
public:
    using Failure::Failure;
};

// What a Calc document holds at most, as .ods and .xlsx files do.
inline constexpr int MaxSheets = 10000;
inline constexpr int MaxColumns = 16384;

// What a Calc cell takes from a text import, in UTF-16 units; .ods files
// keep the same.
inline constexpr int CalcCellCharacters = 65535;

struct SheetLimits
{
    int columns = 0;
    int rows = 0;
};

class SpreadsheetSheet
{
public:
    virtual ~SpreadsheetSheet() = default;

    virtual QString name() = 0;
    // One cell, as text: never read as a number or a formula. An empty text
    // leaves the cell empty.
    virtual void setCellText(int column, int row, const QString &text) = 0;
    // A block of rows from column 0, row firstRow on; rows may differ in
    // length. The sheet ends as if every cell had been set on its own; cells
    // past a row's end are left alone.
    virtual void writeRows(int firstRow, RowBlock rows) = 0;
    // The rows from 0 up to rows - 1 are about to be written: the sheet may
    // prepare them as a whole (format them as text once, say).
    virtual void expectRows([[maybe_unused]] int rows) {}
    // How many writeRows calls the sheet takes at the same time, from
    // different threads. With more than one, blocks may land in any order.
    virtual int concurrentWrites() const { return 1; }
};

class SpreadsheetDocument
{
public:
    virtual ~SpreadsheetDocument() = default;

    virtual int sheetCount() = 0;
    virtual QString sheetName(int index) = 0;
    virtual std::unique_ptr<SpreadsheetSheet> sheetAt(int index) = 0;
    // Whether the name is taken, as the application judges names (LibreOffice
    // ignores letter case).
    virtual bool hasSheet(const QString &name) = 0;
    virtual void removeSheet(const QString &name) = 0;
    // Throws when the application refuses the name.
    virtual void insertSheet(const QString &name, int position) = 0;
    virtual SheetLimits limits() = 0;
    // Puts the document's window in front of the desktop with the keyboard
    // in it, for the user who came for it; where that window stands on the
    // screen, where the document has one.
    virtual std::optional<QRect> bringToFront() { return std::nullopt; }
};

// The spreadsheet application: started (or reached) on demand, it opens new
// documents that stay open after the run. It is never ended from here: it
// may be the user's own, with other work in it.
class SpreadsheetProvider
{
public:
    virtual ~SpreadsheetProvider() = default;

    // Starts the application, or reuses the connection while it lives.
    virtual void start() = 0;
    // A new empty document in a window of its own.
    virtual std::unique_ptr<SpreadsheetDocument> newDocument() = 0;
    // Stops waiting for the application, from any thread: the connection
    // ends, so a call that waits for an answer returns at once (throwing
    // SpreadsheetLost). The next start() reaches the application anew.
    virtual void abandon() = 0;
    // The application's name, as reports give it.
    virtual QString applicationName() const = 0;
    // What a cell of its documents holds at most, in UTF-16 units.
    virtual int cellCharacters() const { return CalcCellCharacters; }
};

// Exact, case-sensitive comparison of every sheet's name with the given one.
bool SheetExists(SpreadsheetDocument &document, const QString &name);

} // namespace quillora
