// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/textdecoder.h"

#include "core/text/utf8.h"

#include <algorithm>
#include <array>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

TextDecoder::TextDecoder(TextEncoding encoding, const QByteArray &name, InvalidUtf8 invalidUtf8)
    : m_encoding(encoding)
    , m_invalidUtf8(invalidUtf8)
    // Fed whole sequences only (a cut one is held back), so it keeps no state;
    // a U+FEFF left after the mark is text and stays.
    , m_utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom)
{
    // Keeps its state between chunks: a character cut by the end of one, or
    // the shift of an encoding that switches (ISO-2022-JP, UTF-7), goes on
    // into the next.
    if (encoding != TextEncoding::Other)
        return;
    m_table = SingleByteTable::of(name);
    if (m_table)
        return;
    m_named.emplace(name.constData(), QStringConverter::Flag::ConvertInitialBom);
    m_lineFeed = QStringDecoder(name.constData(), QStringConverter::Flag::Stateless).decode("\n");
    if (name.compare("UTF-7", Qt::CaseInsensitive) == 0)
        m_utf7.emplace();
    m_windows949 = name == "windows-949";
    m_iso2022kr = name.compare("ISO-2022-KR", Qt::CaseInsensitive) == 0;
    findBytesApart(name);
}

// The bytes decoded apart from the rest: the one that is SUB itself (0x1A;
// in EBCDIC 0x3F), and in an encoding that is ASCII below 0x80 the controls
// ICU's IBM tables swap (0x1A, 0x1C, 0x7F: Shift_JIS reads a DEL as SUB),
// which are no part of any character of two bytes there and read as
// themselves.
void TextDecoder::findBytesApart(const QByteArray &name)
{
    const auto single = [&](char byte, qsizetype *errors = nullptr) {
        CountingDecoder decoder(name.constData(), QStringConverter::Flag::Stateless);
        const QString decoded = decoder.decode(QByteArrayView(&byte, 1));
        if (errors)
            *errors = decoder.errors();
        return decoded;
    };
    const bool ascii = single('a') == u"a"_s && single('\n') == u"\n"_s;
    for (const char byte : {'\x1A', '\x1C', '\x7F'}) {
        if (ascii && single(byte) != QString(QChar(char16_t(uchar(byte))))) {
            m_bytesApart += byte;
            m_asThemselves += byte;
        }
    }
    for (const char sub : {'\x1A', '\x3F'}) {
        qsizetype errors = 0;
        if (single(sub, &errors) == u"\u001A"_s && errors == 0 && !m_bytesApart.contains(sub)) {
            m_bytesApart += sub;
            break;
        }
    }
}

void TextDecoder::decode(QByteArrayView bytes, QString &out)
{
    switch (m_encoding) {
    case TextEncoding::Windows1252:
        m_invalid += appendWindows1252(out, bytes);
        return;
    case TextEncoding::Utf8:
        decodeUtf8(bytes, out);
        return;
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE:
        decodeUtf16(bytes, out);
        return;
    case TextEncoding::Utf32LE:
    case TextEncoding::Utf32BE:
        decodeUtf32(bytes, out);
        return;
    case TextEncoding::Other:
        appendNamed(bytes, out);
        return;
    }
}

// ICU stands U+001A (SUB) for what it cannot read in some encodings, U+FFFD
// in others. The SUB byte of the text (0x1A, in EBCDIC 0x3F) is a character
// of its own, so the text is decoded between the bytes apart (see
// findBytesApart): there, every U+001A is a stand-in, and becomes U+FFFD
// like the others.
// ICU's UTF-7 decoder drops the bits a base64 run ends with when they make
// no character: each such end becomes U+FFFD, before the byte that ends it.
void TextDecoder::appendNamed(QByteArrayView bytes, QString &out)
{
    if (m_table) {
        appendByTable(bytes, out);
        return;
    }
    if (!m_utf7) {
        appendNamedPart(bytes, out);
        return;
    }
    qsizetype from = 0;
    for (qsizetype bad = m_utf7->nextBadEnd(bytes, 0); bad >= 0; bad = m_utf7->nextBadEnd(bytes, bad + 1)) {
        appendNamedPart(bytes.sliced(from, bad - from), out);
        // Where the decoder told of it itself, once is enough.
        const qsizetype before = out.size();
        const qint64 told = m_invalid;
        appendNamedPart(bytes.sliced(bad, 1), out);
        if (m_invalid == told) {
            out.insert(before, QChar(QChar::ReplacementCharacter));
            ++m_invalid;
        }
        from = bad + 1;
    }
    appendNamedPart(bytes.sliced(from), out);
}

void TextDecoder::appendByTable(QByteArrayView bytes, QString &out)
{
    const qsizetype start = out.size();
    out.resize(start + bytes.size());
    char16_t *dest = reinterpret_cast<char16_t *>(out.data()) + start;
    for (const char byte : bytes) {
        *dest = m_table->at(uchar(byte));
        m_invalid += *dest++ == QChar::ReplacementCharacter;
    }
}

