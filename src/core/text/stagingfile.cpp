// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/stagingfile.h"

#include "core/failure.h"
#include "core/text/namelessfile.h"

#include <QDir>
#include <QtEndian>

#include <cerrno>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

namespace {
constexpr qint64 ReadChars = qint64(128) * 1024;
// Written to the disk in blocks of about this many bytes.
constexpr qsizetype WriteBlock = 1024 * 1024;
static_assert(sizeof(char16_t) == 2);
} // namespace

StagingFile::StagingFile()
{
    // Reads and writes go straight to the descriptor at known offsets: no
    // buffer can keep bytes that did not reach the disk.
    m_fd = openNamelessFile(temporaryFolder());
    if (m_fd < 0)
        throw Failure(tr("The staging file cannot be created in %1: %2").arg(temporaryFolder(), qt_error_string(errno)));
}

StagingFile::~StagingFile()
{
    ::close(m_fd);
}

void StagingFile::fail(const QString &message, int error) const
{
    throw Failure(QString(message).arg(temporaryFolder(), qt_error_string(error)));
}

void StagingFile::WriteTextFile(QStringView text)
{
    if (text.isEmpty())
        return;
    const qsizetype start = m_writeBuffer.size();
    m_writeBuffer.resize(start + text.size() * 2);
    qToLittleEndian<char16_t>(text.utf16(), text.size(), m_writeBuffer.data() + start);
    m_written += text.size();
    countLines(text);
    if (m_writeBuffer.size() >= WriteBlock)
        commit();
}

void StagingFile::commit()
{
    if (const int error = writeBufferAt(m_fd, m_writeBuffer, m_onDisk))
        fail(tr("The staging file in %1 cannot be written: %2"), error);
}

void StagingFile::countLines(QStringView text)
{
    for (const QChar c : text) {
        if (c == u'\r') {
            ++m_lines;
            m_endsWithCr = true;
            continue;
        }
        if (c == u'\n' && !m_endsWithCr)
            ++m_lines;
        m_endsWithCr = false;
    }
}

void StagingFile::clear()
{
    rollBack(Mark());
}

void StagingFile::rollBack(const Mark &mark)
{
    const qint64 keep = mark.written * 2;
    if (keep >= m_onDisk) {
        m_writeBuffer.truncate(keep - m_onDisk);
    } else {
        m_writeBuffer.clear();
        if (::ftruncate(m_fd, keep) != 0)
            fail(tr("The staging file in %1 cannot be emptied: %2"), errno);
        m_onDisk = keep;
    }
    m_written = mark.written;
    m_lines = mark.lines;
    m_endsWithCr = mark.endsWithCr;
}

void StagingFile::rewind()
{
    commit();
    m_readBuffer.clear();
    m_readPos = 0;
    m_readOffset = 0;
    m_readAtEnd = false;
}

bool StagingFile::fillReadBuffer()
{
    m_readBuffer.remove(0, m_readPos);
    m_readPos = 0;
    const qint64 remaining = m_onDisk - m_readOffset;
    if (remaining <= 0) {
        m_readAtEnd = true;
        return false;
    }
    QByteArray bytes(std::min(ReadChars * 2, remaining), Qt::Uninitialized);
    ssize_t done;
    do {
        done = ::pread(m_fd, bytes.data(), static_cast<size_t>(bytes.size()), m_readOffset);
    } while (done < 0 && errno == EINTR);
    if (done <= 0 || done % 2 != 0)
        fail(tr("The staging file in %1 cannot be read: %2"), done < 0 ? errno : EIO);
    m_readOffset += done;
    const qsizetype start = m_readBuffer.size();
    m_readBuffer.resize(start + done / 2);
    qFromLittleEndian<char16_t>(bytes.constData(), done / 2, m_readBuffer.data() + start);
    return true;
}

bool StagingFile::ReadTextLines(QStringView &line)
{
    qsizetype at = m_readPos;
    for (;;) {
        const qsizetype size = m_readBuffer.size();
        const char16_t *const text = reinterpret_cast<const char16_t *>(m_readBuffer.constData());
        for (; at < size; ++at) {
            const char16_t c = text[at];
            if (c != u'\n' && c != u'\r')
                continue;
            if (c == u'\r' && at + 1 == size && !m_readAtEnd)
                break; // its LF may come with the next read
            line = QStringView(text + m_readPos, at - m_readPos);
            m_readPos = at + 1;
            if (c == u'\r' && m_readPos < size && text[m_readPos] == u'\n')
                ++m_readPos;
            return true;
        }
        if (m_readAtEnd) {
            if (m_readPos >= size)
                return false;
            // The last line has no break after it.
            line = QStringView(text + m_readPos, size - m_readPos);
            m_readPos = size;
            return true;
        }
        at -= m_readPos; // the buffer drops what was read before it refills
        fillReadBuffer();
    }
}

} // namespace quillora
