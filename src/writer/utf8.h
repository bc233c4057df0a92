// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

namespace quillora::writer {

// Whether the UTF-8 at text[i] is U+FFFE or U+FFFF.
inline bool isNonCharacterAt(QByteArrayView text, qsizetype i)
{
    return uchar(text[i]) == 0xEF && i + 2 < text.size() && uchar(text[i + 1]) == 0xBF
        && (uchar(text[i + 2]) & 0xFE) == 0xBE;
}

// Whether XML 1.0 can carry the character: not the control characters other
// than tab, line feed and carriage return, nor U+FFFE and U+FFFF.
constexpr bool isXmlCharacter(char16_t c)
{
    return c >= 0x20 ? c < 0xFFFE : (c == u'\t' || c == u'\n' || c == u'\r');
}

// The UTF-8 of one character, given as its code point: its length.
inline int encodeUtf8(char32_t c, char *out)
{
    if (c < 0x80) {
        out[0] = char(c);
        return 1;
    }
    if (c < 0x800) {
        out[0] = char(0xC0 | (c >> 6));
        out[1] = char(0x80 | (c & 0x3F));
        return 2;
    }
    if (c < 0x10000) {
        out[0] = char(0xE0 | (c >> 12));
        out[1] = char(0x80 | ((c >> 6) & 0x3F));
        out[2] = char(0x80 | (c & 0x3F));
        return 3;
    }
    out[0] = char(0xF0 | (c >> 18));
    out[1] = char(0x80 | ((c >> 12) & 0x3F));
    out[2] = char(0x80 | ((c >> 6) & 0x3F));
    out[3] = char(0x80 | (c & 0x3F));
    return 4;
}

inline void appendUtf8(QByteArray &out, char32_t c)
{
    char bytes[4];
    out.append(bytes, encodeUtf8(c, bytes));
}

// The code point at text[i], a surrogate pair taken whole (i then stands on
// its second half); an unpaired surrogate is U+FFFD.
inline char32_t codePointAt(QStringView text, qsizetype &i)
{
    const char16_t c = text[i].unicode();
    if (c < 0xD800 || c > 0xDFFF)
        return c;
    if (c <= 0xDBFF && i + 1 < text.size()) {
        const char16_t low = text[i + 1].unicode();
        if (low >= 0xDC00 && low <= 0xDFFF) {
            ++i;
            return 0x10000 + ((char32_t(c) - 0xD800) << 10) + (low - 0xDC00);
        }
    }
    return 0xFFFD;
}

} // namespace quillora::writer
