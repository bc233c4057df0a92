// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/textprogressbar.h"

namespace quillora {

void TextProgressBar::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    update();
}

} // namespace quillora
