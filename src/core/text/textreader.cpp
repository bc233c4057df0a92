// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/textreader.h"

#include "core/failure.h"
#include "core/text/encodingdetection.h"
#include "core/text/filenames.h"
#include "core/text/textpieces.h"
#include "core/text/utf8.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cerrno>

#include <fcntl.h>
#include <sys/sysmacros.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

namespace {
// This file's messages, in one translation context.
struct Message
{
    Q_DECLARE_TR_FUNCTIONS(quillora::TextReader)
};
} // namespace

QString TextReader::readFailure(const QString &path, const QString &reason)
{
    return Message::tr("The file \"%1\" cannot be read: %2").arg(pathShown(path), reason);
}

TextReader::TextReader(const QString &path, std::function<bool()> stopRequested,
                       const std::optional<ChosenEncoding> &chosen)
    : m_path(path)
    , m_stopRequested(std::move(stopRequested))
    , m_device(&m_file)
    , m_chosen(chosen)
{
    if (path == StandardInputPath) {
        // The caller's own descriptor, not the name opened anew: a file
        // given as standard input is read from where the caller left it.
        const int in = ::fcntl(STDIN_FILENO, F_DUPFD_CLOEXEC, 0);
        if (in < 0)
            throw Failure(readFailure(m_path, qt_error_string(errno)));
        keepStream(in);
        start();
        return;
    }
    const QByteArray name = encodePath(path);
    struct stat info{};
    if (::stat(name.constData(), &info) != 0) {
        const int error = errno;
        if (keptMember(error, 0))
            return;
        // A name that reached here through a decoder that could not keep
        // its bytes names no file any more.
        const bool lostBytes = error == ENOENT && path.contains(QChar(QChar::ReplacementCharacter));
        throw Failure(readFailure(path, error != ENOENT ? qt_error_string(error)
                                      : lostBytes ? Message::tr("File not found (the name is not valid UTF-8)")
                                                  : Message::tr("File not found")));
    }
    // Other devices (/dev/zero, say) would never end; /dev/null is an empty file.
    const bool isNull = S_ISCHR(info.st_mode) && info.st_rdev == makedev(1, 3);
    if (S_ISFIFO(info.st_mode) || isNull)
        openStream(name, false);
    else if (S_ISCHR(info.st_mode))
        openStream(name, true);
    else if (!S_ISREG(info.st_mode))
        throw Failure(readFailure(path, Message::tr("It is not a file")));
    else if (openFile(name)) {
        keepCompressed(0);
        return;
    }
    m_fileSize = S_ISREG(info.st_mode) ? info.st_size : 0;
    start();
}

TextReader::TextReader(Sample sample, const QString &path, const std::optional<ChosenEncoding> &chosen)
    : m_path(path)
    , m_device(&m_file)
    , m_chosen(chosen)
{
    const QByteArray name = encodePath(path);
    struct stat info{};
    if (::stat(name.constData(), &info) != 0) {
        const int error = errno;
        if (keptMember(error, sample.bytes))
            return;
        throw Failure(readFailure(path, qt_error_string(error)));
    }
    // A pipe or a terminal gives its text once: to the import.
    if (!S_ISREG(info.st_mode))
        throw Failure(readFailure(path, Message::tr("It is not a file that can be looked at before it is imported")));
    if (openFile(name)) {
        keepCompressed(sample.bytes);
        return;
    }
    const QByteArray bytes = m_device->read(sample.bytes);
    if (m_regular->failed())
        readFailed();
    m_regular.reset();
    m_sampledName = name;
    m_fileSize = info.st_size;
    m_sampled = bytes.size() < m_fileSize;
    m_sample.setData(bytes);
    m_sample.open(QIODevice::ReadOnly);
    m_device = &m_sample;
    start();
}

TextReader::TextReader(QIODevice &device, const QString &name, Sizes sizes,
                       const std::optional<ChosenEncoding> &chosen)
    : m_path(name)
    , m_device(&device)
    , m_sizes(sizes)
    , m_chosen(chosen)
{
    start();
}

void TextReader::start()
{
    // A run that stopped while a stream was read wants none of it.
    if (m_stopRequested && m_stopRequested())
        m_atEnd = true;
    else
        m_encoding = detectEncoding();
    m_decoder.emplace(m_encoding, m_otherName, m_invalidUtf8);
    if (m_tookChosen)
        countUtf8Anew();
    // Text taken as UTF-8 is known for what it is from its first chunk on,
    // most of the time.
    if (m_undecided)
        fillPending();
}

void TextReader::readFailed() const
{
    throw Failure(readFailure(m_path, m_device->errorString()));
}

