// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace quillora {

// The columns of a sheet whose files have headers, and how the headers
// drift from file to file, a line per change: files stacked from a year of
// exports gain a column, lose one, reorder them.
struct HeaderPlan
{
    QStringList columns;   // in order, as first spelt
    QStringList changes;   // "\"region\": from 2024-04.csv on, 9 files"
    QStringList spellings; // "\"Amount\" is spelt \"amount\" in 2 files: ..."
    QList<qsizetype> spellingColumns; // how many columns each of them names
    bool operator==(const HeaderPlan &) const = default;
};

// The headers of a sheet's files, in order: each file's name and the
// columns its header cells went under (indices into the sheet's columns).
struct HeaderOfFile
{
    QString name;
    std::vector<qsizetype> columns;
};

// What changes between the headers: for each set of files that has or
// lacks columns the first file lacks or has, the columns, and where: "from
// F on, N files", "only in N files, up to F", "only in N files: A, B, ...";
// then files whose columns stand in another order.
QStringList headerChanges(const std::vector<HeaderOfFile> &files, const QStringList &columns);

// A few names, then how many more: "a, b, c and 4 more".
QString fewOf(const QStringList &names, qsizetype most);

} // namespace quillora
