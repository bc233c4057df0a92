// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/windowplacement.h"

#include <algorithm>

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

} // namespace quillora
