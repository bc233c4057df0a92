// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/display.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

#include <cstddef>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace quillora {

namespace {
bool localSocketAnswers(const QByteArray &path, bool abstract)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const qsizetype offset = abstract ? 1 : 0;
    if (path.isEmpty() || path.size() + offset >= qsizetype(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path + offset, path.constData(), size_t(path.size()));
    const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + size_t(offset + path.size()) + (abstract ? 0 : 1));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool answered = ::connect(fd, reinterpret_cast<const sockaddr *>(&address), length) == 0;
    ::close(fd);
    return answered;
}

// Whether the X display named "[host]:number[.screen]" can be reached. A
// display on this machine is asked; one elsewhere (an ssh tunnel, say) is
// taken as given.
bool x11DisplayAnswers()
{
    const QByteArray display = qgetenv("DISPLAY");
    const qsizetype colon = display.lastIndexOf(':');
    if (colon < 0)
        return false;
    const QByteArray host = display.left(colon);
    if (!host.isEmpty() && host != "unix")
        return true;
    bool isNumber = false;
    const int number = display.mid(colon + 1).split('.').first().toInt(&isNumber);
    if (!isNumber)
        return false;
    const QByteArray socket = "/tmp/.X11-unix/X" + QByteArray::number(number);
    return localSocketAnswers(socket, true) || localSocketAnswers(socket, false);
}

bool waylandDisplayAnswers()
{
    QByteArray socket = qgetenv("WAYLAND_DISPLAY");
    if (socket.isEmpty())
        return false;
    if (!socket.startsWith('/'))
        socket = qgetenv("XDG_RUNTIME_DIR") + '/' + socket;
    return localSocketAnswers(socket, false);
}
} // namespace

// A display named but gone (a stale DISPLAY after a logout, say) counts as
// none: the window or LibreOffice would not get past opening it.
bool documentCanBeShown()
{
    return x11DisplayAnswers() || waylandDisplayAnswers();
}

bool windowCanOpen()
{
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (platform.startsWith(u"xcb"))
        return x11DisplayAnswers();
    if (platform.startsWith(u"wayland"))
        return waylandDisplayAnswers();
    return !platform.isEmpty() || documentCanBeShown();
}

} // namespace quillora
