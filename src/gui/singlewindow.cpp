// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/singlewindow.h"

#include "core/text/namelessfile.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>

#include <cerrno>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

namespace {
constexpr int WaitMs = 3000;
constexpr char Taken = 'y';

// The display the window shows on, as part of a file name.
QString displayName()
{
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("QT_QPA_PLATFORM");
    return QString::fromLatin1(
        QCryptographicHash::hash(display.toUtf8(), QCryptographicHash::Sha1).toHex().left(12));
}

// A folder that is this user's alone: theirs, no link, and closed to others.
bool isPrivateFolder(const QByteArray &path)
{
    struct stat info{};
    return ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid()
        && (info.st_mode & 077) == 0;
}

// The runtime folder; without one (su, cron, ssh), a folder of the user's
// own among the temporary files, made here if it is not there. A folder
// another user made or can enter is never used.
QString privateFolder()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && isPrivateFolder(runtime))
        return QFile::decodeName(runtime);
    const QByteArray own = QFile::encodeName(temporaryFolder()) + "/quillora-" + QByteArray::number(::geteuid());
    if (::mkdir(own.constData(), 0700) != 0 && errno != EEXIST)
        return {};
    return isPrivateFolder(own) ? QFile::decodeName(own) : QString();
}

// Whether the process at the other end of the socket is this user's.
bool peerIsThisUser(qintptr socket)
{
    ucred peer{};
    socklen_t length = sizeof peer;
    return ::getsockopt(int(socket), SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0 && peer.uid == ::geteuid();
}
} // namespace

SingleWindow::SingleWindow(QObject *parent)
    : QObject(parent)
{
}

SingleWindow::~SingleWindow() = default;

QString SingleWindow::socketPath()
{
    // Nobody else can plant a socket or a lock there.
    const QString folder = privateFolder();
    return folder.isEmpty() ? QString() : folder + u"/quillora-window-"_s + displayName();
}

QStringList SingleWindow::ownFiles() const
{
    if (!m_server)
        return {};
    return {m_server->fullServerName(), m_lock->fileName()};
}

bool SingleWindow::claim()
{
    const QString path = socketPath();
    if (path.isEmpty())
        return true; // a window of its own, not found by others
    m_lock = std::make_unique<QLockFile>(path + u".lock"_s);
    // Held for as long as the window lives; the lock of a window that
    // crashed is taken over, as its process is gone.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0))
        return false;
    QLocalServer::removeServer(path); // a socket left by a crashed window
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleWindow::acceptConnection);
    // Without the socket the window still works; it is only not found.
    m_server->listen(path);
    return true;
}

void SingleWindow::acceptConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        if (!peerIsThisUser(socket->socketDescriptor())) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            QDataStream in(socket);
            in.startTransaction();
            QStringList paths;
            in >> paths;
            if (!in.commitTransaction())
                return; // the rest is still on its way
            socket->write(&Taken, 1);
            socket->flush();
            emit pathsArrived(paths);
        });
    }
}

bool SingleWindow::handOver(const QStringList &paths)
{
    const QString path = socketPath();
    if (path.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(path);
    // The paths go to this user's window, or nowhere.
    if (!socket.waitForConnected(WaitMs) || !peerIsThisUser(socket.socketDescriptor()))
        return false;
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out << paths;
    socket.write(message);
    if (!socket.waitForBytesWritten(WaitMs))
        return false;
    // Taken only once the window says so.
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(WaitMs))
            return false;
    }
    char answer = 0;
    return socket.read(&answer, 1) == 1 && answer == Taken;
}

} // namespace quillora
