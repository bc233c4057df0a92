// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "writer/documentwriter.h"
#include "writer/sheetspool.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

namespace quillora::writer {

struct WrittenSheet
{
    QString name;
    // Made with the sheet's first row: a sheet that gets none needs no file.
    std::unique_ptr<SheetSpool> spool;
};

// A document being written: its sheets in their order, and the file their
// rows wait in (made with the first row).
struct Workbook
{
    std::vector<std::shared_ptr<WrittenSheet>> sheets;
    std::shared_ptr<SpoolFile> spool;
};


// What the format writers are given: the sheets in order, and a call made
// every few rows that throws when the writing is to stop.
struct StoreJob
{
    const QString &path;
    const std::vector<std::shared_ptr<WrittenSheet>> &sheets;
    std::function<void()> checkpoint;
    // Told every few rows; with all of them, what is left is finishing the
    // file.
    StoreProgress progress;
};


// Throws Failure naming the file and the system's reason.
[[noreturn]] void cannotWrite(const QString &path, int error);
// Puts the written file on the disk, so that a full disk is found out
// before the file takes the place of another.
void syncFile(const QString &path);

// Bytes of a part of an archive from which on it is written with ZIP64: a
// part of 4 GiB or more cannot be told without it. Lower for tests.
qint64 zip64Threshold();
void setZip64Threshold(qint64 bytes);
// Said of a file that needed ZIP64: it is sound, but not every reader
// takes a part that large.
QString zip64Report();

// Rows between two checkpoints.
inline constexpr qint64 RowsPerCheckpoint = 2048;

// The rows a format writer stores, counted: every RowsPerCheckpoint of them
// the job's checkpoint is passed and its progress told.
class StoredRows
{
public:
    explicit StoredRows(const StoreJob &job);
    void add()
    {
        if (++m_stored % RowsPerCheckpoint == 0)
            tell();
    }
    void allStored();

private:
    void tell();

    const StoreJob &m_job;
    qint64 m_stored = 0;
    qint64 m_total = 0;
};

} // namespace quillora::writer
