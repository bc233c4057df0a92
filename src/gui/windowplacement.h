// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

namespace quillora {

// Room a window manager's title bar and borders take, until the window has
// been shown and its own are known: a tall title bar and thin borders, so
// that a window placed by them (one as wide as a small screen too) never
// ends under the screen's edge.
inline constexpr QMargins AssumedDecorations{2, 38, 2, 2};

// Where a window's frame goes in a screen's free area: never larger than
// the area, nor smaller than least (a window that cannot fit stands at the
// area's top left), and moved wholly inside it.
QRect fittedFrame(const QRect &frame, const QRect &area, const QSize &least);

// A frame of the size wanted in the middle of the area, fitted to it.
QRect centredFrame(const QSize &wanted, const QRect &area, const QSize &least);

// Where a frame of the given size goes beside kept (a document the user is
// looking at): right of it, else left, below or above, whichever covers
// the least of it once fitted to the area.
QRect frameBeside(const QRect &kept, const QSize &size, const QRect &area);

// Shows the window where it was (stored: Qt's saveGeometry(); empty the
// first time), fitted to its screen, or at its designed size in the middle
// of the screen.
void showPlaced(QWidget &window, const QByteArray &stored);

} // namespace quillora