// Qt counts the bytes of each error, where the text gets one stand-in for
// them; a U+FFFD of the text itself comes with no error.
QString TextDecoder::decodeNamed(QByteArrayView bytes)
{
    const qsizetype before = m_named->errors();
    QString decoded = m_named->decode(bytes);
    if (const qsizetype errors = m_named->errors() - before; errors > 0) {
        const qsizetype standIns = decoded.count(QChar(QChar::ReplacementCharacter)) + decoded.count(QChar(0x1A));
        m_invalid += std::min(errors, standIns);
    }
    return decoded;
}

void TextDecoder::appendNamedPart(QByteArrayView bytes, QString &out)
{
    qsizetype from = 0;
    const auto nextApart = [&](qsizetype at) {
        for (; at < bytes.size(); ++at) {
            if (m_bytesApart.contains(bytes[at]))
                return at;
        }
        return qsizetype(-1);
    };
    for (qsizetype apart = nextApart(0); apart >= 0; apart = nextApart(from)) {
        if (apart > from)
            appendDecoded(decodeNamed(bytes.sliced(from, apart - from)), out, true);
        // What a character still open before it became, then the byte itself.
        QString own = decodeNamed(bytes.sliced(apart, 1));
        const qsizetype before = std::max<qsizetype>(own.size() - 1, 0);
        if (m_asThemselves.contains(bytes[apart]) && !own.isEmpty())
            own.back() = QChar(char16_t(uchar(bytes[apart])));
        appendDecoded(QStringView(own).first(before), out, true);
        appendDecoded(QStringView(own).sliced(before), out, false);
        from = apart + 1;
    }
    if (from < bytes.size())
        appendDecoded(decodeNamed(bytes.sliced(from)), out, true);
}

// What one of Qt's decoders made, made valid: some (ICU's UTF-7 among them)
// give a surrogate without its pair, which becomes U+FFFD as in UTF-16; a
// high surrogate at the end waits for the next chunk. With standIns, every
// U+001A stands for bytes that made no character (the decoder counted them),
// and so do U+0080 and U+F8F7 in windows-949 (the bytes 0x80 and 0xFF, which
// mean nothing there, and which it does not count). ICU's ISO-2022-KR reads
// KS X 1001's middle dot (0xA1A4) as the katakana one, U+30FB, which that
// character set does not have: it is U+00B7, as windows-949 reads it.
void TextDecoder::appendDecoded(QStringView decoded, QString &out, bool standIns)
{
    const qsizetype start = out.size();
    out.resize(start + decoded.size() + 1);
    char16_t *dest = reinterpret_cast<char16_t *>(out.data()) + start;
    for (const QChar c : decoded) {
        char16_t unit = c.unicode();
        if (standIns && unit == 0x1A) {
            unit = QChar::ReplacementCharacter;
        } else if (standIns && m_windows949 && (unit == 0x80 || unit == 0xF8F7)) {
            unit = QChar::ReplacementCharacter;
            ++m_invalid;
        } else if (m_iso2022kr && unit == 0x30FB) {
            unit = 0x00B7;
        }
        appendUtf16Unit(unit, dest);
    }
    out.truncate(dest - reinterpret_cast<const char16_t *>(out.constData()));
}

// Qt lets a decoder that keeps its state be given more, never told the text
// has ended: a character still open at the end would be dropped unseen. A
// line feed after it, which on its own is one character, brings it out: as
// U+FFFD, or taken into what it makes; the line feed itself is no text.
void TextDecoder::finishNamed(QString &out)
{
    if (m_named && !m_lineFeed.isEmpty()) {
        const qsizetype start = out.size();
        appendNamed("\n", out);
        if (QStringView(out).sliced(start).endsWith(m_lineFeed))
            out.chop(m_lineFeed.size());
    }
    if (m_highSurrogate != 0) {
        out += QChar(QChar::ReplacementCharacter);
        ++m_invalid;
        m_highSurrogate = 0;
    }
}

void TextDecoder::finish(QString &out)
{
    if (m_encoding == TextEncoding::Other) {
        finishNamed(out);
        return;
    }
    if (m_encoding == TextEncoding::Utf8) {
        // An unfinished sequence is what it would be in the middle of the text.
        decodeInvalidUtf8(m_held, out);
    } else {
        // A surrogate without its pair, then the bytes of an unfinished unit.
        for (const bool open : {m_highSurrogate != 0, !m_held.isEmpty()}) {
            if (open) {
                out += QChar(QChar::ReplacementCharacter);
                ++m_invalid;
            }
        }
    }
    m_held.clear();
    m_highSurrogate = 0;
}

QByteArrayView TextDecoder::withHeld(QByteArrayView bytes, QByteArray &joined)
{
    // The start of a character from the last chunk goes in front of this one.
    if (m_held.isEmpty())
        return bytes;
    joined = std::exchange(m_held, QByteArray());
    joined.append(bytes);
    return joined;
}

