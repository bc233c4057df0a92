// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/filenames.h"
#include "core/text/namelessfile.h"

#include <QDir>
#include <QFile>

using namespace Qt::Literals::StringLiterals;

#include <cerrno>
#include <fcntl.h>
#include <stdlib.h>
#include <poll.h>
#include <unistd.h>

namespace quillora {

QString temporaryFolder()
{
    const QString folder = QDir::tempPath();
    if (!folder.isEmpty())
        return folder;
    // Qt gives nothing for a folder that is not there.
    const QString given = qEnvironmentVariable("TMPDIR");
    return given.isEmpty() ? u"/tmp"_s : given;
}

int openNamelessFile(const QString &folder)
{
    const QByteArray path = encodePath(folder);
    int fd = ::open(path.constData(), O_TMPFILE | O_RDWR | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL))
        return fd;
    QByteArray name = path + "/.quillora-XXXXXX";
    fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd >= 0)
        ::unlink(name.constData());
    return fd;
}

int writeBufferAt(int fd, QByteArray &buffer, qint64 &offset)
{
    const char *data = buffer.constData();
    qsizetype left = buffer.size();
    while (left > 0) {
        const ssize_t done = ::pwrite(fd, data, static_cast<size_t>(left), offset);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0) {
            buffer.remove(0, data - buffer.constData());
            return done < 0 ? errno : ENOSPC;
        }
        data += done;
        left -= done;
        offset += done;
    }
    // Emptied, not freed: the caller fills it again.
    buffer.resize(0);
    return 0;
}

int copyStream(int in, int out, const std::function<bool()> &stopRequested)
{
    constexpr qsizetype Block = 1024 * 1024;
    // How long a quiet stream is waited for before the stop is asked again.
    constexpr int AskEveryMs = 100;
    QByteArray buffer;
    qint64 offset = 0;
    while (!(stopRequested && stopRequested())) {
        pollfd ready{in, POLLIN, 0};
        const int polled = ::poll(&ready, 1, AskEveryMs);
        if (polled == 0 || (polled < 0 && errno == EINTR))
            continue;
        buffer.resize(Block);
        const ssize_t got = polled < 0 ? -1 : ::read(in, buffer.data(), size_t(Block));
        if (got < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (got <= 0)
            return got < 0 ? errno : 0;
        buffer.resize(got);
        if (const int error = writeBufferAt(out, buffer, offset); error != 0)
            return error;
    }
    return 0;
}

} // namespace quillora
