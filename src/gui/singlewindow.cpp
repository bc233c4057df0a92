// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/singlewindow.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

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
} // namespace

SingleWindow::SingleWindow(QObject *parent)
    : QObject(parent)
{
}

SingleWindow::~SingleWindow() = default;

QString SingleWindow::socketPath()
{
    // The runtime folder is the user's own (mode 0700): nobody else can
    // plant a socket there.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + u"/quillora-window-"_s + displayName();
}

bool SingleWindow::claim()
{
    const QString path = socketPath();
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
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (!socket.waitForConnected(WaitMs))
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
