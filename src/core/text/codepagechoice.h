// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Which code page a text that is not UTF-8 is read in, once a statistical
// detector has named one: a detector judges by how common letters are,
// which a few letters show poorly and Western text from DOS and Mac
// programs misleads. Its answer is weighed against the pages that read
// the same bytes as other letters, by how well each reads the text as
// words.
namespace quillora {

struct EncodingChoice
{
    QByteArray name;
    bool sure = false; // found on evidence, not taken for want of better
};

// The code page of one byte a character to read the sample in, given the
// detector's answer `found`; fewLetters where the sample holds too few
// bytes past 0x7F to tell a code page by (then it is never sure).
EncodingChoice chooseCodePage(const QByteArray &found, QByteArrayView sample, bool fewLetters);

// Whether the sample read in a CJK encoding of two bytes a character puts
// its characters amid Latin words (an accented capital and the letter
// after it read as one ideograph): Latin text that happens to pair up, not
// Chinese or Japanese.
bool ideographsAmidLatinWords(QByteArrayView sample, const QByteArray &encoding);

} // namespace quillora
