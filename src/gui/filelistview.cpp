// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/filelistview.h"

#include <QPainter>

namespace quillora {

void FileListView::setDesignedSize(QSize size)
{
    m_designed = size;
    setMinimumHeight(size.height());
    updateGeometry();
}

QSize FileListView::sizeHint() const
{
    return m_designed.isValid() ? m_designed : QTreeView::sizeHint();
}

void FileListView::setPlaceholderText(const QString &text)
{
    m_placeholder = text;
    viewport()->update();
}

bool FileListView::showsPlaceholder() const
{
    return !m_placeholder.isEmpty() && (!model() || model()->rowCount() == 0);
}

void FileListView::paintEvent(QPaintEvent *event)
{
    QTreeView::paintEvent(event);
    if (!showsPlaceholder())
        return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::PlaceholderText));
    const int margin = fontMetrics().height() / 2;
    painter.drawText(viewport()->rect().adjusted(margin, margin, -margin, -margin),
                     Qt::AlignCenter | Qt::TextWordWrap, m_placeholder);
}

} // namespace quillora
