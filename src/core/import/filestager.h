// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/text/linesplitter.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace quillora {

class GuardedOperation;
class ImportInputs;
class StagingFile;
class TextReader;

// What staging a file left out of its rows: cells cut at what a cell holds,
// and cells with text past the last column. Reported with the sheet.
struct StagedCells
{
    qint64 cut = 0;
    qint64 leftOut = 0;
    // Of those left out, the cells of rows past the sheet's last.
    qint64 pastLastRow = 0;
    StagedCells &operator+=(const StagedCells &other)
    {
        cut += other.cut;
        leftOut += other.leftOut;
        pastLastRow += other.pastLastRow;
        return *this;
    }
};

// What a file gave the staging file: its rows, and its header.
struct StagedFile
{
    qint64 lines = 0;
    std::optional<QStringList> header;
    QByteArray encoding; // as Qt's decoders name it
};

// One file's text into the staging file: read in pieces, decoded, cut into
// cells as the options say at that moment (they may change during the run),
// its head (lines to skip, a header) taken out, and written. A file that
// fails half way leaves nothing behind.
class FileStager
{
public:
    // The step numbers staging reports with.
    struct Steps
    {
        int read = 0;
        int pieces = 0;
        int splitTest = 0;
        int write = 0;
    };
    struct Hooks
    {
        std::function<bool()> stopped;
        // Called with the length of each piece staged: the window breathes.
        std::function<void(qsizetype)> handled;
        // Something the user should know of a file read whole.
        std::function<void(const QString &)> note;
    };

    FileStager(ImportInputs &inputs, GuardedOperation &guard, Hooks hooks);

    // Stages the file at the end of staging; false when it was not
    // (reported), or when the run stopped. cellCharacters is what a cell of
    // the document holds.
    bool stage(StagingFile &staging, const QString &path, const Steps &steps, qsizetype cellCharacters,
               StagedCells &counts, StagedFile &staged);

private:
    void reportEncoding(const TextReader &reader, const QString &path, int step);
    static void write(StagingFile &staging, const QString &path, QStringView text, bool commit = false);

    ImportInputs &m_inputs;
    GuardedOperation &m_guard;
    Hooks m_hooks;
};

} // namespace quillora
