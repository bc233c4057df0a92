// SPDX-License-Identifier: GPL-3.0-or-later
// Where a reader's bytes come from: a regular file, a stream kept first in a
// file without a name, or packed text unpacked.
#include "core/text/textreader.h"

#include "core/failure.h"
#include "core/text/namelessfile.h"

#include <QCoreApplication>
#include <QScopeGuard>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

namespace {
// The reader's messages, in its translation context.
struct Message
{
    Q_DECLARE_TR_FUNCTIONS(quillora::TextReader)
};
} // namespace

// Opened by the name's own bytes, whatever their encoding; read so that a
// signal ends a read that blocks. Whether it is compressed whole.
bool TextReader::openFile(const QByteArray &name)
{
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw Failure(readFailure(m_path, qt_error_string(errno)));
    // Its first bytes, read in place, say whether it is compressed whole.
    char head[10] = {};
    const ssize_t read = ::pread(fd, head, sizeof head, 0);
    m_regular.emplace(fd, m_stopRequested);
    m_device = &*m_regular;
    return read > 0 && isCompressedStart(QByteArrayView(head, read));
}

// A file compressed whole, opened: read unpacked instead.
void TextReader::keepCompressed(qint64 sampleBytes)
{
    m_regular.reset();
    keepUnpacked({PackedText::Kind::Compressed, m_path, {}}, sampleBytes);
    start();
}

// A path below a file that did not stat (error): a member of an archive is
// read unpacked, and true; anything else is no file.
bool TextReader::keptMember(int error, qint64 sampleBytes)
{
    if (error != ENOTDIR)
        return false;
    const auto packed = packedTextOf(m_path);
    if (!packed)
        return false;
    keepUnpacked(*packed, sampleBytes);
    start();
    return true;
}

// Opened without waiting: a FIFO nobody writes to yet would hold the open
// itself, where no stop could reach it. A character device is read only
// when it is a terminal.
void TextReader::openStream(const QByteArray &name, bool terminalOnly)
{
    const int in = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (in < 0)
        throw Failure(readFailure(m_path, qt_error_string(errno)));
    if (terminalOnly && !::isatty(in)) {
        ::close(in);
        throw Failure(readFailure(m_path, Message::tr("It is not a file")));
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
    const int error = copyStream(in, kept, m_stopRequested);
    ::close(in);
    if (error != 0 || !m_file.open(kept, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(kept);
        throw Failure(readFailure(m_path, qt_error_string(error ? error : EIO)));
    }
    // Compressed ("gzip -c a.csv | quillora -"), it is the text it holds,
    // told by its bytes as a file is.
    char head[10] = {};
    const ssize_t read = ::pread(kept, head, sizeof head, 0);
    if (read <= 0 || !isCompressedStart(QByteArrayView(head, read)))
        return;
    const int held = ::dup(kept);
    m_file.close();
    if (held < 0)
        throw Failure(readFailure(m_path, qt_error_string(errno)));
    const auto closeHeld = qScopeGuard([held] { ::close(held); });
    keepUnpacked({PackedText::Kind::Compressed, u"/proc/self/fd/%1"_s.arg(held), {}, pathShown(m_path)}, 0);
}

// A small text stays in memory; a larger one goes on to a file without a
// name, so that memory stays bounded whatever it unpacks to.
void TextReader::keepUnpacked(const PackedText &packed, qint64 sampleBytes)
{
    constexpr qsizetype InMemory = 1 << 20;
    QByteArray text;
    int kept = -1;
    qint64 offset = 0;
    const auto closeKept = qScopeGuard([&] {
        if (kept >= 0)
            ::close(kept);
    });
    QByteArray head; // its first bytes, which tell what it is
    const auto sink = [&](QByteArrayView bytes) {
        if (head.size() < 10)
            head.append(bytes.first(std::min<qsizetype>(bytes.size(), 10 - head.size())));
        if (kept < 0 && text.size() + bytes.size() <= InMemory) {
            text.append(bytes);
            return;
        }
        if (kept < 0 && (kept = openNamelessFile(temporaryFolder())) < 0)
            throw Failure(readFailure(m_path, qt_error_string(errno)));
        text.append(bytes);
        if (const int error = writeBufferAt(kept, text, offset))
            throw Failure(readFailure(m_path, qt_error_string(error)));
    };
    // A sample is unpacked as far as the detector reads, as the import's is.
    const qint64 unpackBytes = sampleBytes > 0 ? std::max(sampleBytes, DetectorSample) : 0;
    Unpacked unpacked = unpackInto(packed, sink, {.stopRequested = m_stopRequested, .sampleBytes = unpackBytes});
    if (packed.kind == PackedText::Kind::Member && head.startsWith("PK\x03\x04"))
        throw Failure(readFailure(m_path, Message::tr("it is a .zip archive inside the archive: unpack it first")));
    // A member compressed itself (logs.zip › app.log.2.gz) is the text it
    // holds, told by its bytes as a file is: kept whole, then unpacked.
    if (packed.kind == PackedText::Kind::Member && isCompressedStart(head)) {
        if (sampleBytes > 0)
            return keepUnpacked(packed, 0);
        if (kept < 0 && ((kept = openNamelessFile(temporaryFolder())) < 0 || writeBufferAt(kept, text, offset) != 0))
            throw Failure(readFailure(m_path, qt_error_string(errno ? errno : EIO)));
        keepUnpacked({PackedText::Kind::Compressed, u"/proc/self/fd/%1"_s.arg(kept), {}, pathShown(m_path)}, 0);
        return;
    }
    if (sampleBytes > 0 && unpacked.written > sampleBytes) {
        m_unpackedStart = text;
        text.truncate(sampleBytes);
        unpacked.written = sampleBytes;
    }
    if (kept < 0) {
        m_sample.setData(text);
        m_sample.open(QIODevice::ReadOnly);
        m_device = &m_sample;
    } else if (::lseek(kept, 0, SEEK_SET) != 0 || !m_file.open(kept, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        throw Failure(readFailure(m_path, qt_error_string(errno ? errno : EIO)));
    } else {
        kept = -1; // the file's now
        m_device = &m_file;
    }
    m_fileSize = unpacked.text;
    m_packedSize = unpacked.packed;
    m_sampled = unpacked.written < unpacked.text;
}

} // namespace quillora
