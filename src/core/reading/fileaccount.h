// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/reading/dialect.h"
#include "core/reading/separatorhint.h"
#include "core/text/columnkinds.h"
#include "core/text/linesplitter.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace quillora {

struct Separator;

// How a file's encoding was taken.
enum class EncodingTaken {
    Found,   // by its mark, or told from its bytes
    Chosen,  // as the user chose it
    Guessed, // Windows-1252, for want of anything better
};

// What one reading learnt of a file, as facts: filled as the file is read
// (the import, the preview and the plan alike), completed by the run with
// where its rows landed, and put into words in one place (AccountWords).
struct FileAccount
{
    QString path;
    QString name;      // as notes and reports name it
    int listIndex = 0; // from 0
    qint64 size = 0;   // bytes of its text
    // Packed (a compressed file, a member of an archive): the bytes it takes
    // so; 0 for plain text.
    qint64 packedSize = 0;

    // The encoding as Qt's decoders name it, how it was taken, and what
    // reading in it cost: characters that could not be read (replaced, or
    // kept as control characters where windows-1252 has nothing), bytes that
    // are not UTF-8 read as windows-1252, valid UTF-8 read as another.
    QByteArray encoding;
    EncodingTaken encodingTaken = EncodingTaken::Found;
    qint64 unreadable = 0;
    bool unreadableKeptAsControls = false;
    qint64 strayBytes = 0;
    qint64 utf8ReadOtherwise = 0;

    // How its lines were cut: at split (nullopt: whole lines), quoted fields
    // kept whole or not; cut at its own separator: the dialect found.
    std::optional<QString> split;
    bool quotes = false;
    std::optional<Dialect> dialect;
    // Cut, yet every row after the header is one cell; the separator its
    // start looks cut at, and one it splits far more evenly at.
    bool oneCellEach = false;
    const Separator *looksCutAt = nullptr;
    std::optional<SeparatorHint> hint;
    // The sign its numbers were read with; none: numbers stay text.
    QChar decimalSign;
    // What each of its columns holds, as its cells show it, where cells are
    // typed.
    std::vector<ColumnFinding> columns;

    // Its head: the rows left out at its start (found above its table, or
    // as the options say), and its header's cells.
    qint64 linesSkipped = 0;
    bool skippedToTable = false;
    // The first line skipped that holds text, as the file has it.
    QString firstLineSkipped;
    std::optional<QStringList> header;

    // Its rows, the header's included: counted, or reckoned from a sample.
    qint64 rows = 0;
    bool rowsCounted = true;
    qsizetype widest = 0; // cells of the widest row
    // Cells cut at what a cell holds, and with text past the last column.
    qint64 cutCells = 0;
    qint64 leftOutCells = 0;
    std::optional<qint64> unclosedQuoteLine;
    // The first line whose quotes do not pair, where that made its own
    // separator cut it without quoting.
    std::optional<qint64> unpairedQuoteLine;
    // The file's line each staged row starts on.
    RecordLines lines;

    // Where its rows landed; nullopt where none did.
    struct Landing
    {
        QString sheet;
        qint64 firstRow = 0; // from 1
        QString lastSheet;   // where its rows went on past a full sheet
        qint64 lastRow = 0;
    };
    std::optional<Landing> landed;
    // Why it was not imported (it could not be read, or its text did not
    // fit); empty for a file read whole.
    QString failure;
    // Against the first header on its sheet: the columns it lacks and adds.
    QStringList columnsMissing;
    QStringList columnsAdded;

    // The file's line (from 1) of its data row (from 1).
    qint64 lineOfRow(qint64 row) const { return lines.lineOf(linesSkipped + (header ? 1 : 0) + row - 1); }
};

} // namespace quillora
