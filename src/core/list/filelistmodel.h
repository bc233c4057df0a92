// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/text/encodings.h"

#include <QAbstractListModel>
#include <QHash>
#include <QStringList>

#include <optional>

namespace quillora {

// The ordered file list: one entry per row, its text the full path of a file.
// Entries are neither unique nor checked for existence.
class FileListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    void AddListEntry(const QString &path);
    // Many entries at the end with one insertion, for views that would
    // otherwise lay themselves out once per row.
    void AddListEntries(const QStringList &paths);
    bool IsInList(const QString &path) const;

    int count() const { return static_cast<int>(m_entries.size()); }
    // The path of the entry at 0-based position index.
    QString entryAt(int index) const { return m_entries.at(index); }
    const QStringList &entries() const { return m_entries; }
    void clear();
    // Entry edits at 0-based positions: an inserted entry pushes the ones
    // from there on down, a removed one pulls them up.
    void insertEntry(int index, const QString &path);
    void removeEntry(int index);
    void setEntry(int index, const QString &path);

    // An encoding chosen for one file alone, kept with its entries (by
    // path) until the list is cleared; nullopt: as the options say.
    void setEncodingOf(const QString &path, const std::optional<ChosenEncoding> &encoding);
    std::optional<ChosenEncoding> encodingOf(const QString &path) const;
    // Likewise a separator chosen for one file alone (its lines cut there,
    // whatever the options say); nullopt: as the options say.
    void setSeparatorOf(const QString &path, const std::optional<QString> &separator);
    std::optional<QString> separatorOf(const QString &path) const;
    // Where a file's start was found cut, as a preview says it ("Separated
    // by semicolons, found in its start"), for its tool tip; empty: at none.
    void setSeparatorFound(const QString &path, const QString &sentence);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList m_entries;
    void entryChanged(const QString &path);

    QHash<QString, ChosenEncoding> m_encodings;
    QHash<QString, QString> m_separators;
    QHash<QString, QString> m_separatorsFound;
};

} // namespace quillora
