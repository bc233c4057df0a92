// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace quillora {

// The wheel changes a combo or spin box under root only while it has the
// keyboard's focus; otherwise it scrolls what holds it, as a pointer passing
// over a setting on the way down must not change it. The boxes then take
// focus by a click or Tab, not by the wheel.
void guardWheel(QWidget *root);

} // namespace quillora
