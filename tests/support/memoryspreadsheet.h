// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/import/spreadsheet.h"

#include <QList>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <map>
#include <optional>

namespace quillora::test {

// An in-memory spreadsheet application that behaves as LibreOffice does where
// the import run relies on it: a new document with "Sheet1", sheet names
// unique without regard to case, refused names, the last sheet never removed,
// a fixed sheet size. It records every document it makes.
class MemorySpreadsheet : public SpreadsheetProvider
{
public:
    struct Sheet
    {
        QString name;
        std::map<std::pair<int, int>, QString> cells; // (row, column) -> text
        // The cells stored as numbers or dates, by their place.
        std::map<std::pair<int, int>, CellValue> values;
        int writeCalls = 0;
        // Rows given in blocks, empty ones included.
        qint64 rowsWritten = 0;
        int cellCalls = 0;
    };
    struct Document
    {
        QList<std::shared_ptr<Sheet>> sheets;
    };

    QStringList newSheetNames{QStringLiteral("Sheet1")};
    SheetLimits limits{1024, 1048576};
    // Called before each operation with its name; throw from it to make the
    // operation fail (SpreadsheetLost to mimic a crash).
    std::function<void(const QString &operation)> beforeCall;
    // How many blocks a sheet takes at once (from different threads).
    int concurrentWrites = 1;

    int starts = 0;
    QList<std::shared_ptr<Document>> documents;

    void start() override;
    std::unique_ptr<SpreadsheetDocument> newDocument() override;
    void abandon() override;
    QString applicationName() const override { return QStringLiteral("MemorySpreadsheet"); }

    // For beforeCall: a call that never answers until the run gives up on
    // the application; then it fails as a lost connection does.
    void hangUntilAbandoned() const;
    int abandons() const;

    // Test helpers over the last document.
    std::shared_ptr<Document> lastDocument() const { return documents.isEmpty() ? nullptr : documents.last(); }
    QStringList sheetNames() const;
    std::shared_ptr<Sheet> sheet(const QString &name) const;
    // The rows of a sheet as lists of cell texts; an empty cell reads "".
    static QList<QStringList> rowsOf(const Sheet &sheet);

    void call(const QString &operation) const
    {
        if (beforeCall)
            beforeCall(operation);
    }

private:
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_abandonedChanged;
    int m_abandons = 0;
};

} // namespace quillora::test
