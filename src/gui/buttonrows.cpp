// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/buttonrows.h"

#include <QWidget>

namespace quillora {

ButtonRows::ButtonRows(int spacing, int rowSpacing)
    : m_rowSpacing(rowSpacing)
{
    setContentsMargins(0, 0, 0, 0);
    setSpacing(spacing);
}

ButtonRows::~ButtonRows()
{
    qDeleteAll(m_items);
}

void ButtonRows::addItem(QLayoutItem *item)
{
    m_items.append(item);
}

QLayoutItem *ButtonRows::itemAt(int index) const
{
    return m_items.value(index);
}

QLayoutItem *ButtonRows::takeAt(int index)
{
    return index >= 0 && index < m_items.size() ? m_items.takeAt(index) : nullptr;
}

QSize ButtonRows::cell() const
{
    QSize size;
    for (const QLayoutItem *item : m_items)
        size = size.expandedTo(item->sizeHint());
    return size;
}

int ButtonRows::columnsFor(int width) const
{
    return width >= 2 * cell().width() + spacing() ? 2 : 1;
}

int ButtonRows::heightIn(int columns) const
{
    const int rows = int((m_items.size() + columns - 1) / columns);
    return rows <= 0 ? 0 : rows * cell().height() + (rows - 1) * m_rowSpacing;
}

QSize ButtonRows::sizeHint() const
{
    return {2 * cell().width() + spacing(), heightIn(2)};
}

QSize ButtonRows::minimumSize() const
{
    return {cell().width(), heightIn(2)};
}

int ButtonRows::heightForWidth(int width) const
{
    return heightIn(columnsFor(width));
}

void ButtonRows::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    const int columns = columnsFor(rect.width());
    const int width = (rect.width() - (columns - 1) * spacing()) / columns;
    const int height = cell().height();
    for (int index = 0; index < m_items.size(); ++index) {
        const int row = index / columns;
        const int column = index % columns;
        // The last column takes the pixel a division leaves.
        const int left = rect.x() + column * (width + spacing());
        const int right = column == columns - 1 ? rect.right() : left + width - 1;
        const int top = rect.y() + row * (height + m_rowSpacing);
        m_items[index]->setGeometry(QRect(QPoint(left, top), QPoint(right, top + height - 1)));
    }
}

} // namespace quillora