TextEncoding TextReader::detectEncoding()
{
    const qint64 size = m_device->size();
    const QByteArray head = m_device->peek(4);
    if (const auto mark = DetectUnicode(head, size)) {
        m_device->skip(mark->length);
        return mark->encoding;
    }
    return m_chosen ? chosenEncoding() : findEncoding();
}

namespace {
constexpr qint64 UnicodeSample = 64 * 1024;
} // namespace

TextEncoding TextReader::chosenEncoding()
{
    m_tookChosen = true;
    m_otherName = m_chosen->name;
    // "UTF-16" or "UTF-32" alone: the byte order the zero bytes tell.
    const bool orderUntold = m_otherName == "UTF-16" || m_otherName == "UTF-32";
    if (orderUntold) {
        const auto unicode = detectUnicodeWithoutMark(m_device->peek(UnicodeSample));
        const auto width = [](TextEncoding e) {
            return e == TextEncoding::Utf16LE || e == TextEncoding::Utf16BE ? 2 : 4;
        };
        if (unicode && width(*unicode) == width(m_chosen->encoding))
            return *unicode;
    }
    return m_chosen->encoding;
}

// Most files are UTF-8: they are taken so and decoded as they are read,
// each chunk checked on its way. Only a chunk holding bytes that are not
// UTF-8 makes the reader look further (see decideOnStrays).
TextEncoding TextReader::findEncoding()
{
    const QByteArray sample = m_device->peek(UnicodeSample);
    if (const auto unicode = detectUnicodeWithoutMark(sample))
        return *unicode;
    // Seven bits that switch character sets would pass for UTF-8.
    if (const auto iso2022 = encodingNamed(detectIso2022(sample))) {
        m_otherName = iso2022->name;
        return iso2022->encoding;
    }
    m_undecided = true;
    m_invalidUtf8 = TextDecoder::InvalidUtf8::NoneThere;
    return TextEncoding::Utf8;
}

// A chunk of text taken as UTF-8 holds bytes that are not: UTF-8 but for a
// few stray bytes (most likely a character or two typed by an older
// program), or no UTF-8 at all. The rest of the file is counted to tell;
// text where strays outnumber sequences early is no UTF-8. With a few
// strays the text goes on from this chunk, its strays read as Windows-1252
// reads them and counted as they are decoded; otherwise the file is read
// again from its start in the encoding found.
TextReader::Decision TextReader::decideOnStrays(qint64 chunkSize)
{
    constexpr qint64 ClearlyNotUtf8 = 256;
    const qint64 resume = m_device->pos();
    // Where the bytes that are not UTF-8 begin: all before was UTF-8.
    const qint64 strayChunk = resume - chunkSize;
    while (!(m_census.strays() > ClearlyNotUtf8 && m_census.strays() > m_census.sequences())) {
        const QByteArray chunk = readChunk();
        if (chunk.isEmpty())
            break;
        m_census.feed(chunk);
        // A large file takes a while: a run that stops wants none of it.
        if (m_stopRequested && m_stopRequested())
            return Decision::Stopped;
    }
    const bool counted = m_deviceEnded;
    const qint64 firstPassEnd = m_device->pos();
    if (counted)
        m_census.finish();
    m_undecided = false;
    // Valid UTF-8 of two bytes or more hardly happens by chance in text of
    // another encoding: four sequences a stray, or in a short text a stray
    // or two among more sequences (legacy CJK text, whose bytes pair up by
    // chance now and then, has strays for most of its characters).
    constexpr qint64 SequencesPerStray = 4;
    constexpr qint64 FewStrays = 2;
    const qint64 sequences = m_census.sequences();
    const qint64 strays = m_census.strays();
    if (counted && (sequences >= SequencesPerStray * strays || (strays <= FewStrays && sequences > strays))) {
        if (!m_device->seek(resume))
            readFailed();
        m_deviceEnded = false;
        m_decoder->setInvalidUtf8(TextDecoder::InvalidUtf8::ReadAsWindows1252);
        return Decision::GoOn;
    }
    const EncodingChoice found = detectLegacyEncoding(detectorSample(strayChunk));
    if (!m_device->seek(0))
        readFailed();
    m_deviceEnded = false;
    const auto named = encodingNamed(found.name);
    m_guessed = !named || !found.sure;
    m_encoding = named ? named->encoding : TextEncoding::Windows1252;
    m_otherName = named ? named->name : QByteArray();
    m_decoder.emplace(m_encoding, m_otherName);
    // The second pass counts the UTF-8 the text holds anew, all of it (what
    // was appended meanwhile too), and must get as far as the first.
    m_firstPassEnd = firstPassEnd;
    countUtf8Anew();
    // What the file holds now was there when the code page was chosen.
    if (m_utf8Evidence)
        m_utf8Evidence->judgeAppendedFrom(std::max(firstPassEnd, m_device->isSequential() ? 0 : m_device->size()));
    // What was given already was read wrong: the reader's user starts over.
    m_pending.clear();
    m_restarted = m_gavePiece;
    m_gavePiece = false;
    return Decision::StartOver;
}

