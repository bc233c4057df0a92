// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/import/importinterfaces.h"
#include "core/import/spreadsheet.h"

#include <QList>
#include <QString>

#include <optional>

namespace quillora {

// What an import would do, found by doing it: the run itself, into a
// document that keeps only its sheets' names and row counts. Each file is
// read once; nothing is started and nothing written.
struct ImportPlan
{
    struct Sheet
    {
        QString name;
        qint64 rows = 0;
    };
    QList<FileAccount> files;
    QList<Sheet> sheets;
    // With headers on one sheet: its columns, and how the headers drift.
    std::optional<HeaderPlan> header;
    ImportResult result;
};

// What the document the plan stands for holds: a cell, and a sheet.
struct DocumentLimits
{
    int cellCharacters = CalcCellCharacters;
    SheetLimits sheet{MaxColumns, 1048576};
};

// The plan of an import by inputs into such a document: the observer hears
// what the run would tell (notes, reports), but for its "Done.".
ImportPlan planImport(ImportInputs &inputs, ImportObserver &observer, const DocumentLimits &limits = {});

} // namespace quillora
