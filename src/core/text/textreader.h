// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/text/encodings.h"
#include "core/text/textdecoder.h"

#include <QByteArray>
#include <QFile>
#include <QIODevice>
#include <QString>
#include <QStringDecoder>

#include <functional>
#include <optional>

namespace quillora {

// Standard input, as the command line lists "-": read from where the
// caller left it, whatever it is (a pipe, a socket, a file, /dev/null).
inline constexpr QStringView StandardInputPath = u"/dev/stdin";

// Reads a text file in pieces, decoding it as its mark says; without a
// mark, in the encoding the user chose, or else the one found: UTF-16 and
// UTF-32 by their zero bytes, then UTF-8 (with a few stray bytes read as
// Windows-1252 reads them), then what a statistical detector finds, and
// Windows-1252 where it finds nothing. A
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
    // chosen: the encoding of a file without a mark, nullopt to find it.
    explicit TextReader(const QString &path, std::function<bool()> stopRequested = {},
                        const std::optional<ChosenEncoding> &chosen = {});
    // Reads an open device instead, in the sizes given.
    TextReader(QIODevice &device, const QString &name, Sizes sizes, const std::optional<ChosenEncoding> &chosen = {});

    TextEncoding encoding() const { return m_encoding; }
    // The encoding's name, as Qt's decoders know it.
    QByteArray encodingName() const;
    // Windows-1252 was taken because nothing better was found.
    bool encodingGuessed() const { return m_guessed; }
    // What the text read so far held that the encoding does not: see
    // TextDecoder.
    qint64 invalidCount() const { return m_decoder ? m_decoder->invalidCount() : 0; }
    qint64 strayCount() const { return m_decoder ? m_decoder->strayCount() : 0; }

    // The next piece, line breaks untouched; false once the text is used up.
    // Memory holds a piece and a read, whatever the length of a line.
    // An empty file gives one empty piece. Throws Failure on a read error.
    bool readPiece(QString &piece);

private:
    void start();
    // Open by the name's own bytes.
    void openStream(const QByteArray &name, bool terminalOnly);
    void keepStream(int in);
    void openFile(const QByteArray &name);
    [[noreturn]] void readFailed() const;
    TextEncoding detectEncoding();
    TextEncoding chosenEncoding();
    TextEncoding findEncoding();
    bool fillPending();
    qsizetype pieceEnd();

    QString m_path;
    std::function<bool()> m_stopRequested;
    QFile m_file;
    QIODevice *m_device = nullptr;
    Sizes m_sizes;
    TextEncoding m_encoding = TextEncoding::Windows1252;
    QByteArray m_otherName; // for TextEncoding::Other
    std::optional<ChosenEncoding> m_chosen;
    TextDecoder::InvalidUtf8 m_invalidUtf8 = TextDecoder::InvalidUtf8::Replace;
    bool m_guessed = false;
    std::optional<TextDecoder> m_decoder;
    QString m_pending;
    bool m_atEnd = false;
    bool m_gavePiece = false;
};

} // namespace quillora
