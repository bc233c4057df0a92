// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace quillora::test {

// A spreadsheet file read back at the XML level, without the program's own
// code: .ods, .fods and .xlsx. Rows take the form MemorySpreadsheet::rowsOf
// gives (no trailing empty cells or rows).
struct ReadDocument
{
    QStringList sheetNames;
    QMap<QString, QList<QStringList>> rows;
    // Whether every written cell was a string cell.
    bool onlyText = true;
    QString error; // set when the file could not be read
};
ReadDocument readDocument(const QString &path);

// A data row for each file format, in the column "suffix": ods, xlsx, fods.
void addSuffixRows();

// One entry of a zip archive, and the names of its entries in their order.
QByteArray zipEntry(const QString &path, const QString &name);
QStringList zipEntries(const QString &path);
// Whether the entry's local header carries ZIP64 sizes.
bool zipEntryIsZip64(const QString &path, const QString &name);

} // namespace quillora::test
