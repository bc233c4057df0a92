// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/text/encodings.h"
#include "core/text/interruptiblefile.h"
#include "core/text/packedtext.h"
#include "core/text/textdecoder.h"
#include "core/text/utf8.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QIODevice>
#include <QString>
#include <QStringDecoder>

#include <functional>
#include <optional>
#include <utility>

namespace quillora {

// Standard input, as the command line lists "-": read from where the
// caller left it, whatever it is (a pipe, a socket, a file, /dev/null).
inline constexpr QStringView StandardInputPath = u"/dev/stdin";
// A path as reports name it: standard input is "stdin", a member of an
// archive "archive.zip › member.csv".
inline QString pathShown(const QString &path)
{
    return path == StandardInputPath ? QStringLiteral("stdin") : packedPathShown(path);
}

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
    // What the statistical detector reads of a text at most.
    static constexpr qint64 DetectorSample = 1024 * 1024;

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
    // Reads at most sample.bytes of a regular file (never a stream, which
    // only an import may use up), to look at it before it is imported.
    struct Sample
    {
        qint64 bytes;
    };
    TextReader(Sample sample, const QString &path, const std::optional<ChosenEncoding> &chosen = {});
    // Reads an open device instead, in the sizes given.
    TextReader(QIODevice &device, const QString &name, Sizes sizes, const std::optional<ChosenEncoding> &chosen = {});

    // The file's size as the system gave it as it was opened (0 for a
    // stream), and whether only a sample of it is read. Packed text (a
    // compressed file, a member of an archive) is read unpacked: its size is
    // its text's, and packedSize what it takes packed (0 for plain text);
    // a sample's reckoned from the part read.
    qint64 fileSize() const { return m_fileSize; }
    qint64 packedSize() const { return m_packedSize; }
    bool sampled() const { return m_sampled; }

    TextEncoding encoding() const { return m_encoding; }
    // The encoding's name, as Qt's decoders know it.
    QByteArray encodingName() const;
    // The encoding the user chose was taken (the file had no mark).
    bool encodingChosen() const { return m_tookChosen; }
    // Windows-1252 was taken because nothing better was found.
    bool encodingGuessed() const { return m_guessed; }
    // What the text read so far held that the encoding does not: see
    // TextDecoder.
    qint64 invalidCount() const { return m_decoder ? m_decoder->invalidCount() : 0; }
    qint64 strayCount() const { return m_decoder ? m_decoder->strayCount() : 0; }
    // The valid UTF-8 sequences of two bytes or more in a text read in a
    // code page of one byte a character, where they are too many to be
    // chance (or the code page was a guess): text pasted in from
    // elsewhere, or UTF-8 with too many bytes of another encoding. Known
    // once the text is read.
    qint64 utf8SequencesReadOtherwise() const;

    // The next piece, line breaks untouched; false once the text is used up.
    // Memory holds a piece and a read, whatever the length of a line.
    // An empty file gives one empty piece. Throws Failure on a read error.
    bool readPiece(QString &piece);
    // Whether the text given so far was read in the wrong encoding and the
    // last piece is the first of the text read again from the start: what
    // came before it is to be forgotten. Asked once.
    bool takeStartOver() { return std::exchange(m_restarted, false); }

private:
    // "The file ... cannot be read: reason".
    static QString readFailure(const QString &path, const QString &reason);
    void start();
    // Open by the name's own bytes.
    void openStream(const QByteArray &name, bool terminalOnly);
    void keepStream(int in);
    // Unpacked into a file without a name, and read from there; at most
    // sampleBytes of it where that is more than 0.
    void keepUnpacked(const PackedText &packed, qint64 sampleBytes);
    bool openFile(const QByteArray &name);
    void keepCompressed(qint64 sampleBytes);
    bool keptMember(int error, qint64 sampleBytes);
    [[noreturn]] void readFailed() const;
    TextEncoding detectEncoding();
    TextEncoding chosenEncoding();
    TextEncoding findEncoding();
    enum class Decision { GoOn, StartOver, Stopped };
    Decision decideOnStrays(qint64 chunkSize);
    QByteArray readChunk();
    QByteArray detectorSample(qint64 from);
    void countUtf8Anew();
    void dropCutLine();
    bool fillPending();

    QString m_path;
    std::function<bool()> m_stopRequested;
    QFile m_file; // a stream, kept
    std::optional<InterruptibleFile> m_regular;
    QBuffer m_sample;
    QByteArray m_sampledName; // the file a sample was read from
    QByteArray m_unpackedStart; // of packed text sampled: as far as the detector reads
    qint64 m_fileSize = 0;
    qint64 m_packedSize = 0;
    bool m_sampled = false;
    QIODevice *m_device = nullptr;
    Sizes m_sizes;
    TextEncoding m_encoding = TextEncoding::Windows1252;
    QByteArray m_otherName; // for TextEncoding::Other
    std::optional<ChosenEncoding> m_chosen;
    TextDecoder::InvalidUtf8 m_invalidUtf8 = TextDecoder::InvalidUtf8::Replace;
    bool m_guessed = false;
    bool m_tookChosen = false;
    // Taken as UTF-8 until a byte says otherwise; counted as it is read.
    bool m_undecided = false;
    Utf8Census m_census;
    // Counted over the text decoded in a code page of one byte a character.
    std::optional<Utf8Evidence> m_utf8Evidence;
    qint64 m_firstPassEnd = 0;   // where a first pass stopped reading
    bool m_restarted = false;
    std::optional<TextDecoder> m_decoder;
    QString m_pending;
    bool m_atEnd = false;
    bool m_deviceEnded = false; // the device gave all it holds
    bool m_gavePiece = false;
};

} // namespace quillora
