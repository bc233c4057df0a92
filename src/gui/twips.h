// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

namespace quillora {

// The window's layout is given in twips, at 15 twips per pixel.
constexpr int fromTwips(int twips)
{
    return (twips + 7) / 15;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(fromTwips(left), fromTwips(top), fromTwips(width), fromTwips(height));
}

} // namespace quillora
