// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/text/codepagechoice.h"
#include "core/text/encodings.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

// How a file's encoding is told from its bytes, in the order the reader
// asks: its mark, the zero bytes of UTF-16 and UTF-32, and for text that is
// not UTF-8 a statistical detector.
namespace quillora {

struct EncodingMark
{
    TextEncoding encoding;
    int length; // bytes of the mark, not part of the text
};

// The byte-order marks, tested in this order on the first bytes of a file of
// fileSize bytes: FF FE 00 00 and 00 00 FE FF (UTF-32), EF BB BF (UTF-8),
// FF FE and FE FF (UTF-16). Each is read as the encoding it names.
std::optional<EncodingMark> DetectUnicode(QByteArrayView head, qint64 fileSize);

// UTF-32 or UTF-16 without a byte-order mark, told from the first bytes of
// a file by the pattern of its zero bytes: they stand in one place of every
// code unit (the high bytes of Latin text, of the commas and line breaks of
// Japanese or Chinese text), and a line break is a whole unit there. Text
// in any other encoding has no zero bytes, or not in that pattern.
std::optional<TextEncoding> detectUnicodeWithoutMark(QByteArrayView sample);

// ISO-2022-JP or ISO-2022-KR, which have no byte past 0x7F: told by the
// escape sequences that designate their character sets (ESC $ B, ESC $ @,
// ESC ( J, ESC $ ) C ...) in text without any such byte; empty otherwise.
QByteArray detectIso2022(QByteArrayView sample);

// The encoding of text that is not UTF-8, as a statistical detector tells
// it from a sample (Shift_JIS, windows-1251, GB18030, ...) and the text read
// as words confirms: a name Qt's decoder takes ("windows-1252" among them),
// not sure where it was taken for want of evidence; empty where nothing
// could be read.
EncodingChoice detectLegacyEncoding(QByteArrayView sample);

} // namespace quillora
