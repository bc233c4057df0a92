// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/text/encodings.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <array>
#include <optional>

namespace quillora {

// Windows-1252 to UTF-16; the five unassigned bytes map to the C1 controls
// of the same value, so every byte has a character. Returns how many of
// them there were.
qsizetype appendWindows1252(QString &out, QByteArrayView bytes);

// Whether the name is one of the single-byte code pages of DOS (IBM437,
// IBM850, IBM866 ...), as Qt's decoders name them: ASCII below 0x80.
bool isDosCodePage(QByteArrayView name);

// A code page of one byte a character (windows-1251, ISO-8859-7, KOI8-R,
// IBM866 ...), as a table of the characters of its 256 bytes. A byte the
// code page leaves undefined reads as U+FFFD, whatever stand-in Qt's decoder
// gives for it (a C1 control in the Windows code pages, a private-use
// character in windows-874, U+001A).
class SingleByteTable
{
public:
    // nullopt where the encoding has characters of more than one byte, or
    // keeps a state between them.
    static std::optional<SingleByteTable> of(QByteArrayView name);

    char16_t at(uchar byte) const { return m_chars[byte]; }
    bool undefined(uchar byte) const { return m_chars[byte] == QChar::ReplacementCharacter; }

    // What a byte stands for, as far as telling two code pages apart goes:
    // text is letters (and their marks); undefined bytes, controls and box
    // drawing are hardly ever text.
    enum class Kind { Letter, Sign, NotText };
    Kind kind(uchar byte) const;

private:
    std::array<char16_t, 256> m_chars{};
};

// Qt's decoder of a name, telling how many errors it met: a U+FFFD the text
// holds (GB18030 has one) is no error.
class CountingDecoder : public QStringDecoder
{
public:
    using QStringDecoder::QStringDecoder;
    qsizetype errors() const { return state.invalidChars; }
};

// Where the base64 runs of UTF-7 text end with bits that make no
// character, over text fed in chunks.
class Utf7Runs
{
public:
    // The index of the next byte from `from` on that ends a run badly, or -1
    // once the bytes are used up.
    qsizetype nextBadEnd(QByteArrayView bytes, qsizetype from);

private:
    static int base64Value(char c);
    bool m_inRun = false;
    int m_bits = 0;       // left over from the last whole UTF-16 unit
    quint32 m_value = 0;  // those bits
};

// Decodes a text fed in chunks of any size into valid UTF-16: bytes that
// make no character, an unpaired surrogate, a value past U+10FFFF and a
// character the text ends inside of each become U+FFFD, at the end as in the
// middle. What LibreOffice is sent must be valid UTF-16, or the bridge fails.
class TextDecoder
{
public:
    // What becomes of bytes that are not valid UTF-8.
    enum class InvalidUtf8 {
        Replace,           // each error, as Unicode counts them, is one U+FFFD
        ReadAsWindows1252, // each byte is the character Windows-1252 has for it
        NoneThere,         // the text was checked whole: nothing to look for
    };

    // name: for Other, the encoding's name.
    explicit TextDecoder(TextEncoding encoding, const QByteArray &name = {},
                         InvalidUtf8 invalidUtf8 = InvalidUtf8::Replace);

    // From the next bytes on (a cut character held back included).
    void setInvalidUtf8(InvalidUtf8 invalidUtf8) { m_invalidUtf8 = invalidUtf8; }

    void decode(QByteArrayView bytes, QString &out);
    // The text has ended: a character still open becomes U+FFFD.
    void finish(QString &out);

    // The characters so far that stand for bytes not valid in the
    // encoding: each U+FFFD made (never one the text holds), or for
    // Windows-1252 each of its five undefined bytes.
    qint64 invalidCount() const { return m_invalid; }
    // ReadAsWindows1252: the bytes so far that were not UTF-8.
    qint64 strayCount() const { return m_strays; }
    // A code page of one byte a character.
    bool oneBytePerCharacter() const { return m_encoding == TextEncoding::Windows1252 || m_table.has_value(); }

private:
    QByteArrayView withHeld(QByteArrayView bytes, QByteArray &joined);
    void decodeUtf8(QByteArrayView bytes, QString &out);
    void decodeInvalidUtf8(QByteArrayView bytes, QString &out);
    void invalidUtf8(QByteArrayView bytes, QString &out);
    void decodeUtf16(QByteArrayView bytes, QString &out);
    void decodeUtf32(QByteArrayView bytes, QString &out);
    void appendNamed(QByteArrayView bytes, QString &out);
    void appendNamedPart(QByteArrayView bytes, QString &out);
    QString decodeNamed(QByteArrayView bytes);
    void appendByTable(QByteArrayView bytes, QString &out);
    void findBytesApart(const QByteArray &name);
    void appendDecoded(QStringView decoded, QString &out, bool standIns);
    void finishNamed(QString &out);
    void appendUtf16Unit(char16_t unit, char16_t *&dest);

    TextEncoding m_encoding;
    InvalidUtf8 m_invalidUtf8;
    qint64 m_invalid = 0;
    qint64 m_strays = 0;
    QStringDecoder m_utf8;
    std::optional<SingleByteTable> m_table; // Other: a code page of one byte a character
    std::optional<CountingDecoder> m_named; // Other, any other: keeps its own state between chunks
    QString m_lineFeed;                     // what a line feed alone reads as in it
    std::optional<Utf7Runs> m_utf7;
    bool m_windows949 = false;
    bool m_iso2022kr = false;
    QByteArray m_bytesApart;   // Other: decoded apart from the rest
    QByteArray m_asThemselves; // of those, read as the ASCII they are
    QByteArray m_held;         // the start of a character whose end has not come yet
    char16_t m_highSurrogate = 0; // UTF-16, Other: waiting for its low half
};


} // namespace quillora
