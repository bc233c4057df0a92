// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/encodingdetection.h"

#include "core/text/codepagechoice.h"
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
// Whether every byte past 0x7F of the sample stands in a character of the
// encoding: a sample cut inside its last character passes.
bool followsThroughout(QByteArrayView sample, const QByteArray &encoding)
{
    CountingDecoder decoder(encoding.constData());
    (void)decoder.decode(sample);
    return decoder.isValid() && decoder.errors() == 0;
}

// The detector's answer as a name Qt's decoder takes; empty where it names
// nothing to read the text in. Text found to be UTF-something is not, or it
// would have been found so already; the 7-bit encodings that switch state
// have no high bytes.
QByteArray detectorAnswer(const char *charset)
{
    QByteArray found = QByteArray(charset).toUpper();
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
    return QStringDecoder(found.constData()).isValid() ? found : QByteArray();
}

// For want of an answer: the Latin page that reads the text best as words,
// windows-1252 where none reads it better, never sure.
EncodingChoice guessedCodePage(QByteArrayView sample, bool fewLetters)
{
    return {chooseCodePage("windows-1252", sample, fewLetters).name, false};
}
} // namespace

EncodingChoice detectLegacyEncoding(QByteArrayView sample)
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
    // A code page of one byte a character is told by which letters are
    // common, which a few letters show poorly: below a few, any answer is a
    // guess, and the page taken is the one that reads them as words (not
    // "Naïve" as IBM852 reads it).
    constexpr qsizetype FewestLetters = 16;
    const bool few = letters < FewestLetters;
    const QByteArray found = detectorAnswer(uchardet_get_charset(detector.get()));
    if (found.isEmpty())
        return guessedCodePage(sample, few);
    if (SingleByteTable::of(found))
        return chooseCodePage(found, sample, few);
    // The encodings of two bytes a character have rules of their own, which
    // even a few characters keep throughout; Latin text pairs up by chance
    // now and then.
    const bool twoBytes = found.startsWith("SHIFT_JIS") || found.startsWith("EUC-") || found.startsWith("GB")
        || found.startsWith("BIG5") || found == "windows-949";
    if (ideographsAmidLatinWords(sample, found))
        return guessedCodePage(sample, few);
    if (!few || (twoBytes && followsThroughout(sample, found)))
        return {found, true};
    return guessedCodePage(sample, few);
}

} // namespace quillora
