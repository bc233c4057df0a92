// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLockFile>
#include <QObject>
#include <QStringList>

#include <memory>

class QLocalServer;

namespace quillora {

// One window per user and display. The first window holds a lock and listens
// on a local socket in a folder only the user can reach (the runtime
// folder, or a private one among the temporary files); a later start hands
// its paths over to it and ends, once the other end proves to be the same
// user. Without such a folder each start opens a window of its own. A lock
// or socket that a crashed window left behind does not stand in the way.
class SingleWindow : public QObject
{
    Q_OBJECT

public:
    explicit SingleWindow(QObject *parent = nullptr);
    ~SingleWindow() override;

    // Where this user's window on this display listens; empty when no
    // folder is safe for it.
    static QString socketPath();

    // Becomes the window for this display; false when another one is there.
    bool claim();
    // The lock and socket a claim made, to remove should the program be
    // ended at once.
    QStringList ownFiles() const;
    // Gives the (full) paths to the window that is there; false when none
    // took them.
    static bool handOver(const QStringList &paths);

signals:
    // Paths another start handed over.
    void pathsArrived(const QStringList &paths);

private:
    void acceptConnection();

    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
};

} // namespace quillora
