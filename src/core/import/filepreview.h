// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/list/paths.h"
#include "core/text/encodings.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace quillora {

// The options a file is read and cut with, as the import would.
struct ReadOptions
{
    std::optional<QString> split;
    bool quotes = false;
    std::optional<ChosenEncoding> encoding;
    qint64 linesToSkip = 0;
    bool header = false;
    FileColumn fileColumn = FileColumn::None;
    // What the file column shows of the file.
    QString shownName;
};

// A separator the lines split far more evenly at than at the chosen one.
struct SeparatorHint
{
    QString separator; // ";"
    QString name;      // "semicolons"
};

// What the start of a file gives, with every option applied: what a user
// wants to see before importing it.
struct FilePreview
{
    QString error; // why the file cannot be read; nothing else is set then
    QByteArray encoding;
    bool encodingChosen = false;
    QString lineEnds; // "CR LF", "LF", "CR", "mixed" or "none"
    qint64 size = 0;
    // The rows the whole file gives: counted where the preview read it all,
    // else reckoned from the part read.
    qint64 rows = 0;
    bool rowsCounted = false;
    qsizetype widest = 0; // cells of the widest row read
    std::optional<QStringList> header; // the sheet's first row
    QList<QStringList> firstRows;
    std::optional<SeparatorHint> hint;
};

// Reads at most sampleBytes of the file (never a stream, which only an
// import may use up) and gives at most maxRows rows.
FilePreview previewFile(const QString &path, const ReadOptions &options, qint64 sampleBytes = 64 * 1024,
                        int maxRows = 100);

// Where the lines of text split far more evenly than at the chosen
// separator (nullopt: lines stay whole): comma, semicolon, tab, pipe or
// space; nullopt when the chosen one does as well.
std::optional<SeparatorHint> separatorHint(QStringView text, const std::optional<QString> &chosen, bool quotes);

} // namespace quillora
