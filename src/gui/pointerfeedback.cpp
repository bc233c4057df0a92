// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/pointerfeedback.h"

#include <QMouseEvent>
#include <QWidget>

namespace quillora {

PointerFeedback::PointerFeedback(QWidget *window)
    : QObject(window)
    , m_window(window)
{
}

void PointerFeedback::setValue(int value)
{
    m_value = value;
    switch (value) {
    case Busy:
        m_window->setCursor(Qt::WaitCursor);
        break;
    case Hand:
        m_window->setCursor(m_handPointer.value_or(QCursor(Qt::PointingHandCursor)));
        break;
    default:
        m_window->unsetCursor();
        break;
    }
}

void PointerFeedback::watch(QWidget *widget, Value value, bool container)
{
    m_watched[widget] = {value, container};
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
    connect(widget, &QObject::destroyed, this, [this](QObject *gone) { m_watched.erase(gone); });
}

bool PointerFeedback::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseMove || isBusy())
        return false;
    const auto found = m_watched.find(watched);
    if (found == m_watched.end())
        return false;
    // A move over a child reaches its container too when the child lets it
    // pass; the container's own surface is where no child is.
    const auto *move = static_cast<QMouseEvent *>(event);
    if (found->second.container && static_cast<QWidget *>(watched)->childAt(move->position().toPoint()))
        return false;
    if (m_value != found->second.value)
        setValue(found->second.value);
    return false;
}

} // namespace quillora
