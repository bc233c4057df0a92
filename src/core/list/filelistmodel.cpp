// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/list/filelistmodel.h"

#include "core/text/packedtext.h"
#include "core/text/separators.h"

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
    m_separators.clear();
    m_separatorsFound.clear();
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

namespace {
// How the list shows a separator: a tab by name.
QString separatorShown(const QString &separator)
{
    if (const Separator *named = separatorOfText(separator); named && separator.trimmed().isEmpty())
        return titleShown(*named);
    return separator;
}
} // namespace

QVariant FileListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    const QString &path = m_entries.at(index.row());
    if (role == Qt::EditRole)
        return path;
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    // An entry with an encoding or a separator of its own says so.
    const auto encoding = m_encodings.constFind(path);
    const auto separator = m_separators.constFind(path);
    if (role == Qt::DisplayRole) {
        // A member of an archive as "2024.zip › jan.csv".
        QString shown = packedPathShown(path);
        if (encoding != m_encodings.cend())
            shown += u"  [%1]"_s.arg(QString::fromLatin1(encoding->name));
        if (separator != m_separators.cend())
            shown += u"  [%1]"_s.arg(separatorShown(*separator));
        return shown;
    }
    QStringList tip{packedPathShown(path)};
    if (encoding != m_encodings.cend())
        tip.append(tr("Read as %1, chosen for this file").arg(QString::fromLatin1(encoding->name)));
    if (separator != m_separators.cend())
        tip.append(tr("Cut at \"%1\", chosen for this file").arg(separatorShown(*separator)));
    else if (const auto found = m_separatorsFound.constFind(path); found != m_separatorsFound.cend())
        tip.append(found->isEmpty() ? tr("No separator of its own found: whole lines") : *found);
    return tip.join(u'\n');
}

void FileListModel::entryChanged(const QString &path)
{
    for (int row = 0; row < count(); ++row) {
        if (m_entries.at(row) == path)
            emit dataChanged(index(row), index(row));
    }
}

namespace {
// What the list keeps for one file: set, or taken back with nullopt.
template <typename T>
void keepOwn(QHash<QString, T> &kept, const QString &path, const std::optional<T> &value)
{
    if (value)
        kept.insert(path, *value);
    else
        kept.remove(path);
}

template <typename T>
std::optional<T> ownOf(const QHash<QString, T> &kept, const QString &path)
{
    const auto own = kept.constFind(path);
    return own == kept.cend() ? std::nullopt : std::optional<T>(*own);
}
} // namespace

void FileListModel::setEncodingOf(const QString &path, const std::optional<ChosenEncoding> &encoding)
{
    keepOwn(m_encodings, path, encoding);
    entryChanged(path);
}

std::optional<ChosenEncoding> FileListModel::encodingOf(const QString &path) const
{
    return ownOf(m_encodings, path);
}

void FileListModel::setSeparatorOf(const QString &path, const std::optional<QString> &separator)
{
    keepOwn(m_separators, path, separator);
    entryChanged(path);
}

std::optional<QString> FileListModel::separatorOf(const QString &path) const
{
    return ownOf(m_separators, path);
}

void FileListModel::setSeparatorFound(const QString &path, const QString &sentence)
{
    if (m_separatorsFound.value(path, u"-"_s) == sentence)
        return;
    m_separatorsFound.insert(path, sentence);
    entryChanged(path);
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return tr("Text File(s)");
    return {};
}

} // namespace quillora
