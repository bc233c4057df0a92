// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/import/spreadsheet.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>

namespace quillora {

// The file formats a document can be stored in.
enum class DocumentFormat { Ods, Xlsx, Fods };

namespace writer {

struct Workbook;

// Told while a document is stored how many of its rows are, and once more
// when all are.
using StoreProgress = std::function<void(qint64 stored, qint64 total)>;

// A spreadsheet that is a file, made without any office application: its
// documents take their sheets and rows as Calc's do (the same default sheet,
// names, limits and refusals), keep the rows aside as they come, and are
// written out in the chosen format by store(). Memory holds a block of rows,
// never the document.
class DocumentWriter : public SpreadsheetProvider
{
public:
    explicit DocumentWriter(DocumentFormat format);
    ~DocumentWriter() override;

    void start() override;
    std::unique_ptr<SpreadsheetDocument> newDocument() override;
    // Makes the call under way (writing rows, storing) stop at its next
    // row with SpreadsheetLost; the next start() clears it.
    void abandon() override { m_abandoned = true; }
    QString applicationName() const override;
    int cellCharacters() const override;

    // Writes one of its documents into the file at path, replacing it.
    // Returns one report per sheet that lost something on the way (text
    // the format cannot hold); throws Failure when the file cannot be
    // written, leaving whatever was written of it, or when the document is
    // not one of this writer's. progress, when given, is told every few
    // rows.
    QStringList store(SpreadsheetDocument &document, const QString &path, const StoreProgress &progress = {});

    DocumentFormat format() const { return m_format; }

private:
    DocumentFormat m_format;
    std::atomic<bool> m_abandoned = false;
};

} // namespace writer
} // namespace quillora
