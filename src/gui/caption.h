// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quillora {

// A caption as it is read out: "C&lear List" is "Clear List", "&&" one "&".
inline QString withoutMnemonic(const QString &caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

} // namespace quillora
