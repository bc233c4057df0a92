// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/closeonsignal.h"

#include <QApplication>
#include <QFile>
#include <QSocketNotifier>

#include <array>
#include <atomic>
#include <csignal>
#include <cstring>

#include <limits.h>
#include <sys/socket.h>
#include <unistd.h>

namespace quillora {

namespace {
constexpr std::array Signals{SIGTERM, SIGHUP, SIGINT};

// Read by the signal handler: only plain bytes, descriptors and flags.
int wakeUp[2] = {-1, -1};
std::atomic<int> received = 0;
std::array<std::array<char, PATH_MAX + 1>, 2> filesToRemove{};
std::atomic<int> fileCount = 0;

void onSignal(int signal)
{
    int expected = 0;
    if (received.compare_exchange_strong(expected, signal)) {
        // The window's thread does the closing, in its own time.
        const char byte = 1;
        const ssize_t ignored = ::write(wakeUp[0], &byte, 1);
        (void)ignored;
        return;
    }
    for (int i = 0; i < fileCount; ++i)
        ::unlink(filesToRemove[size_t(i)].data());
    ::_exit(128 + received);
}
} // namespace

CloseOnSignal::CloseOnSignal(QObject *parent)
    : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, wakeUp) != 0)
        return; // the signals keep their default: the next start cleans up
    m_notifier = new QSocketNotifier(wakeUp[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &CloseOnSignal::closeEverything);
    struct sigaction action{};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    for (const int signal : Signals)
        ::sigaction(signal, &action, nullptr);
}

CloseOnSignal::~CloseOnSignal()
{
    if (!m_notifier)
        return;
    struct sigaction action{};
    action.sa_handler = SIG_DFL;
    for (const int signal : Signals)
        ::sigaction(signal, &action, nullptr);
    ::close(wakeUp[0]);
    ::close(wakeUp[1]);
    wakeUp[0] = wakeUp[1] = -1;
}

void CloseOnSignal::setFilesToRemove(const QStringList &paths)
{
    fileCount = 0;
    int count = 0;
    for (const QString &path : paths) {
        const QByteArray name = QFile::encodeName(path);
        if (count == int(filesToRemove.size()) || name.size() > PATH_MAX)
            continue;
        std::memcpy(filesToRemove[size_t(count)].data(), name.constData(), size_t(name.size()) + 1);
        ++count;
    }
    fileCount = count;
}

int CloseOnSignal::signalNumber()
{
    return received;
}

void CloseOnSignal::closeEverything()
{
    char bytes[16];
    while (::read(wakeUp[1], bytes, sizeof bytes) > 0) {
    }
    // A dialog open closes as if cancelled; the window closes as by its
    // close button, and every event loop ends.
    QApplication::closeAllWindows();
    QCoreApplication::exit(128 + received);
}

} // namespace quillora
