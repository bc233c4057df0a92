// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/text/utf8.h"

namespace quillora::writer {

using quillora::appendUtf8;
using quillora::codePointAt;
using quillora::encodeUtf8;
using quillora::isNonCharacterAt;

// Whether XML 1.0 can carry the character: not the control characters other
// than tab, line feed and carriage return, nor U+FFFE and U+FFFF.
constexpr bool isXmlCharacter(char16_t c)
{
    return c >= 0x20 ? c < 0xFFFE : (c == u'\t' || c == u'\n' || c == u'\r');
}

} // namespace quillora::writer
