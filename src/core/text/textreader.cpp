// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/textreader.h"

#include "core/failure.h"
#include "core/list/paths.h"
#include "core/text/namelessfile.h"

#include <QDir>
#include <QFileInfo>

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/sysmacros.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

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

QString readFailure(const QString &path, const QString &reason)
{
    return u"The file \"%1\" cannot be read: %2"_s.arg(path, reason);
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

bool Utf8Validator::feed(QByteArrayView bytes)
{
    for (const char ch : bytes) {
        if (!m_valid)
            return false;
        const auto b = static_cast<uchar>(ch);
        if (m_pending > 0) {
            if (b < m_lowest || b > m_highest) {
                m_valid = false;
                return false;
            }
            --m_pending;
            m_lowest = 0x80;
            m_highest = 0xBF;
            continue;
        }
        if (b < 0x80)
            continue;
        // Lead bytes, with the bounds of the first continuation byte that
        // rule out overlong forms, surrogates and code points past U+10FFFF.
        if (b >= 0xC2 && b <= 0xDF) {
            m_pending = 1;
        } else if (b == 0xE0) {
            m_pending = 2;
            m_lowest = 0xA0;
        } else if ((b >= 0xE1 && b <= 0xEC) || b == 0xEE || b == 0xEF) {
            m_pending = 2;
        } else if (b == 0xED) {
            m_pending = 2;
            m_highest = 0x9F;
        } else if (b == 0xF0) {
            m_pending = 3;
            m_lowest = 0x90;
        } else if (b >= 0xF1 && b <= 0xF3) {
            m_pending = 3;
        } else if (b == 0xF4) {
            m_pending = 3;
            m_highest = 0x8F;
        } else {
            m_valid = false;
        }
    }
    return m_valid;
}

void appendWindows1252(QString &out, QByteArrayView bytes)
{
    static constexpr std::array<char16_t, 32> High{
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    const qsizetype start = out.size();
    out.resize(start + bytes.size());
    char16_t *dest = reinterpret_cast<char16_t *>(out.data()) + start;
    for (const char ch : bytes) {
        const auto b = static_cast<uchar>(ch);
        *dest++ = (b >= 0x80 && b < 0xA0) ? High[b - 0x80] : char16_t(b);
    }
}

TextDecoder::TextDecoder(TextEncoding encoding)
    : m_encoding(encoding)
    // Fed whole sequences only (a cut one is held back), so it keeps no state;
    // a U+FEFF left after the mark is text and stays.
    , m_utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom)
{
}

void TextDecoder::decode(QByteArrayView bytes, QString &out)
{
    switch (m_encoding) {
    case TextEncoding::Windows1252:
        appendWindows1252(out, bytes);
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
    }
}

void TextDecoder::finish(QString &out)
{
    if (m_encoding == TextEncoding::Utf8) {
        // Decoded on its own, an unfinished sequence gives what it would
        // give in the middle of the text.
        if (!m_held.isEmpty())
            out += m_utf8.decode(m_held);
    } else {
        // A surrogate without its pair, then the bytes of an unfinished unit.
        if (m_highSurrogate != 0)
            out += QChar(QChar::ReplacementCharacter);
        if (!m_held.isEmpty())
            out += QChar(QChar::ReplacementCharacter);
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
    out += m_utf8.decode(bytes.first(whole));
    m_held = bytes.sliced(whole).toByteArray();
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
        m_highSurrogate = 0;
    }
    if (QChar::isHighSurrogate(unit))
        m_highSurrogate = unit;
    else
        *dest++ = QChar::isLowSurrogate(unit) ? char16_t(QChar::ReplacementCharacter) : unit;
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

bool isValidUtf16(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return false;
    }
    return true;
}

TextReader::TextReader(const QString &path, std::function<bool()> stopRequested)
    : m_path(path)
    , m_stopRequested(std::move(stopRequested))
    , m_device(&m_file)
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
        // A name that reached here through a decoder that could not keep
        // its bytes names no file any more.
        const bool lostBytes = errno == ENOENT && path.contains(QChar(QChar::ReplacementCharacter));
        throw Failure(readFailure(path, errno != ENOENT ? qt_error_string(errno)
                                      : lostBytes     ? u"File not found (the name is not valid UTF-8)"_s
                                                      : u"File not found"_s));
    }
    // Other devices (/dev/zero, say) would never end; /dev/null is an empty file.
    const bool isNull = S_ISCHR(info.st_mode) && info.st_rdev == makedev(1, 3);
    if (S_ISFIFO(info.st_mode) || isNull)
        openStream(name);
    else if (S_ISCHR(info.st_mode))
        keepStreamIfTerminal(name);
    else if (!S_ISREG(info.st_mode))
        throw Failure(readFailure(path, u"It is not a file"_s));
    else
        openFile(name);
    start();
}

