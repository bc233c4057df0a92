// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/closeonsignal.h"

#include "core/endingsignals.h"

#include <QApplication>
#include <QFile>
#include <QSocketNotifier>

#include <sys/socket.h>
#include <unistd.h>

namespace quillora {

namespace {
// The descriptors the first signal wakes the window's thread through.
int wakeUp[2] = {-1, -1};
} // namespace

CloseOnSignal::CloseOnSignal(QObject *parent)
    : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, wakeUp) != 0)
        return; // the signals keep their default: the next start cleans up
    m_notifier = new QSocketNotifier(wakeUp[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &CloseOnSignal::closeEverything);
    EndingSignals::install({.wakeUp = wakeUp[0]});
}

CloseOnSignal::~CloseOnSignal()
{
    if (!m_notifier)
        return;
    EndingSignals::uninstall();
    ::close(wakeUp[0]);
    ::close(wakeUp[1]);
    wakeUp[0] = wakeUp[1] = -1;
}

void CloseOnSignal::setFilesToRemove(const QStringList &paths)
{
    QByteArrayList names;
    for (const QString &path : paths)
        names.append(QFile::encodeName(path));
    EndingSignals::setFilesToRemove(names);
}

int CloseOnSignal::signalNumber()
{
    return EndingSignals::received();
}

void CloseOnSignal::closeEverything()
{
    char bytes[16];
    while (::read(wakeUp[1], bytes, sizeof bytes) > 0) {
    }
    // A dialog open closes as if cancelled; the window closes as by its
    // close button, and every event loop ends.
    QApplication::closeAllWindows();
    QCoreApplication::exit(128 + EndingSignals::received());
}

} // namespace quillora
