// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/encodingdetection.h"

#include "core/text/textdecoder.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <memory>
#include <type_traits>

#include <uchardet/uchardet.h>

namespace quillora {

namespace {
bool startsWith(QByteArrayView head, std::initializer_list<uchar> mark)
{
    if (head.size() < static_cast<qsizetype>(mark.size()))
        return false;
    qsizetype i = 0;
    for (uchar byte : mark) {
        if (static_cast<uchar>(head[i++]) != byte)
            return false;
    }
    return true;
}
} // namespace

std::optional<EncodingMark> DetectUnicode(QByteArrayView head, qint64 fileSize)
{
    if (fileSize >= 4 && startsWith(head, {0xFF, 0xFE, 0x00, 0x00}))
        return EncodingMark{TextEncoding::Utf32LE, 4};
    if (fileSize >= 4 && startsWith(head, {0x00, 0x00, 0xFE, 0xFF}))
        return EncodingMark{TextEncoding::Utf32BE, 4};
    if (fileSize >= 3 && startsWith(head, {0xEF, 0xBB, 0xBF}))
        return EncodingMark{TextEncoding::Utf8, 3};
    if (fileSize >= 2 && startsWith(head, {0xFF, 0xFE}))
        return EncodingMark{TextEncoding::Utf16LE, 2};
    if (fileSize >= 2 && startsWith(head, {0xFE, 0xFF}))
        return EncodingMark{TextEncoding::Utf16BE, 2};
    return std::nullopt;
}

namespace {
// Whether the units of the given width and byte order hold only values
// that encoding can hold (no unpaired surrogate, nothing past U+10FFFF),
// and whether they hold a line break (LF or CR).
struct Units
{
    bool wellFormed = false;
    bool lineBreak = false;
};

Units unitsOf(QByteArrayView sample, int width, bool bigEndian)
{
    const auto unitAt = [&](qsizetype at) {
        char32_t value = 0;
        for (int k = 0; k < width; ++k)
            value |= char32_t(uchar(sample[at + (bigEndian ? width - 1 - k : k)])) << (8 * k);
        return value;
    };
    // A line break byte stands as the low byte of its unit, never elsewhere
    // (the units 0x0Axx and 0x0Dxx are scripts hardly any file holds).
    for (qsizetype i = 0; i < sample.size(); ++i) {
        if (sample[i] != '\n' && sample[i] != '\r')
            continue;
        if (i % width != (bigEndian ? width - 1 : 0))
            return {};
    }
    Units units;
    bool highSurrogate = false;
    const qsizetype count = sample.size() / width;
    for (qsizetype i = 0; i < count; ++i) {
        const char32_t unit = unitAt(i * width);
        units.lineBreak = units.lineBreak || unit == u'\n' || unit == u'\r';
        if (width == 4) {
            if (unit > 0x10FFFF || (unit >= 0xD800 && unit <= 0xDFFF))
                return {};
            continue;
        }
        const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
        if (low != highSurrogate)
            return {};
        highSurrogate = unit >= 0xD800 && unit <= 0xDBFF;
    }
    units.wellFormed = true;
    return units;
}
} // namespace

std::optional<TextEncoding> detectUnicodeWithoutMark(QByteArrayView sample)
{
    // Zero bytes counted by their place in a unit of four bytes.
    std::array<qsizetype, 4> zeros{};
    for (qsizetype i = 0; i < sample.size(); ++i)
        zeros[size_t(i % 4)] += sample[i] == '\0';
    const qsizetype total = zeros[0] + zeros[1] + zeros[2] + zeros[3];
    // A stray zero byte or two in other text is no pattern.
    if (total < 2 || total * 100 < sample.size())
        return std::nullopt;
    const auto mostlyAt = [&](std::initializer_list<size_t> places) {
        qsizetype there = 0;
        for (const size_t place : places)
            there += zeros[place];
        return there * 10 >= total * 9;
    };
    // A line break where a unit's low byte is tells; without any line break
    // byte at all (a one-line file, a first line longer than the sample),
    // so does a zero in half the units or more and hardly anywhere else.
    // Text with line break bytes that make no UTF-16 line break is other
    // text with zero bytes in it ("a\0a\0...\n").
    const bool noBreakBytes = !sample.contains('\n') && !sample.contains('\r');
    const auto overwhelming = [&](std::initializer_list<size_t> places) {
        qsizetype there = 0;
        for (const size_t place : places)
            there += zeros[place];
        return noBreakBytes && there * 4 >= sample.size() && there * 50 >= total * 49;
    };
    const auto utf16 = [&](bool bigEndian, std::initializer_list<size_t> places) {
        const Units units = unitsOf(sample, 2, bigEndian);
        return units.wellFormed && (units.lineBreak || overwhelming(places));
    };
    const auto utf32 = [&](bool bigEndian) {
        const Units units = unitsOf(sample, 4, bigEndian);
        return units.wellFormed && units.lineBreak;
    };
    // Every UTF-32 unit has a zero high byte.
    const qsizetype units32 = sample.size() / 4;
    if (zeros[3] == units32 && utf32(false))
        return TextEncoding::Utf32LE;
    if (zeros[0] == units32 && utf32(true))
        return TextEncoding::Utf32BE;
    if (mostlyAt({1, 3}) && utf16(false, {1, 3}))
        return TextEncoding::Utf16LE;
    if (mostlyAt({0, 2}) && utf16(true, {0, 2}))
        return TextEncoding::Utf16BE;
    return std::nullopt;
}

QByteArray detectIso2022(QByteArrayView sample)
{
    if (!sample.contains('\x1B') || std::any_of(sample.begin(), sample.end(), [](char c) { return uchar(c) >= 0x80; }))
        return {};
    if (sample.contains("\x1B$)C"))
        return "ISO-2022-KR";
    for (const QByteArrayView japanese : {"\x1B$B", "\x1B$@", "\x1B(J", "\x1B$(D", "\x1B(I"}) {
        if (sample.contains(japanese))
            return "ISO-2022-JP";
    }
    return {};
}

namespace {
// Code pages that read most bytes alike: the one the detector named and
// its look-alike, which the bytes present may decide between.
QByteArrayView lookAlikeOf(QByteArrayView name)
{
    static const std::pair<QByteArrayView, QByteArrayView> Pairs[] = {
        {"ISO-8859-7", "windows-1253"}, {"ISO-8859-8", "windows-1255"}, {"ISO-8859-13", "windows-1257"},
        {"KOI8-R", "KOI8-U"},           {"windows-1252", "IBM850"},     {"ISO-8859-15", "IBM850"},
        {"MAC-CYRILLIC", "windows-1251"},
    };
    for (const auto &[one, other] : Pairs) {
        if (name.compare(one, Qt::CaseInsensitive) == 0)
            return other;
        if (name.compare(other, Qt::CaseInsensitive) == 0)
            return one;
    }
    return {};
}

qsizetype wordScore(QByteArrayView sample, const SingleByteTable &table);

// A byte that is text in one code page (a letter or a sign) and undefined,
// a control or a box drawing in the other is a vote for the first; the
// look-alike is taken when it has more votes (curly quotes, which
// windows-1253 has where ISO-8859-7 has C1 controls; the Ukrainian letters
// of KOI8-U, box drawing in KOI8-R). Without votes either way, the one
// that reads more bytes as letters in words is taken (ISO-8859-7's Ά
// where windows-1253 has ¶; the capitals windows-1251 has where
// x-mac-cyrillic has signs).
QByteArray settleBetweenLookAlikes(const QByteArray &found, QByteArrayView sample, bool fewLetters)
{
    const QByteArrayView other = lookAlikeOf(found);
    if (other.isEmpty())
        return found;
    const auto ours = SingleByteTable::of(found);
    const auto theirs = SingleByteTable::of(other);
    if (!ours || !theirs)
        return found;
    std::array<qsizetype, 256> counts{};
    for (const char c : sample)
        ++counts[uchar(c)];
    qsizetype forOurs = 0;
    qsizetype forTheirs = 0;
    using Kind = SingleByteTable::Kind;
    for (int b = 0x80; b < 256; ++b) {
        const Kind a = ours->kind(uchar(b));
        const Kind t = theirs->kind(uchar(b));
        forOurs += a != Kind::NotText && t == Kind::NotText ? counts[size_t(b)] : 0;
        forTheirs += t != Kind::NotText && a == Kind::NotText ? counts[size_t(b)] : 0;
    }
    // A few letters are no evidence for a DOS code page (see plausibleOrWestern).
    if (forTheirs != forOurs || (fewLetters && (isDosCodePage(found) || isDosCodePage(other))))
        return forTheirs > forOurs ? other.toByteArray() : found;
    return wordScore(sample, *theirs) > wordScore(sample, *ours) ? other.toByteArray() : found;
}

bool isAsciiLetter(uchar byte)
{
    return (byte | 0x20) >= 'a' && (byte | 0x20) <= 'z';
}

// How well a code page of one byte a character reads the sample: each byte
// past 0x7F that makes a letter beside a letter (the é of "Lefèvre", the
// Cyrillic of a Russian word) counts for it, each that makes anything else
// between two letters ("Br╔lo´se", "Bj÷rk") counts against it.
qsizetype wordScore(QByteArrayView sample, const SingleByteTable &table)
{
    using Kind = SingleByteTable::Kind;
    const auto letterAt = [&](qsizetype i) {
        if (i < 0 || i >= sample.size())
            return false;
        const uchar byte = uchar(sample[i]);
        return byte < 0x80 ? isAsciiLetter(byte) : table.kind(byte) == Kind::Letter;
    };
    qsizetype score = 0;
    for (qsizetype i = 0; i < sample.size(); ++i) {
        const uchar byte = uchar(sample[i]);
        if (byte < 0x80)
            continue;
        const bool before = letterAt(i - 1);
        const bool after = letterAt(i + 1);
        if (table.kind(byte) == Kind::Letter)
            score += before || after ? 1 : 0;
        else
            score -= before && after ? 1 : 0;
    }
    return score;
}

// Latin code pages of few languages whose letters stand where windows-1252
// has the accented letters of Western text (ISO-8859-10's č, ā and ų for
// è, à and ù): like a DOS code page, one needs evidence of its own, letters
// where windows-1252 has signs (the ē, š and ž of Latvian in ISO-8859-4).
// Windows-1250, windows-1257 and ISO-8859-13, read as often as their
// languages are written, keep their ties (Czech reads as letters in
// windows-1252 too).
bool isRareLatin(QByteArrayView name)
{
    static const QByteArrayView Rare[] = {"ISO-8859-3", "ISO-8859-4", "ISO-8859-10", "ISO-8859-14", "ISO-8859-16"};
    return std::any_of(std::begin(Rare), std::end(Rare),
                       [&](QByteArrayView rare) { return rare.compare(name, Qt::CaseInsensitive) == 0; });
}

// The detector's code page of one byte a character where its reading makes
// sense, windows-1252 where that reads the text as words better: a
// detector names IBM852 for Western names now and then. A DOS code page
// needs evidence of its own (letters where windows-1252 has signs, box
// drawing), and so do a few letters: then it must read better than
// windows-1252.
QByteArray plausibleOrWestern(const QByteArray &found, QByteArrayView sample, bool fewLetters)
{
    const auto ours = SingleByteTable::of(found);
    if (!ours || found == "windows-1252")
        return found;
    // windows-1254 reads the bytes of windows-1252 alike but for six, which
    // are letters in both: Turkish needs a ğ, Ğ, ş, Ş or İ, not a lone ı
    // where Western text has its ý.
    if (found.compare("windows-1254", Qt::CaseInsensitive) == 0 || found.compare("ISO-8859-9", Qt::CaseInsensitive) == 0) {
        const bool turkish = std::any_of(sample.begin(), sample.end(), [](char c) {
            const uchar b = uchar(c);
            return b == 0xD0 || b == 0xDD || b == 0xDE || b == 0xF0 || b == 0xFE;
        });
        if (!turkish)
            return "windows-1252";
    }
    static const SingleByteTable western = *SingleByteTable::of("windows-1252");
    const qsizetype forOurs = wordScore(sample, *ours);
    const qsizetype forWestern = wordScore(sample, western);
    if (isDosCodePage(found) || fewLetters || isRareLatin(found))
        return forOurs > forWestern ? found : QByteArray("windows-1252");
    // Where windows-1252 reads the bytes as letters too (Arabic, Cyrillic
    // capitals), the two stay close: only a clear lead overrules.
    const qsizetype high = std::count_if(sample.begin(), sample.end(), [](char c) { return uchar(c) >= 0x80; });
    return forWestern - forOurs > std::max<qsizetype>(2, high / 50) ? QByteArray("windows-1252") : found;
}

// Whether every byte past 0x7F of the sample stands in a character of the
// encoding: a sample cut inside its last character passes.
bool followsThroughout(QByteArrayView sample, const QByteArray &encoding)
{
    CountingDecoder decoder(encoding.constData());
    (void)decoder.decode(sample);
    return decoder.isValid() && decoder.errors() == 0;
}
} // namespace

QByteArray detectLegacyEncoding(QByteArrayView sample)
{
    const std::unique_ptr<std::remove_pointer_t<uchardet_t>, void (*)(uchardet_t)> detector(uchardet_new(),
                                                                                            uchardet_delete);
    if (!detector)
        return {};
    // Fed until it has seen enough letters to be sure: a few kilobytes of
    // Japanese, up to the whole sample of text that is mostly ASCII.
    constexpr qsizetype Chunk = 16 * 1024;
    constexpr qsizetype EnoughLetters = 8192;
    qsizetype letters = 0;
    for (qsizetype at = 0; at < sample.size() && letters < EnoughLetters; at += Chunk) {
        const QByteArrayView chunk = sample.sliced(at, std::min(Chunk, sample.size() - at));
        if (uchardet_handle_data(detector.get(), chunk.data(), size_t(chunk.size())) != 0)
            return {};
        letters += std::count_if(chunk.begin(), chunk.end(), [](char c) { return uchar(c) >= 0x80; });
    }
    uchardet_data_end(detector.get());
    QByteArray found = QByteArray(uchardet_get_charset(detector.get())).toUpper();
    // Text found to be UTF-something is not, or it would have been found so
    // already; the 7-bit encodings that switch state have no high bytes.
    if (found.isEmpty() || found == "ASCII" || found.startsWith("UTF") || found.startsWith("ISO-2022")
        || found.startsWith("HZ"))
        return {};
    // What reads like Windows-1252 is read as it: ISO-8859-1 differs only in
    // controls no text holds. Korean text found as "UHC" is windows-949, a
    // superset of EUC-KR.
    if (found == "WINDOWS-1252" || found == "ISO-8859-1")
        found = "windows-1252";
    else if (found == "UHC")
        found = "windows-949";
    if (!QStringDecoder(found.constData()).isValid())
        return {};
    // A code page of one byte a character is told by which letters are
    // common, which a few letters show poorly: its answer stands where it
    // reads the text as words (not "Naïve" as IBM852 reads it); a few
    // letters that windows-1252 reads as well are a guess of it. The
    // encodings of two bytes a character have rules of their own, which
    // even a few characters keep throughout.
    constexpr qsizetype FewestLetters = 16;
    if (!SingleByteTable::of(found)) {
        const bool twoBytes = found.startsWith("SHIFT_JIS") || found.startsWith("EUC-") || found.startsWith("GB")
            || found.startsWith("BIG5") || found == "windows-949";
        return letters >= FewestLetters || (twoBytes && followsThroughout(sample, found)) ? found : QByteArray();
    }
    const bool few = letters < FewestLetters;
    found = plausibleOrWestern(settleBetweenLookAlikes(found, sample, few), sample, few);
    return few && found == "windows-1252" ? QByteArray() : found;
}

} // namespace quillora
