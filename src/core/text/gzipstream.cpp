// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/gzipstream.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

namespace quillora {

namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("quillora::PackedText", text);
}

// The file, read a block at a time and closed however reading ends.
class InputFile
{
public:
    explicit InputFile(const QByteArray &path)
        : m_fd(::open(path.constData(), O_RDONLY | O_CLOEXEC))
    {
    }
    ~InputFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    InputFile(const InputFile &) = delete;
    InputFile &operator=(const InputFile &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    qint64 size() const
    {
        struct stat info{};
        return ::fstat(m_fd, &info) == 0 ? qint64(info.st_size) : 0;
    }
    // Bytes read into buffer; 0 at the end, -1 on an error.
    ssize_t read(std::vector<unsigned char> &buffer)
    {
        for (;;) {
            const ssize_t got = ::read(m_fd, buffer.data(), buffer.size());
            if (got >= 0 || errno != EINTR)
                return got;
        }
    }

private:
    int m_fd;
};

struct Inflater
{
    z_stream stream{};
    Inflater() { inflateInit2(&stream, 16 + MAX_WBITS); }
    ~Inflater() { inflateEnd(&stream); }
    Inflater(const Inflater &) = delete;
    Inflater &operator=(const Inflater &) = delete;
};

bool allZero(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return c == 0; });
}
} // namespace

Unpacked inflateGzipFile(const QByteArray &nativePath, const TextSink &sink, const UnpackLimits &limits,
                         const GzipChecks &checks)
{
    InputFile file(nativePath);
    if (!file.isOpen())
        checks.fail(qt_error_string(errno));
    const qint64 size = std::max<qint64>(1, file.size());
    thread_local std::vector<unsigned char> block(256 * 1024);
    thread_local std::vector<unsigned char> output(256 * 1024);
    Inflater inflater;
    z_stream &z = inflater.stream;
    qint64 packedRead = 0;
    qint64 total = 0;
    // Read and not yet inflated (from offset on); what follows the last
    // member, held while it is all zero bytes (padding), else the text.
    QByteArray pending;
    qsizetype offset = 0;
    QByteArray trailing;
    bool trailingText = false;
    bool atEnd = false;
    enum class Where { Member, Between, Trailing } where = Where::Member;
    const auto readMore = [&] {
        const ssize_t got = file.read(block);
        if (got < 0)
            checks.fail(qt_error_string(errno));
        atEnd = got == 0;
        packedRead += got;
        if (offset == pending.size()) {
            pending.clear();
            offset = 0;
        }
        pending.append(reinterpret_cast<const char *>(block.data()), got);
    };
    const auto unread = [&] { return QByteArrayView(pending).sliced(offset); };
    for (;;) {
        if (limits.stopRequested && limits.stopRequested())
            return {total, total, packedRead};
        if (where == Where::Trailing) {
            trailing.append(unread());
            pending.clear();
            offset = 0;
            if (!trailingText && !allZero(trailing))
                trailingText = true;
            if (trailingText) {
                sink(trailing);
                total += trailing.size();
                trailing.clear();
            }
            if (atEnd)
                break;
            readMore();
            continue;
        }
        if (where == Where::Between) {
            // Another member, or bytes that are none: its two first bytes tell.
            if (unread().size() < 2 && !atEnd) {
                readMore();
                continue;
            }
            if (unread().isEmpty() && atEnd)
                break;
            if (unread().startsWith("\x1F\x8B")) {
                inflateReset(&z);
                where = Where::Member;
            } else {
                where = Where::Trailing;
            }
            continue;
        }
        if (unread().isEmpty()) {
            if (atEnd)
                checks.fail(tr("it ends before its compressed data does: it was cut short"));
            readMore();
            continue;
        }
        z.next_in = reinterpret_cast<unsigned char *>(pending.data() + offset);
        z.avail_in = uInt(pending.size() - offset);
        z.next_out = output.data();
        z.avail_out = uInt(output.size());
        const int status = inflate(&z, Z_NO_FLUSH);
        if (status == Z_DATA_ERROR && z.msg
            && (qstrcmp(z.msg, "incorrect data check") == 0 || qstrcmp(z.msg, "incorrect length check") == 0))
            checks.fail(tr("its check sum does not match what it holds: it is damaged"));
        if (status != Z_OK && status != Z_STREAM_END && status != Z_BUF_ERROR)
            checks.fail(tr("it is damaged (%1)").arg(QString::fromLatin1(z.msg ? z.msg : "gzip")));
        offset = pending.size() - qsizetype(z.avail_in);
        qsizetype produced = qsizetype(output.size() - z.avail_out);
        if (limits.sampleBytes > 0)
            produced = qsizetype(std::min<qint64>(produced, limits.sampleBytes - total));
        sink(QByteArrayView(reinterpret_cast<const char *>(output.data()), produced));
        total += produced;
        if (limits.sampleBytes > 0 && total >= limits.sampleBytes) {
            // A look at its start: the whole reckoned from the part read.
            const double share = std::clamp(double(packedRead) / double(size), 1e-9, 1.0);
            return {total, qint64(double(total) / share), qint64(double(packedRead) / share)};
        }
        checks.growth(total, packedRead);
        if (status == Z_STREAM_END)
            where = Where::Between;
    }
    return {total, total, packedRead};
}

} // namespace quillora