// Enough for the detector to be sure, from where the text stops being
// UTF-8: a file may hold a long English start before its Cyrillic. A look at
// a sample of a file reads it from the file too, so that the look and the
// import decide from the same bytes.
QByteArray TextReader::detectorSample(qint64 from)
{
    if (!m_unpackedStart.isEmpty())
        return m_unpackedStart.mid(from, DetectorSample);
    if (!m_sampledName.isEmpty()) {
        const int fd = ::open(m_sampledName.constData(), O_RDONLY | O_CLOEXEC);
        if (fd >= 0) {
            InterruptibleFile file(fd, m_stopRequested);
            const QByteArray bytes = file.seek(from) ? file.read(DetectorSample) : QByteArray();
            if (!file.failed() && !bytes.isEmpty())
                return bytes;
        }
    }
    if (!m_device->seek(from))
        readFailed();
    return m_device->read(DetectorSample);
}

QByteArray TextReader::encodingName() const
{
    return nameOf(m_encoding, m_otherName);
}

// An empty chunk at the end. A file whose size says more than it holds (a
// sysfs file, one cut meanwhile) ends where its text ends; only an error is
// a failure.
QByteArray TextReader::readChunk()
{
    const QByteArray chunk = m_device->read(m_sizes.read);
    if (chunk.isEmpty()) {
        const auto *file = qobject_cast<QFileDevice *>(m_device);
        if ((m_regular && m_regular->failed()) || (file && file->error() != QFileDevice::NoError))
            readFailed();
        m_deviceEnded = true;
    }
    return chunk;
}

// Text read in a code page of one byte a character, chosen or found after
// a first pass, is counted for UTF-8 as it is decoded: valid sequences of
// two bytes or more say it may be UTF-8 after all. (Legacy text of two
// bytes a character pairs up as UTF-8 by chance.)
void TextReader::countUtf8Anew()
{
    m_utf8Evidence.emplace();
    if (!m_decoder->oneBytePerCharacter())
        m_utf8Evidence.reset();
}

qint64 TextReader::utf8SequencesReadOtherwise() const
{
    // A guess of another page than windows-1252 was still told by letters,
    // whose bytes pair up as UTF-8 by chance (Thai, Cyrillic).
    return m_utf8Evidence ? m_utf8Evidence->sequencesTold(m_guessed && m_encoding == TextEncoding::Windows1252) : 0;
}

bool TextReader::fillPending()
{
    if (m_atEnd)
        return false;
    QByteArray chunk = readChunk();
    if (m_utf8Evidence)
        m_utf8Evidence->feed(chunk, m_device->pos() - chunk.size());
    // A file cut while it was read a second time has lost text the first
    // pass saw: what is given would end short of it in silence.
    if (chunk.isEmpty() && m_device->pos() < m_firstPassEnd)
        throw Failure(readFailure(m_path, Message::tr("It changed while it was read")));
    if (m_undecided) {
        m_census.feed(chunk);
        if (chunk.isEmpty())
            m_census.finish();
        const Decision decision = m_census.strays() > 0 ? decideOnStrays(chunk.size()) : Decision::GoOn;
        if (decision == Decision::Stopped) {
            m_atEnd = true;
            return false;
        }
        if (decision == Decision::StartOver)
            return true;
    }
    if (chunk.isEmpty()) {
        m_atEnd = true;
        m_decoder->finish(m_pending);
        if (m_sampled)
            dropCutLine();
        return false;
    }
    m_decoder->decode(chunk, m_pending);
    return true;
}

// A sample ends where the file goes on: its last line, cut there, is not
// given. A CR at the very end stays, as the end of its line.
void TextReader::dropCutLine()
{
    const qsizetype lastBreak = std::max(m_pending.lastIndexOf(u'\n'), m_pending.lastIndexOf(u'\r'));
    m_pending.truncate(lastBreak + 1);
}

bool TextReader::readPiece(QString &piece)
{
    qsizetype end = pieceEndIn(m_pending, m_sizes.piece, m_atEnd);
    while (end < 0) {
        fillPending();
        end = pieceEndIn(m_pending, m_sizes.piece, m_atEnd);
    }
    if (end == 0) {
        if (m_gavePiece)
            return false;
        // A file without text still gives one empty piece.
        m_gavePiece = true;
        piece.clear();
        return true;
    }
    m_gavePiece = true;
    if (end == m_pending.size()) {
        piece = std::move(m_pending);
        m_pending = QString();
    } else {
        piece = m_pending.left(end);
        m_pending.remove(0, end);
    }
    return true;
}

} // namespace quillora
