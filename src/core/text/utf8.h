// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

#include <limits>

// What Quillora knows of UTF-8, in one place: file names, text files and
// the documents written all use it.
namespace quillora {

// The length of the valid UTF-8 sequence of two bytes or more at bytes[i]
// (no overlong form, no surrogate, nothing past U+10FFFF), or 0.
qsizetype validUtf8Sequence(QByteArrayView bytes, qsizetype i);

// The length of the maximal start of a UTF-8 sequence at bytes[i], which is
// not a whole valid one (at least 1): those bytes make one error, as
// Unicode counts them ("maximal subpart"), and the next byte starts afresh.
qsizetype invalidUtf8Length(QByteArrayView bytes, qsizetype i);

// Counts, over text fed in chunks of any size, the valid sequences of two
// bytes or more and the bytes that belong to none (strays). Strict: no
// overlong form, no surrogate, nothing past U+10FFFF.
class Utf8Census
{
public:
    void feed(QByteArrayView bytes);
    // The text has ended: a sequence still open is made of strays.
    void finish();
    bool valid() const { return m_strays == 0 && m_pending == 0; }
    qint64 strays() const { return m_strays; }
    qint64 sequences() const { return m_sequences; }

private:
    void step(uchar b);
    void lead(uchar b);

    qint64 m_strays = 0;
    qint64 m_sequences = 0;
    int m_pending = 0;     // continuation bytes still expected
    int m_taken = 0;       // bytes of the open sequence so far
    uchar m_lowest = 0x80; // bounds of the next continuation byte
    uchar m_highest = 0xBF;
};

// The valid UTF-8 in text read in a code page of one byte a character, fed
// in chunks (an empty one at the end): worth telling where it is too much
// to be chance.
class Utf8Evidence
{
public:
    // The chunk that starts at offset `at` of the file.
    void feed(QByteArrayView chunk, qint64 at);
    // Bytes from the offset on were appended after the code page was
    // chosen (a file still being written): they are judged on their own.
    void judgeAppendedFrom(qint64 offset) { m_appendedFrom = offset; }
    // The sequences of two bytes or more, where they are more than twice
    // what chance makes or the code page was a guess, or where the bytes
    // appended read as UTF-8 by themselves; 0 otherwise.
    qint64 sequencesTold(bool guessed) const;

private:
    Utf8Census m_census;
    Utf8Census m_appended;
    qint64 m_appendedFrom = std::numeric_limits<qint64>::max();
    qint64 m_highPairs = 0; // bytes past 0x7F side by side
    bool m_lastHigh = false;
};

// Whether the UTF-8 at text[i] is U+FFFE or U+FFFF.
inline bool isNonCharacterAt(QByteArrayView text, qsizetype i)
{
    return uchar(text[i]) == 0xEF && i + 2 < text.size() && uchar(text[i + 1]) == 0xBF
        && (uchar(text[i + 2]) & 0xFE) == 0xBE;
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

} // namespace quillora
