// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/import/importinterfaces.h"
#include "core/reading/fileaccount.h"
#include "core/text/cellvalue.h"
#include "core/text/linesplitter.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace quillora {

class FileReading;
class GuardedOperation;
class StagingFile;

// What staging a file left out of its rows: cells cut at what a cell holds,
// and cells with text past the last column. Reported with the sheet.
struct StagedCells
{
    qint64 cut = 0;
    qint64 leftOut = 0;
    // Of those left out, the cells of rows past the sheet's last.
    qint64 pastLastRow = 0;
    // Why rows went past the last was reported already (no room for a
    // sheet to continue on).
    bool reported = false;
    StagedCells &operator+=(const StagedCells &other)
    {
        cut += other.cut;
        leftOut += other.leftOut;
        pastLastRow += other.pastLastRow;
        return *this;
    }
};

// What a file gave the staging file: its rows, and its account (its
// header among it).
struct StagedFile
{
    qint64 lines = 0;
    FileAccount account;
    CellTyping typing;
};

// One file's text into the staging file, read as the options say as it
// starts (FileReading) and written piece by piece. A file that fails half
// way leaves nothing behind; one read again in another encoding starts over.
class FileStager
{
    Q_DECLARE_TR_FUNCTIONS(quillora::FileStager)

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
        // Whether to stop reading: the user's Stop, or the front end closing.
        std::function<bool()> stopRequested;
        // Called with the length of each piece staged: the window breathes.
        std::function<void(qsizetype)> handled;
        // Something the user should know of a file read whole.
        std::function<void(const QString &)> note;
        // Text that did not land as it stood, told at a step.
        std::function<void(int, const QString &)> loss;
    };

    FileStager(ImportInputs &inputs, GuardedOperation &guard, Hooks hooks);

    // Stages the file at the end of staging; false when it was not
    // (reported, and why kept in failure()), or when the run stopped.
    // limits: what the document's cells and rows hold.
    bool stage(StagingFile &staging, const QString &path, const Steps &steps, CellLimits limits,
               StagedCells &counts, StagedFile &staged);
    // Why the last file staged was not, where it failed.
    const QString &failure() const { return m_failure; }

private:
    void tellNotes(const FileAccount &account, const Steps &steps);
    // A step of reading the file, whose failure is kept as its account's.
    bool readingStep(int step, const std::function<void()> &action);
    static void write(StagingFile &staging, const QString &path, QStringView text, bool commit = false);

    ImportInputs &m_inputs;
    GuardedOperation &m_guard;
    Hooks m_hooks;
    QString m_failure;
};

} // namespace quillora
