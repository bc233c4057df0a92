// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/windowplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <array>
#include <limits>

namespace quillora {

namespace {
int fittedStart(int start, int length, int areaStart, int areaLength)
{
    return std::clamp(start, areaStart, std::max(areaStart, areaStart + areaLength - length));
}
} // namespace

QRect fittedFrame(const QRect &frame, const QRect &area, const QSize &least)
{
    const QSize size = frame.size().boundedTo(area.size()).expandedTo(least);
    return {QPoint(fittedStart(frame.x(), size.width(), area.x(), area.width()),
                   fittedStart(frame.y(), size.height(), area.y(), area.height())),
            size};
}

QRect centredFrame(const QSize &wanted, const QRect &area, const QSize &least)
{
    QRect frame(QPoint(0, 0), wanted.boundedTo(area.size()).expandedTo(least));
    frame.moveCenter(area.center());
    return fittedFrame(frame, area, least);
}

QRect frameBeside(const QRect &kept, const QSize &size, const QRect &area)
{
    const QSize fitted = size.boundedTo(area.size());
    const std::array<QPoint, 4> corners{QPoint(kept.right() + 1, kept.top()),
                                        QPoint(kept.left() - fitted.width(), kept.top()),
                                        QPoint(kept.left(), kept.bottom() + 1),
                                        QPoint(kept.left(), kept.top() - fitted.height())};
    QRect best;
    qint64 leastCovered = std::numeric_limits<qint64>::max();
    for (const QPoint &corner : corners) {
        const QRect frame = fittedFrame(QRect(corner, fitted), area, fitted);
        const QRect covered = frame.intersected(kept);
        const qint64 coveredArea = covered.isEmpty() ? 0 : qint64(covered.width()) * covered.height();
        if (coveredArea < leastCovered) {
            best = frame;
            leastCovered = coveredArea;
        }
    }
    return best;
}

namespace {
// The window manager's own once the window has been shown; until then, a
// tall title bar.
QMargins decorationsOf(const QWidget &window)
{
    const QRect inside = window.geometry();
    const QRect frame = window.frameGeometry();
    const QMargins known(inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
                         frame.bottom() - inside.bottom());
    return known.isNull() ? AssumedDecorations : known;
}
} // namespace

void showPlaced(QWidget &window, const QByteArray &stored)
{
    const bool restored = !stored.isEmpty() && window.restoreGeometry(stored);
    const QScreen *screen = QGuiApplication::screenAt(window.geometry().center());
    if (!screen)
        screen = window.screen();
    if (screen && !window.isMaximized() && !window.isFullScreen()) {
        const QRect area = screen->availableGeometry();
        const QMargins frame = decorationsOf(window);
        const QSize least = window.minimumSizeHint().grownBy(frame);
        const QRect placed = restored ? fittedFrame(window.geometry().marginsAdded(frame), area, least)
                                      : centredFrame(window.sizeHint().grownBy(frame), area, least);
        // Placed by its inside, as Qt restored it, so that the frame comes
        // back to where it was, whatever the window manager's borders.
        window.setGeometry(placed.marginsRemoved(frame));
    }
    window.show();
}

} // namespace quillora
