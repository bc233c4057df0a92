// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/interruptiblefile.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace quillora {

InterruptibleFile::InterruptibleFile(int fd, std::function<bool()> stopRequested)
    : m_fd(fd)
    , m_stopRequested(std::move(stopRequested))
{
    // Unbuffered: every read and seek reaches the descriptor, so its
    // position is always the device's.
    QIODevice::open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

InterruptibleFile::~InterruptibleFile()
{
    ::close(m_fd);
}

qint64 InterruptibleFile::size() const
{
    struct stat info{};
    return ::fstat(m_fd, &info) == 0 ? info.st_size : 0;
}

bool InterruptibleFile::seek(qint64 pos)
{
    return QIODevice::seek(pos) && ::lseek(m_fd, pos, SEEK_SET) == pos;
}

qint64 InterruptibleFile::readData(char *data, qint64 maxSize)
{
    for (;;) {
        const ssize_t got = ::read(m_fd, data, size_t(maxSize));
        if (got >= 0)
            return got;
        if (errno != EINTR) {
            m_failed = true;
            setErrorString(qt_error_string(errno));
            return -1;
        }
        // A signal came: a stop ends the text here, anything else reads on.
        if (m_stopRequested && m_stopRequested())
            return 0;
    }
}

} // namespace quillora
