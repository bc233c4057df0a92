// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/import/headerplan.h"

#include <QCoreApplication>

#include <algorithm>
#include <map>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

namespace {
// This file's messages, in one translation context.
struct Message
{
    Q_DECLARE_TR_FUNCTIONS(quillora::HeaderPlan)
};

// Where a set of files (indices in order, none missing from the list) stands
// in the list of all.
QString whereIn(const std::vector<qsizetype> &in, const std::vector<HeaderOfFile> &files)
{
    const qsizetype all = qsizetype(files.size());
    const qsizetype count = qsizetype(in.size());
    const auto nameAt = [&](qsizetype index) { return files[size_t(index)].name; };
    if (count == 1)
        return Message::tr("only in %1").arg(nameAt(in.front()));
    const bool together = in.back() - in.front() + 1 == count;
    if (together && in.back() == all - 1)
        return Message::tr("from %1 on, %Ln file(s)", nullptr, int(count)).arg(nameAt(in.front()));
    if (together && in.front() == 0)
        return Message::tr("only in %Ln file(s), up to %1", nullptr, int(count)).arg(nameAt(in.back()));
    if (together)
        return Message::tr("only in %Ln file(s), %1 to %2", nullptr, int(count))
            .arg(nameAt(in.front()), nameAt(in.back()));
    constexpr qsizetype MostFiles = 3;
    QStringList names;
    if (count * 2 <= all) {
        for (const qsizetype index : in)
            names.append(nameAt(index));
        return Message::tr("only in %Ln file(s): %1", nullptr, int(count)).arg(fewOf(names, MostFiles));
    }
    for (qsizetype index = 0; index < all; ++index) {
        if (!std::binary_search(in.begin(), in.end(), index))
            names.append(nameAt(index));
    }
    return Message::tr("missing from %Ln file(s): %1", nullptr, int(names.size()))
        .arg(fewOf(names, MostFiles));
}
} // namespace

QString fewOf(const QStringList &names, qsizetype most)
{
    if (names.size() <= most)
        return names.join(u", "_s);
    return Message::tr("%1 and %Ln more", nullptr, int(names.size() - most))
        .arg(names.first(most).join(u", "_s));
}

QStringList headerChanges(const std::vector<HeaderOfFile> &files, const QStringList &columns)
{
    // The files each column is in; columns in the same files are one change.
    std::vector<std::vector<qsizetype>> filesOf(size_t(columns.size()));
    // A file's columns stand in another order where those of the first
    // file's header do: the first file's columns come first, in its order.
    const qsizetype firstColumns = files.empty() ? 0 : qsizetype(files.front().columns.size());
    std::vector<qsizetype> reordered;
    for (size_t f = 0; f < files.size(); ++f) {
        qsizetype last = -1;
        bool inOrder = true;
        for (const qsizetype column : files[f].columns) {
            auto &in = filesOf[size_t(column)];
            if (in.empty() || in.back() != qsizetype(f))
                in.push_back(qsizetype(f));
            if (column < firstColumns) {
                inOrder = inOrder && column > last;
                last = column;
            }
        }
        if (!inOrder)
            reordered.push_back(qsizetype(f));
    }
    std::map<std::vector<qsizetype>, QStringList> columnsIn;
    std::vector<std::vector<qsizetype>> order;
    for (qsizetype column = 0; column < columns.size(); ++column) {
        const auto &in = filesOf[size_t(column)];
        if (in.size() == files.size())
            continue;
        auto &named = columnsIn[in];
        if (named.isEmpty())
            order.push_back(in);
        named.append(Message::tr("\"%1\"").arg(columns[column]));
    }
    constexpr qsizetype MostColumns = 4;
    QStringList changes;
    for (const auto &in : order)
        //: %1 the columns, %2 where they are ("only in 2024-03.csv")
        changes.append(Message::tr("%1: %2").arg(fewOf(columnsIn[in], MostColumns), whereIn(in, files)));
    if (!reordered.empty())
        changes.append(Message::tr("columns in another order: %1").arg(whereIn(reordered, files)));
    return changes;
}

} // namespace quillora
