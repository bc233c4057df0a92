// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

namespace quillora {

// The preview's rows, handed to its table whole: a new preview replaces
// them in one reset, so a screen reader's view of the cells is dropped at
// once, not a cell at a time, however wide the file.
class PreviewModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // The columns' titles, the rows, and per row the columns of numbers and
    // dates (shown on the right, as the sheet shows them).
    void setRows(const QStringList &titles, const QList<QStringList> &rows, const QList<QList<qsizetype>> &valueCells);
    void clear() { setRows({}, {}, {}); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QStringList m_titles;
    QList<QStringList> m_rows;
    QList<QList<qsizetype>> m_valueCells;
};

} // namespace quillora
