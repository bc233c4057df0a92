// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/windowarrangement.h"

#include <QBoxLayout>
#include <QLayoutItem>
#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>

namespace quillora {

WindowArrangement::WindowArrangement(const Parts &parts, int margin, QWidget *parent)
    : QWidget(parent)
    , m_parts(parts)
    , m_margin(margin)
{
    setObjectName(QStringLiteral("Arrangement"));
    for (QWidget *part : std::initializer_list<QWidget *>{m_parts.list, m_parts.preview, m_parts.options, m_parts.start})
        part->setParent(this);
    m_parts.preview->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    arrange(true);
}

int WindowArrangement::wideFrom() const
{
    const int left = std::max(m_parts.list->minimumSizeHint().width(), m_parts.preview->minimumSizeHint().width());
    const int right = std::max(optionsWidth(), m_parts.start->minimumSizeHint().width());
    return 3 * m_margin + left + right;
}

QSize WindowArrangement::sizeHint() const
{
    const int left = m_parts.list->sizeHint().height() + m_margin + m_parts.preview->sizeHint().height();
    const int right = m_parts.options->sizeHint().height() + m_margin + m_parts.start->sizeHint().height();
    const int previewWidth = std::max(m_parts.list->sizeHint().width(), m_parts.preview->sizeHint().width());
    const int width = 3 * m_margin + previewWidth + std::max(optionsWidth(), m_parts.start->sizeHint().width());
    return {std::max(width, wideFrom()), 2 * m_margin + std::max(left, right)};
}

namespace {
// The least size a layout gives the part, by the layout's own rule.
QSize leastOf(QWidget *part)
{
    return QWidgetItem(part).minimumSize();
}
} // namespace

QSize WindowArrangement::minimumSizeHint() const
{
    const std::initializer_list<QWidget *> column{m_parts.list, m_parts.options, m_parts.start};
    int columnWidth = optionsWidth();
    for (QWidget *part : column) {
        if (part != m_parts.options)
            columnWidth = std::max(columnWidth, leastOf(part).width());
    }
    // A part whose height follows its width (buttons one or two to a row)
    // as high as the column's width makes it.
    int columnHeight = 2 * m_margin;
    for (QWidget *part : column) {
        const int least = leastOf(part).height();
        columnHeight += part->hasHeightForWidth() ? std::max(least, part->heightForWidth(columnWidth)) : least;
    }
    const QSize preview = leastOf(m_parts.preview);
    return {3 * m_margin + columnWidth + preview.width(), 2 * m_margin + std::max(columnHeight, preview.height())};
}

int WindowArrangement::optionsWidth() const
{
    return m_parts.options->widget()->sizeHint().width() + m_parts.options->verticalScrollBar()->sizeHint().width();
}

void WindowArrangement::resizeEvent(QResizeEvent *event)
{
    const bool wide = width() >= wideFrom();
    if (wide != m_wide)
        arrange(wide);
    QWidget::resizeEvent(event);
}

// A part that asks for more room (another language, the header plan shown)
// may change the window's least size.
bool WindowArrangement::event(QEvent *event)
{
    if (event->type() == QEvent::LayoutRequest && minimumSize() != minimumSizeHint())
        setMinimumSize(minimumSizeHint());
    return QWidget::event(event);
}

QBoxLayout *WindowArrangement::column(std::initializer_list<std::pair<QWidget *, int>> parts)
{
    auto *column = new QVBoxLayout;
    column->setSpacing(m_margin);
    for (const auto &[part, stretch] : parts)
        column->addWidget(part, stretch);
    return column;
}

void WindowArrangement::arrange(bool wide)
{
    m_wide = wide;
    delete layout();
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(m_margin, m_margin, m_margin, m_margin);
    row->setSpacing(m_margin);
    if (wide) {
        // Height beyond their own shared between the list and the preview.
        row->addLayout(column({{m_parts.list, 0}, {m_parts.preview, 0}}), 1);
        row->addLayout(column({{m_parts.options, 1}, {m_parts.start, 0}}), 0);
    } else {
        row->addLayout(column({{m_parts.list, 0}, {m_parts.options, 0}, {m_parts.start, 0}}), 0);
        row->addWidget(m_parts.preview, 1);
    }
    setMinimumSize(minimumSizeHint());
    row->activate();
    emit arranged();
}

WindowPage::WindowPage(WindowArrangement *arrangement, QWidget *parent)
    : QScrollArea(parent)
{
    setObjectName(QStringLiteral("Page"));
    setFrameShape(QFrame::NoFrame);
    setWidget(arrangement);
}

void WindowPage::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    widget()->resize(maximumViewportSize().expandedTo(widget()->minimumSize()));
}

} // namespace quillora
