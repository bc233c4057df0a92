// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/text/encodings.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <optional>

namespace quillora {

// Windows-1252 to UTF-16; the five unassigned bytes map to the C1 controls
// of the same value, so every byte has a character. Returns how many of
// them there were.
qsizetype appendWindows1252(QString &out, QByteArrayView bytes);

// Whether the name is one of the single-byte code pages of DOS (IBM437,
// IBM850, IBM866 ...), as Qt's decoders name them: ASCII below 0x80.
bool isDosCodePage(QByteArrayView name);

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
    // encoding: each U+FFFD made, or for Windows-1252 each of its five
    // undefined bytes.
    qint64 invalidCount() const { return m_invalid; }
    // ReadAsWindows1252: the bytes so far that were not UTF-8.
    qint64 strayCount() const { return m_strays; }

private:
    QByteArrayView withHeld(QByteArrayView bytes, QByteArray &joined);
    void decodeUtf8(QByteArrayView bytes, QString &out);
    void decodeInvalidUtf8(QByteArrayView bytes, QString &out);
    void invalidUtf8(QByteArrayView bytes, QString &out);
    void decodeUtf16(QByteArrayView bytes, QString &out);
    void decodeUtf32(QByteArrayView bytes, QString &out);
    void appendNamed(QByteArrayView bytes, QString &out);
    void appendNamedPart(QByteArrayView bytes, QString &out);
    void appendAsciiApart(QByteArrayView bytes, QString &out);
    void appendDecoded(QStringView decoded, QString &out, bool standIns);
    void finishNamed(QString &out);
    void appendUtf16Unit(char16_t unit, char16_t *&dest);

    TextEncoding m_encoding;
    InvalidUtf8 m_invalidUtf8;
    qint64 m_invalid = 0;
    qint64 m_strays = 0;
    QStringDecoder m_utf8;
    std::optional<QStringDecoder> m_named; // Other: keeps its own state between chunks
    QString m_lineFeed;                    // Other: what a line feed alone reads as
    std::optional<Utf7Runs> m_utf7;
    bool m_asciiBelow80 = false; // Other: a DOS code page
    bool m_windows949 = false;
    QByteArray m_held;         // the start of a character whose end has not come yet
    char16_t m_highSurrogate = 0; // UTF-16, Other: waiting for its low half
};


} // namespace quillora
