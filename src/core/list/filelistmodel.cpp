// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/list/filelistmodel.h"

using namespace Qt::Literals::StringLiterals;

namespace quillora {

void FileListModel::AddListEntry(const QString &path)
{
    const int row = count();
    beginInsertRows({}, row, row);
    m_entries.append(path);
    endInsertRows();
}

void FileListModel::AddListEntries(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    const int row = count();
    beginInsertRows({}, row, row + static_cast<int>(paths.size()) - 1);
    m_entries.append(paths);
    endInsertRows();
}

bool FileListModel::IsInList(const QString &path) const
{
    return m_entries.contains(path, Qt::CaseSensitive);
}

void FileListModel::clear()
{
    beginResetModel();
    m_entries.clear();
    m_encodings.clear();
    endResetModel();
}

void FileListModel::insertEntry(int index, const QString &path)
{
    beginInsertRows({}, index, index);
    m_entries.insert(index, path);
    endInsertRows();
}

void FileListModel::removeEntry(int index)
{
    beginRemoveRows({}, index, index);
    m_entries.removeAt(index);
    endRemoveRows();
}

void FileListModel::setEntry(int index, const QString &path)
{
    m_entries[index] = path;
    const QModelIndex changed = this->index(index);
    emit dataChanged(changed, changed);
}

int FileListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant FileListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    const QString &path = m_entries.at(index.row());
    const auto own = m_encodings.constFind(path);
    // An entry with an encoding of its own says so.
    if (own != m_encodings.cend() && role == Qt::ToolTipRole)
        return u"%1\nRead as %2, chosen for this file"_s.arg(path, QString::fromLatin1(own->name));
    if (own != m_encodings.cend() && role == Qt::DisplayRole)
        return u"%1  [%2]"_s.arg(path, QString::fromLatin1(own->name));
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole || role == Qt::EditRole)
        return path;
    return {};
}

void FileListModel::setEncodingOf(const QString &path, const std::optional<ChosenEncoding> &encoding)
{
    if (encoding)
        m_encodings.insert(path, *encoding);
    else
        m_encodings.remove(path);
    for (int row = 0; row < count(); ++row) {
        if (m_entries.at(row) == path)
            emit dataChanged(index(row), index(row));
    }
}

std::optional<ChosenEncoding> FileListModel::encodingOf(const QString &path) const
{
    const auto own = m_encodings.constFind(path);
    return own == m_encodings.cend() ? std::nullopt : std::optional<ChosenEncoding>(*own);
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return u"Text File(s)"_s;
    return {};
}

} // namespace quillora
