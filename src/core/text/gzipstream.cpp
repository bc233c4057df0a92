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

// One gzip file read through: its members inflated one after another, and
// what follows the last.
class GzipReading
{
public:
    GzipReading(const QByteArray &nativePath, const TextSink &sink, const UnpackLimits &limits, const GzipChecks &checks)
        : m_file(nativePath)
        , m_sink(sink)
        , m_limits(limits)
        , m_checks(checks)
    {
        if (!m_file.isOpen())
            m_checks.fail(qt_error_string(errno));
        m_size = std::max<qint64>(1, m_file.size());
    }

    Unpacked run()
    {
        for (;;) {
            if (m_limits.stopRequested && m_limits.stopRequested())
                return {m_total, m_total, m_packedRead};
            if (m_where == Where::Trailing) {
                keepTrailing();
                if (m_atEnd)
                    break;
                readMore();
            } else if (m_where == Where::Between) {
                if (!nextMember())
                    break;
            } else if (unread().isEmpty()) {
                if (m_atEnd)
                    m_checks.fail(QCoreApplication::translate(
                        "quillora::PackedText", "it ends before its compressed data does: it was cut short"));
                readMore();
            } else if (inflateSome()) {
                // A look at its start: the whole reckoned from the part read.
                const double share = std::clamp(double(m_packedRead) / double(m_size), 1e-9, 1.0);
                return {m_total, qint64(double(m_total) / share), qint64(double(m_packedRead) / share)};
            }
        }
        return {m_total, m_total, m_packedRead};
    }

private:
    enum class Where { Member, Between, Trailing };

    QByteArrayView unread() const { return QByteArrayView(m_pending).sliced(m_offset); }

    void readMore()
    {
        thread_local std::vector<unsigned char> block(256 * 1024);
        const ssize_t got = m_file.read(block);
        if (got < 0)
            m_checks.fail(qt_error_string(errno));
        m_atEnd = got == 0;
        m_packedRead += got;
        if (m_offset == m_pending.size()) {
            m_pending.clear();
            m_offset = 0;
        }
        m_pending.append(reinterpret_cast<const char *>(block.data()), got);
    }

    // Another member, or bytes that are none: their two first bytes tell.
    // False at the file's end.
    bool nextMember()
    {
        if (unread().size() < 2 && !m_atEnd) {
            readMore();
            return true;
        }
        if (unread().isEmpty() && m_atEnd)
            return false;
        if (unread().startsWith("\x1F\x8B")) {
            inflateReset(&m_inflater.stream);
            m_where = Where::Member;
        } else {
            m_where = Where::Trailing;
        }
        return true;
    }

    // What follows the last member, held while it is all zero bytes
    // (padding), else the text it is.
    void keepTrailing()
    {
        m_trailing.append(unread());
        m_pending.clear();
        m_offset = 0;
        if (!m_trailingText && !allZero(m_trailing))
            m_trailingText = true;
        if (m_trailingText) {
            m_sink(m_trailing);
            m_total += m_trailing.size();
            m_trailing.clear();
        }
    }

    // Inflates what was read into the sink; true where a look at the start
    // has seen enough.
    bool inflateSome()
    {
        thread_local std::vector<unsigned char> output(256 * 1024);
        z_stream &z = m_inflater.stream;
        z.next_in = reinterpret_cast<unsigned char *>(m_pending.data() + m_offset);
        z.avail_in = uInt(m_pending.size() - m_offset);
        z.next_out = output.data();
        z.avail_out = uInt(output.size());
        const int status = inflate(&z, Z_NO_FLUSH);
        if (status == Z_DATA_ERROR && z.msg
            && (qstrcmp(z.msg, "incorrect data check") == 0 || qstrcmp(z.msg, "incorrect length check") == 0))
            m_checks.fail(QCoreApplication::translate("quillora::PackedText",
                                                      "its check sum does not match what it holds: it is damaged"));
        if (status != Z_OK && status != Z_STREAM_END && status != Z_BUF_ERROR)
            m_checks.fail(QCoreApplication::translate("quillora::PackedText", "it is damaged (%1)")
                              .arg(QString::fromLatin1(z.msg ? z.msg : "gzip")));
        m_offset = m_pending.size() - qsizetype(z.avail_in);
        qsizetype produced = qsizetype(output.size() - z.avail_out);
        if (m_limits.sampleBytes > 0)
            produced = qsizetype(std::min<qint64>(produced, m_limits.sampleBytes - m_total));
        m_sink(QByteArrayView(reinterpret_cast<const char *>(output.data()), produced));
        m_total += produced;
        if (m_limits.sampleBytes > 0 && m_total >= m_limits.sampleBytes)
            return true;
        m_checks.growth(m_total, m_packedRead);
        if (status == Z_STREAM_END)
            m_where = Where::Between;
        return false;
    }

    InputFile m_file;
    const TextSink &m_sink;
    const UnpackLimits &m_limits;
    const GzipChecks &m_checks;
    Inflater m_inflater;
    qint64 m_size = 1;
    qint64 m_packedRead = 0;
    qint64 m_total = 0;
    // Read and not yet inflated, from m_offset on.
    QByteArray m_pending;
    qsizetype m_offset = 0;
    QByteArray m_trailing;
    bool m_trailingText = false;
    bool m_atEnd = false;
    Where m_where = Where::Member;
};
} // namespace

Unpacked inflateGzipFile(const QByteArray &nativePath, const TextSink &sink, const UnpackLimits &limits,
                         const GzipChecks &checks)
{
    return GzipReading(nativePath, sink, limits, checks).run();
}

} // namespace quillora