void TextDecoder::decodeUtf8(QByteArrayView bytes, QString &out)
{
    QByteArray joined;
    bytes = withHeld(bytes, joined);
    // A sequence cut by the end of the chunk waits for the next one; the
    // decoder, which keeps no state, takes everything before it.
    qsizetype whole = bytes.size();
    for (qsizetype at = bytes.size() - 1; at >= 0 && at >= bytes.size() - 3; --at) {
        const auto b = static_cast<uchar>(bytes[at]);
        if (b < 0x80)
            break;
        if (b >= 0xC0) {
            const qsizetype length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
            if (bytes.size() - at < length)
                whole = at;
            break;
        }
    }
    const QByteArrayView body = bytes.first(whole);
    // Text checked whole goes straight to the decoder; other text is checked
    // a chunk at a time, and only a chunk with an error is taken apart.
    bool valid = m_invalidUtf8 == InvalidUtf8::NoneThere;
    if (!valid) {
        Utf8Census census;
        census.feed(body);
        valid = census.valid();
    }
    if (valid)
        out += m_utf8.decode(body);
    else
        decodeInvalidUtf8(body, out);
    m_held = bytes.sliced(whole).toByteArray();
}

// The valid stretches go to the decoder; each error between them is
// replaced, or read as Windows-1252 reads its bytes.
void TextDecoder::decodeInvalidUtf8(QByteArrayView bytes, QString &out)
{
    qsizetype stretch = 0;
    qsizetype i = 0;
    while (i < bytes.size()) {
        if (uchar(bytes[i]) < 0x80) {
            ++i;
        } else if (const qsizetype length = validUtf8Sequence(bytes, i)) {
            i += length;
        } else {
            out += m_utf8.decode(bytes.sliced(stretch, i - stretch));
            const qsizetype error = invalidUtf8Length(bytes, i);
            invalidUtf8(bytes.sliced(i, error), out);
            i += error;
            stretch = i;
        }
    }
    out += m_utf8.decode(bytes.sliced(stretch));
}

void TextDecoder::invalidUtf8(QByteArrayView bytes, QString &out)
{
    if (m_invalidUtf8 == InvalidUtf8::ReadAsWindows1252) {
        m_invalid += appendWindows1252(out, bytes);
        m_strays += bytes.size();
        return;
    }
    out += QChar(QChar::ReplacementCharacter);
    ++m_invalid;
}

void TextDecoder::appendUtf16Unit(char16_t unit, char16_t *&dest)
{
    if (m_highSurrogate != 0) {
        if (QChar::isLowSurrogate(unit)) {
            *dest++ = m_highSurrogate;
            *dest++ = unit;
            m_highSurrogate = 0;
            return;
        }
        *dest++ = QChar::ReplacementCharacter;
        ++m_invalid;
        m_highSurrogate = 0;
    }
    if (QChar::isHighSurrogate(unit)) {
        m_highSurrogate = unit;
    } else if (QChar::isLowSurrogate(unit)) {
        *dest++ = QChar::ReplacementCharacter;
        ++m_invalid;
    } else {
        *dest++ = unit;
    }
}

void TextDecoder::decodeUtf16(QByteArrayView bytes, QString &out)
{
    QByteArray joined;
    bytes = withHeld(bytes, joined);
    const bool bigEndian = m_encoding == TextEncoding::Utf16BE;
    const qsizetype units = bytes.size() / 2;
    const qsizetype start = out.size();
    // Room for every unit and a replaced waiting surrogate.
    out.resize(start + units + 1);
    char16_t *dest = reinterpret_cast<char16_t *>(out.data()) + start;
    const auto *src = reinterpret_cast<const uchar *>(bytes.data());
    for (qsizetype i = 0; i < units; ++i, src += 2) {
        const char16_t unit = bigEndian ? char16_t(src[0] << 8 | src[1]) : char16_t(src[1] << 8 | src[0]);
        appendUtf16Unit(unit, dest);
    }
    out.truncate(dest - reinterpret_cast<const char16_t *>(out.constData()));
    m_held = bytes.sliced(units * 2).toByteArray();
}

void TextDecoder::decodeUtf32(QByteArrayView bytes, QString &out)
{
    QByteArray joined;
    bytes = withHeld(bytes, joined);
    const bool bigEndian = m_encoding == TextEncoding::Utf32BE;
    const qsizetype count = bytes.size() / 4;
    const qsizetype start = out.size();
    out.resize(start + 2 * count);
    char16_t *dest = reinterpret_cast<char16_t *>(out.data()) + start;
    const auto *src = reinterpret_cast<const uchar *>(bytes.data());
    for (qsizetype i = 0; i < count; ++i, src += 4) {
        const char32_t value = bigEndian ? char32_t(src[0]) << 24 | char32_t(src[1]) << 16 | src[2] << 8 | src[3]
                                         : char32_t(src[3]) << 24 | char32_t(src[2]) << 16 | src[1] << 8 | src[0];
        if (value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
            *dest++ = QChar::ReplacementCharacter;
            ++m_invalid;
        } else if (QChar::requiresSurrogates(value)) {
            *dest++ = QChar::highSurrogate(value);
            *dest++ = QChar::lowSurrogate(value);
        } else {
            *dest++ = char16_t(value);
        }
    }
    out.truncate(dest - reinterpret_cast<const char16_t *>(out.constData()));
    m_held = bytes.sliced(count * 4).toByteArray();
}

} // namespace quillora
