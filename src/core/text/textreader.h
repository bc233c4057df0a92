// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>
#include <QIODevice>
#include <QString>
#include <QStringDecoder>

#include <functional>
#include <optional>

namespace quillora {

enum class TextEncoding { Windows1252, Utf8, Utf16LE, Utf16BE, Utf32LE, Utf32BE };

struct EncodingMark
{
    TextEncoding encoding;
    int length; // bytes of the mark, not part of the text
};

// The byte-order marks, tested in this order on the first bytes of a file of
// fileSize bytes: FF FE 00 00 and 00 00 FE FF (UTF-32), EF BB BF (UTF-8),
// FF FE and FE FF (UTF-16). Each is read as the encoding it names.
std::optional<EncodingMark> DetectUnicode(QByteArrayView head, qint64 fileSize);

// Strict UTF-8 validation, fed in chunks of any size.
class Utf8Validator
{
public:
    bool feed(QByteArrayView bytes);
    // True when everything fed was valid and no sequence was left open.
    bool finish() const { return m_valid && m_pending == 0; }

private:
    bool m_valid = true;
    int m_pending = 0;     // continuation bytes still expected
    uchar m_lowest = 0x80; // bounds of the next continuation byte
    uchar m_highest = 0xBF;
};

// Windows-1252 to UTF-16; the five unassigned bytes map to the C1 controls
// of the same value, so every byte has a character.
void appendWindows1252(QString &out, QByteArrayView bytes);

// Decodes a text fed in chunks of any size into valid UTF-16: bytes that
// make no character, an unpaired surrogate, a value past U+10FFFF and a
// character the text ends inside of each become U+FFFD, at the end as in the
// middle. What LibreOffice is sent must be valid UTF-16, or the bridge fails.
class TextDecoder
{
public:
    explicit TextDecoder(TextEncoding encoding);

    void decode(QByteArrayView bytes, QString &out);
    // The text has ended: a character still open becomes U+FFFD.
    void finish(QString &out);

private:
    QByteArrayView withHeld(QByteArrayView bytes, QByteArray &joined);
    void decodeUtf8(QByteArrayView bytes, QString &out);
    void decodeUtf16(QByteArrayView bytes, QString &out);
    void decodeUtf32(QByteArrayView bytes, QString &out);
    void appendUtf16Unit(char16_t unit, char16_t *&dest);

    TextEncoding m_encoding;
    QStringDecoder m_utf8;
    QByteArray m_held;         // the start of a character whose end has not come yet
    char16_t m_highSurrogate = 0; // UTF-16: waiting for its low half
};

// Whether text is well-formed UTF-16: every surrogate in a pair.
bool isValidUtf16(QStringView text);

// Standard input, as the command line lists "-": read from where the
// caller left it, whatever it is (a pipe, a socket, a file, /dev/null).
inline constexpr QStringView StandardInputPath = u"/dev/stdin";

// Reads a text file in pieces, decoding it as its mark says; without a
// mark, valid UTF-8 is read as UTF-8 and anything else as Windows-1252. A
// piece is at most PieceSize characters and ends after a line break; only
// a line longer than a piece is given in pieces that end inside it (never
// between CR and LF, nor inside a surrogate pair).
class TextReader
{
public:
    static constexpr qsizetype PieceSize = 65536;

    struct Sizes
    {
        qint64 read = 256 * 1024;      // bytes per read from the device
        qsizetype piece = PieceSize;   // characters per piece
    };

    // Opens the file and works out its encoding; throws Failure when it
    // cannot be read. A stream (a pipe, a FIFO, a terminal) is read until
    // it ends or stopRequested says so, which it is asked often, however
    // quiet the stream: what came until then is the text.
    explicit TextReader(const QString &path, std::function<bool()> stopRequested = {});
    // Reads an open device instead, in the sizes given.
    TextReader(QIODevice &device, const QString &name, Sizes sizes);

    TextEncoding encoding() const { return m_encoding; }

    // The next piece, line breaks untouched; false once the text is used up.
    // Memory holds a piece and a read, whatever the length of a line.
    // An empty file gives one empty piece. Throws Failure on a read error.
    bool readPiece(QString &piece);

private:
    void start();
    // Open by the name's own bytes.
    void openStream(const QByteArray &name);
    void keepStreamIfTerminal(const QByteArray &name);
    void keepStream(int in);
    void openFile(const QByteArray &name);
    [[noreturn]] void readFailed() const;
    TextEncoding detectEncoding();
    bool fillPending();
    qsizetype pieceEnd();

    QString m_path;
    std::function<bool()> m_stopRequested;
    QFile m_file;
    QIODevice *m_device = nullptr;
    Sizes m_sizes;
    TextEncoding m_encoding = TextEncoding::Windows1252;
    std::optional<TextDecoder> m_decoder;
    QString m_pending;
    bool m_atEnd = false;
    bool m_gavePiece = false;
};

} // namespace quillora
