// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/wheelguard.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QWidget>

namespace quillora {

namespace {
class WheelGuard : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Wheel || static_cast<QWidget *>(watched)->hasFocus())
            return false;
        // Ignored, the wheel goes on to the parents: the scrolled area.
        event->ignore();
        return true;
    }
};
} // namespace

void guardWheel(QWidget *root)
{
    auto *guard = new WheelGuard(root);
    QList<QWidget *> boxes;
    for (QComboBox *box : root->findChildren<QComboBox *>())
        boxes << box;
    for (QAbstractSpinBox *box : root->findChildren<QAbstractSpinBox *>())
        boxes << box;
    for (QWidget *box : std::as_const(boxes)) {
        box->setFocusPolicy(Qt::StrongFocus);
        box->installEventFilter(guard);
    }
}

} // namespace quillora
