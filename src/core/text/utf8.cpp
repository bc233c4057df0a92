// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/utf8.h"

#include <algorithm>
#include <cstring>

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

namespace {
// The bounds of the first continuation byte after a lead byte, which rule
// out overlong forms, surrogates and code points past U+10FFFF; a length
// of 0 for a byte that leads nothing.
struct LeadBounds
{
    int length;
    uchar lowest = 0x80;
    uchar highest = 0xBF;
};

LeadBounds boundsOf(uchar b)
{
    if (b >= 0xC2 && b <= 0xDF)
        return {2};
    if (b == 0xE0)
        return {3, 0xA0};
    if (b == 0xED)
        return {3, 0x80, 0x9F};
    if (b >= 0xE1 && b <= 0xEF)
        return {3};
    if (b == 0xF0)
        return {4, 0x90};
    if (b >= 0xF1 && b <= 0xF3)
        return {4};
    if (b == 0xF4)
        return {4, 0x80, 0x8F};
    return {0};
}
} // namespace

qsizetype invalidUtf8Length(QByteArrayView bytes, qsizetype i)
{
    const LeadBounds bounds = boundsOf(uchar(bytes[i]));
    qsizetype length = 1;
    uchar lowest = bounds.lowest;
    uchar highest = bounds.highest;
    while (length < bounds.length - 1 && i + length < bytes.size()) {
        const uchar b = uchar(bytes[i + length]);
        if (b < lowest || b > highest)
            break;
        ++length;
        lowest = 0x80;
        highest = 0xBF;
    }
    return length;
}

void Utf8Census::lead(uchar b)
{
    const LeadBounds bounds = boundsOf(b);
    if (bounds.length == 0) {
        ++m_strays;
        return;
    }
    m_pending = bounds.length - 1;
    m_taken = 1;
    m_lowest = bounds.lowest;
    m_highest = bounds.highest;
}

// Runs of ASCII go eight bytes at a time, and a sequence that lies whole in
// the chunk is checked at once; only errors and a sequence cut by the end of
// the chunk go a byte at a time.
void Utf8Census::feed(QByteArrayView bytes)
{
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size) {
        if (m_pending > 0) {
            step(uchar(bytes[i++]));
            continue;
        }
        while (size - i >= 8) {
            quint64 word;
            std::memcpy(&word, bytes.data() + i, 8);
            if (word & 0x8080808080808080ULL)
                break;
            i += 8;
        }
        if (i == size)
            break;
        if (uchar(bytes[i]) < 0x80) {
            ++i;
        } else if (const qsizetype length = size - i >= 4 ? validUtf8Sequence(bytes, i) : 0) {
            ++m_sequences;
            i += length;
        } else {
            step(uchar(bytes[i++]));
        }
    }
}

void Utf8Census::step(uchar b)
{
    if (m_pending > 0) {
        if (b >= m_lowest && b <= m_highest) {
            m_lowest = 0x80;
            m_highest = 0xBF;
            ++m_taken;
            if (--m_pending == 0)
                ++m_sequences;
            return;
        }
        // What was taken of the sequence is stray; this byte starts afresh.
        m_strays += m_taken;
        m_pending = 0;
    }
    if (b >= 0x80)
        lead(b);
}

void Utf8Census::finish()
{
    if (m_pending > 0)
        m_strays += m_taken;
    m_pending = 0;
}

void Utf8Evidence::feed(QByteArrayView chunk, qint64 at)
{
    m_census.feed(chunk);
    if (at + chunk.size() > m_appendedFrom)
        m_appended.feed(chunk.sliced(std::max<qint64>(0, m_appendedFrom - at)));
    if (chunk.isEmpty()) {
        m_census.finish();
        m_appended.finish();
    }
    for (const char c : chunk) {
        const bool high = uchar(c) >= 0x80;
        m_highPairs += high && m_lastHigh;
        m_lastHigh = high;
    }
}

// Two bytes past 0x7F side by side make a valid sequence by chance about
// once in nine (a lead byte of 30, then one of 64 that may follow it): in
// Cyrillic, Greek or Thai text, whose letters stand side by side, they
// happen.
qint64 Utf8Evidence::sequencesTold(bool guessed) const
{
    const qint64 sequences = m_census.sequences();
    const qint64 told = guessed || sequences * 4 > m_highPairs ? sequences : 0;
    // What was appended is judged as the first pass judges a file.
    const qint64 appended = m_appended.sequences();
    const bool appendedUtf8 = appended > 0 && appended >= 4 * m_appended.strays();
    return appendedUtf8 ? std::max(told, appended) : told;
}

} // namespace quillora
