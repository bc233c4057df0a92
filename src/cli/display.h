// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether there is a screen, asked of the display's own socket: the window
// and LibreOffice would otherwise wait for one nobody can see.
namespace quillora {

// Whether there is a screen to show a window on: a display for the chosen
// (or the default) window system, or a Qt platform that draws without one.
bool windowCanOpen();
// Whether LibreOffice can show a document: a display to open it on.
bool documentCanBeShown();

} // namespace quillora
