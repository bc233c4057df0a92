// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/list/naturalorder.h"

#include <QLocale>

namespace quillora {

namespace {
// The C locale compares code points alone: a person's language then.
QLocale collationLocale()
{
    const QLocale locale;
    return locale.language() == QLocale::C ? QLocale(QLocale::English) : locale;
}
} // namespace

NaturalOrder::NaturalOrder()
    : m_collator(collationLocale())
{
    m_collator.setNumericMode(true);
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    m_collator.setIgnorePunctuation(true);
}

} // namespace quillora
