// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QObject>

#include <map>
#include <optional>

class QWidget;

namespace quillora {

// The main window's pointer value: the ordinary pointer, the busy pointer of
// a folder scan, or the hand over a push button. Moving over a watched
// surface sets the value that surface stands for, except while busy: then
// the hourglass stays wherever the mouse goes, and the list's editing
// operations do nothing.
class PointerFeedback : public QObject
{
    Q_OBJECT

public:
    enum Value { Default = 0, Busy = 11, Hand = 99 };

    explicit PointerFeedback(QWidget *window);

    void setHandPointer(std::optional<QCursor> pointer) { m_handPointer = std::move(pointer); }
    int value() const { return m_value; }
    bool isBusy() const { return m_value == Busy; }
    void setValue(int value);

    // Moving over the widget sets the value; over a container, only over its
    // own surface, not over its children.
    void watch(QWidget *widget, Value value, bool container = false);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Watched
    {
        Value value;
        bool container;
    };

    QWidget *m_window;
    std::optional<QCursor> m_handPointer;
    int m_value = Default;
    std::map<QObject *, Watched> m_watched;
};

} // namespace quillora
