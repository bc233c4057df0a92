// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/previewmodel.h"

namespace quillora {

void PreviewModel::setRows(const QStringList &titles, const QList<QStringList> &rows,
                           const QList<QList<qsizetype>> &valueCells)
{
    beginResetModel();
    m_titles = titles;
    m_rows = rows;
    m_valueCells = valueCells;
    endResetModel();
}

int PreviewModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int PreviewModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_titles.size());
}

QVariant PreviewModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const QStringList &row = m_rows[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return index.column() < row.size() ? QVariant(row[index.column()]) : QVariant();
    case Qt::TextAlignmentRole:
        if (m_valueCells.value(index.row()).contains(index.column()))
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant PreviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_titles.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace quillora
