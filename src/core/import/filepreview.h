// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/import/headerplan.h"
#include "core/import/columnchoices.h"
#include "core/import/renames.h"
#include "core/reading/filereading.h"
#include "core/reading/readoptions.h"
#include "core/reading/separatorhint.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace quillora {

// What the start of a file gives, with every option applied: what a user
// wants to see before importing it.
struct FilePreview
{
    QString error; // why the file cannot be read; nothing else is set then
    // What reading its start learnt: its rows counted where the preview
    // read it all, else reckoned from the part read.
    FileAccount account;
    QString lineEnds; // "CR LF", "LF", "CR", "mixed" or "none"
    std::optional<QStringList> header; // the sheet's first row
    QList<QStringList> firstRows;
    // Of each of those rows, the cells stored as numbers or dates.
    QList<QList<qsizetype>> valueCells;
    // What each column of the rows holds, found or chosen (past the end:
    // text as it stands).
    std::vector<ColumnKind> columnKinds;
};

// Reads at most sampleBytes of the file (never a stream, which only an
// import may use up) as the import reads it, with a document's cell limits,
// and gives at most maxRows rows; a file column shows the file's name.
FilePreview previewFile(const QString &path, const ReadOptions &options, qint64 sampleBytes = 64 * 1024,
                        int maxRows = 100, CellLimits limits = {}, const QList<ColumnChoice> &choices = {});

// The columns the headers of the listed files make on one sheet, and how
// they drift, read from the start of each (at most sampleBytes of it) as
// the preview reads a file; streams and files that cannot be read count as
// files without a header. Files are named below the folder that holds
// them all.
// Renames as the run makes them.
HeaderPlan planHeaders(const QStringList &paths, const std::function<ReadOptions(const QString &)> &optionsOf,
                       const QList<Rename> &renames = {}, qint64 sampleBytes = 64 * 1024,
                       const std::function<bool()> &stopRequested = {});

} // namespace quillora
