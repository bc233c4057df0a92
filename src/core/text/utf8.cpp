// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/utf8.h"

namespace quillora {

qsizetype validUtf8Sequence(QByteArrayView bytes, qsizetype i)
{
    const uchar lead = uchar(bytes[i]);
    const qsizetype length = lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
    if (length == 0 || i + length > bytes.size())
        return 0;
    for (qsizetype k = 1; k < length; ++k) {
        if ((uchar(bytes[i + k]) & 0xC0) != 0x80)
            return 0;
    }
    const uchar second = uchar(bytes[i + 1]);
    // No overlong forms, no surrogates, nothing past U+10FFFF.
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) || (lead == 0xF0 && second < 0x90)
        || (lead == 0xF4 && second > 0x8F))
        return 0;
    return length;
}

bool Utf8Validator::feed(QByteArrayView bytes)
{
    for (const char ch : bytes) {
        if (!m_valid)
            return false;
        const auto b = static_cast<uchar>(ch);
        if (m_pending > 0) {
            if (b < m_lowest || b > m_highest) {
                m_valid = false;
                return false;
            }
            --m_pending;
            m_lowest = 0x80;
            m_highest = 0xBF;
            continue;
        }
        if (b < 0x80)
            continue;
        // Lead bytes, with the bounds of the first continuation byte that
        // rule out overlong forms, surrogates and code points past U+10FFFF.
        if (b >= 0xC2 && b <= 0xDF) {
            m_pending = 1;
        } else if (b == 0xE0) {
            m_pending = 2;
            m_lowest = 0xA0;
        } else if ((b >= 0xE1 && b <= 0xEC) || b == 0xEE || b == 0xEF) {
            m_pending = 2;
        } else if (b == 0xED) {
            m_pending = 2;
            m_highest = 0x9F;
        } else if (b == 0xF0) {
            m_pending = 3;
            m_lowest = 0x90;
        } else if (b >= 0xF1 && b <= 0xF3) {
            m_pending = 3;
        } else if (b == 0xF4) {
            m_pending = 3;
            m_highest = 0x8F;
        } else {
            m_valid = false;
        }
    }
    return m_valid;
}

} // namespace quillora
