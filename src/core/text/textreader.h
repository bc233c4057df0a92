// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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
// mark, UTF-16 and UTF-32 are told by their zero bytes, valid UTF-8 is read
// as UTF-8 and anything else as Windows-1252. A
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
    // The encoding's name, as Qt's decoders know it.
    QByteArray encodingName() const;

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
    bool fillPending();
    qsizetype pieceEnd();

    QString m_path;
    std::function<bool()> m_stopRequested;
    QFile m_file;
    QIODevice *m_device = nullptr;
    Sizes m_sizes;
    TextEncoding m_encoding = TextEncoding::Windows1252;
    QByteArray m_otherName; // for TextEncoding::Other
    std::optional<TextDecoder> m_decoder;
    QString m_pending;
    bool m_atEnd = false;
    bool m_gavePiece = false;
};

} // namespace quillora
