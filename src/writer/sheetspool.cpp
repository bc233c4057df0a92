#include "writer/sheetspool.h"

#include "core/failure.h"
#include "core/text/namelessfile.h"
#include "writer/utf8.h"

#include <QDir>

#include <cerrno>
#include <cstring>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace quillora::writer {

namespace {
// Gathered in memory, then written in one go.
constexpr qsizetype WriteBlock = 1024 * 1024;
constexpr qint64 ReadBlock = 1024 * 1024;

struct RowHeader
{
    qint64 row = 0;
    qint64 bodyBytes = 0; // the cells: each a length, then its UTF-16 units
    quint32 cells = 0;
    quint32 reserved = 0;
};
static_assert(sizeof(RowHeader) == 24);

} // namespace

SheetSpool::SheetSpool()
{
    const QString folder = QDir::tempPath();
    m_fd = openNamelessFile(folder);
    if (m_fd < 0)
        throw Failure(u"The document's rows cannot be kept in %1: %2"_s.arg(folder, qt_error_string(errno)));
}

SheetSpool::~SheetSpool()
{
    ::close(m_fd);
}

void SheetSpool::fail(const QString &what, int error) const
{
    throw Failure(u"The document's rows cannot be %1 in %2: %3"_s.arg(what, QDir::tempPath(), qt_error_string(error)));
}

void SheetSpool::append(qint64 row, const QStringList &cells)
{
    if (row < m_nextRow)
        throw Failure(u"Row %1 comes after row %2: a written document takes its rows in order."_s.arg(row + 1).arg(
            m_nextRow));
    // At most three bytes of UTF-8 for each UTF-16 unit; the buffer is cut
    // back to what was used.
    qsizetype most = qsizetype(sizeof(RowHeader));
    for (const QString &cell : cells)
        most += qsizetype(sizeof(quint32)) + cell.size() * 3;
    const qsizetype start = m_buffer.size();
    m_buffer.resize(start + most);
    char *const begin = m_buffer.data() + start;
    char *out = begin + sizeof(RowHeader);
    for (const QString &cell : cells) {
        char *const lengthAt = out;
        out += sizeof(quint32);
        for (qsizetype i = 0; i < cell.size(); ++i) {
            const char16_t c = cell[i].unicode();
            if (c < 0x80)
                *out++ = char(c);
            else
                out += encodeUtf8(codePointAt(cell, i), out);
        }
        const auto length = static_cast<quint32>(out - lengthAt - sizeof(quint32));
        std::memcpy(lengthAt, &length, sizeof length);
        m_textBytes += length;
    }
    RowHeader header;
    header.row = row;
    header.cells = static_cast<quint32>(cells.size());
    header.bodyBytes = out - begin - qint64(sizeof header);
    std::memcpy(begin, &header, sizeof header);
    m_buffer.resize(out - m_buffer.data());
    m_nextRow = row + 1;
    m_widestRow = std::max(m_widestRow, static_cast<int>(cells.size()));
    if (m_buffer.size() >= WriteBlock)
        flush();
}

void SheetSpool::flush()
{
    if (const int error = writeBufferAt(m_fd, m_buffer, m_onDisk))
        fail(u"written"_s, error);
}

SheetSpool::Reader SheetSpool::reader()
{
    flush();
    return Reader(*this);
}

SheetSpool::Reader::Reader(SheetSpool &spool)
    : m_spool(spool)
{
}

bool SheetSpool::Reader::ensure(qint64 bytes)
{
    if (m_buffer.size() - m_pos >= bytes)
        return true;
    m_buffer.remove(0, m_pos);
    m_pos = 0;
    while (m_buffer.size() < bytes) {
        const qint64 left = m_spool.m_onDisk - m_fileOffset;
        if (left <= 0)
            return false;
        const qsizetype start = m_buffer.size();
        const qint64 wanted = std::min(left, std::max(ReadBlock, bytes - start));
        m_buffer.resize(start + wanted);
        ssize_t done;
        do {
            done = ::pread(m_spool.m_fd, m_buffer.data() + start, static_cast<size_t>(wanted), m_fileOffset);
        } while (done < 0 && errno == EINTR);
        if (done <= 0)
            m_spool.fail(u"read back"_s, done < 0 ? errno : EIO);
        m_buffer.resize(start + done);
        m_fileOffset += done;
    }
    return true;
}

bool SheetSpool::Reader::next(qint64 &row, std::vector<QByteArrayView> &cells)
{
    cells.clear();
    RowHeader header;
    if (!ensure(sizeof header))
        return false;
    std::memcpy(&header, m_buffer.constData() + m_pos, sizeof header);
    m_pos += sizeof header;
    if (!ensure(header.bodyBytes))
        m_spool.fail(u"read back"_s, EIO);
    const char *in = m_buffer.constData() + m_pos;
    cells.reserve(header.cells);
    for (quint32 i = 0; i < header.cells; ++i) {
        quint32 length = 0;
        std::memcpy(&length, in, sizeof length);
        in += sizeof length;
        cells.emplace_back(in, qsizetype(length));
        in += length;
    }
    m_pos += header.bodyBytes;
    row = header.row;
    return true;
}

} // namespace quillora::writer