// Opened by the name's own bytes, whatever their encoding.
void TextReader::openFile(const QByteArray &name)
{
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw Failure(readFailure(m_path, qt_error_string(errno)));
    if (!m_file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        readFailed();
    }
}

// Opened without waiting: a FIFO nobody writes to yet would hold the open
// itself, where no stop could reach it.
void TextReader::openStream(const QByteArray &name)
{
    const int in = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (in < 0)
        throw Failure(readFailure(m_path, qt_error_string(errno)));
    keepStream(in);
}

void TextReader::keepStreamIfTerminal(const QByteArray &name)
{
    const int in = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (in < 0)
        throw Failure(readFailure(m_path, qt_error_string(errno)));
    if (!::isatty(in)) {
        ::close(in);
        throw Failure(readFailure(m_path, u"It is not a file"_s));
    }
    keepStream(in);
}

// A stream (standard input, a pipe, a FIFO, a terminal) can be read only
// once, and the encoding is told from the whole text: it is kept in a file
// without a name first, and read from there. Takes the descriptor.
void TextReader::keepStream(int in)
{
    const int kept = openNamelessFile(temporaryFolder());
    if (kept < 0) {
        const int error = errno;
        ::close(in);
        throw Failure(readFailure(m_path, qt_error_string(error)));
    }
    constexpr qsizetype Block = 1024 * 1024;
    // How long a quiet stream is waited for before the stop is asked again.
    constexpr int AskEveryMs = 100;
    QByteArray buffer;
    qint64 offset = 0;
    int error = 0;
    while (!(m_stopRequested && m_stopRequested())) {
        pollfd ready{in, POLLIN, 0};
        const int polled = ::poll(&ready, 1, AskEveryMs);
        if (polled == 0 || (polled < 0 && errno == EINTR))
            continue;
        buffer.resize(Block);
        const ssize_t got = polled < 0 ? -1 : ::read(in, buffer.data(), size_t(Block));
        if (got < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (got <= 0) {
            error = got < 0 ? errno : 0;
            break;
        }
        buffer.resize(got);
        if ((error = writeBufferAt(kept, buffer, offset)) != 0)
            break;
    }
    ::close(in);
    if (error != 0 || !m_file.open(kept, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(kept);
        throw Failure(readFailure(m_path, qt_error_string(error ? error : EIO)));
    }
}

TextReader::TextReader(QIODevice &device, const QString &name, Sizes sizes)
    : m_path(name)
    , m_device(&device)
    , m_sizes(sizes)
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
    m_decoder.emplace(m_encoding);
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
    Utf8Validator validator;
    while (!m_device->atEnd()) {
        const QByteArray chunk = m_device->read(m_sizes.read);
        if (chunk.isEmpty())
            readFailed();
        if (!validator.feed(chunk))
            break;
    }
    const bool utf8 = validator.finish();
    if (!m_device->seek(0))
        readFailed();
    return utf8 ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

bool TextReader::fillPending()
{
    if (m_atEnd)
        return false;
    const QByteArray chunk = m_device->read(m_sizes.read);
    if (chunk.isEmpty()) {
        if (!m_device->atEnd())
            readFailed();
        m_atEnd = true;
        m_decoder->finish(m_pending);
        return false;
    }
    m_decoder->decode(chunk, m_pending);
    return true;
}

// Where the next piece ends in m_pending, or -1 when more text is needed to
// tell. A piece ends after the last line break within m_sizes.piece characters;
// a CR at the very end of what is known may still be followed by its LF.
// Without a line break there, the piece ends inside a line.
qsizetype TextReader::pieceEnd()
{
    const qsizetype known = m_pending.size();
    const bool whole = m_atEnd;
    if (!whole && known <= m_sizes.piece)
        return -1;
    if (whole && known <= m_sizes.piece)
        return known;
    const auto breakEnd = [&](qsizetype at) -> qsizetype {
        // at is a CR or LF; returns the position after the break, or -1 when
        // a CR ends what is known so far.
        if (m_pending.at(at) == u'\r') {
            if (at + 1 < known)
                return m_pending.at(at + 1) == u'\n' ? at + 2 : at + 1;
            return whole ? at + 1 : -1;
        }
        return at + 1;
    };
    for (qsizetype at = m_sizes.piece - 1; at >= 0; --at) {
        const QChar c = m_pending.at(at);
        if (c == u'\n' || c == u'\r') {
            const qsizetype end = breakEnd(at);
            if (end >= 0 && end <= m_sizes.piece + 1)
                return end;
        }
    }
    // A line longer than a piece goes in pieces of its own, never more than
    // a piece held at once; a character outside the BMP is not cut in two.
    qsizetype cut = m_sizes.piece;
    if (m_pending.at(cut - 1).isHighSurrogate())
        cut += cut > 1 ? -1 : 1;
    return cut;
}

bool TextReader::readPiece(QString &piece)
{
    qsizetype end = pieceEnd();
    while (end < 0) {
        fillPending();
        end = pieceEnd();
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
