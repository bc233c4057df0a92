// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/endingsignals.h"

#include <array>
#include <atomic>
#include <csignal>
#include <cstring>

#include <limits.h>
#include <pthread.h>
#include <unistd.h>

namespace quillora::EndingSignals {

namespace {
constexpr std::array Signals{SIGINT, SIGTERM, SIGHUP};

// Read by the signal handler: only plain bytes, descriptors and flags.
std::atomic<int> first = 0;
std::atomic<int> wakeUpFd = -1;
std::atomic<bool> tell = false;
std::atomic<bool> lineWritten = false;
std::array<std::array<char, PATH_MAX + 1>, 2> filesToRemove{};
std::atomic<int> fileCount = 0;
// The thread that reads and writes: a signal that came to another thread is
// passed on to it, so that a read it is blocked in ends.
pthread_t mainThread;

void writeLine(int signal)
{
    // Only what a signal handler may call.
    const char *parts[] = {"quillora: interrupted by ", nameOf(signal), ".\n"};
    for (const char *part : parts) {
        const ssize_t ignored = ::write(STDERR_FILENO, part, std::strlen(part));
        (void)ignored;
    }
}

void onSignal(int signal)
{
    if (!pthread_equal(pthread_self(), mainThread)) {
        ::pthread_kill(mainThread, signal);
        return;
    }
    int expected = 0;
    if (first.compare_exchange_strong(expected, signal)) {
        if (const int fd = wakeUpFd; fd >= 0) {
            const char byte = 1;
            const ssize_t ignored = ::write(fd, &byte, 1);
            (void)ignored;
        }
        return;
    }
    for (int i = 0; i < fileCount; ++i)
        ::unlink(filesToRemove[size_t(i)].data());
    if (tell && !lineWritten.exchange(true))
        writeLine(first);
    ::_exit(128 + first);
}

void setHandler(void (*handler)(int))
{
    struct sigaction action{};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    for (const int signal : Signals)
        ::sigaction(signal, &action, nullptr);
}
} // namespace

void install(const Setup &setup)
{
    mainThread = pthread_self();
    wakeUpFd = setup.wakeUp;
    tell = setup.tellOnSecond;
    setHandler(onSignal);
}

void uninstall()
{
    setHandler(SIG_DFL);
    wakeUpFd = -1;
}

int received()
{
    return first;
}

bool requested()
{
    return first != 0;
}

void request(int signal)
{
    int expected = 0;
    first.compare_exchange_strong(expected, signal);
}

void reset()
{
    first = 0;
    lineWritten = false;
    setFilesToRemove({});
}

const char *nameOf(int signal)
{
    switch (signal) {
    case SIGINT:
        return "SIGINT";
    case SIGTERM:
        return "SIGTERM";
    case SIGHUP:
        return "SIGHUP";
    }
    return "a signal";
}

void setFilesToRemove(const QByteArrayList &paths)
{
    fileCount = 0;
    int count = 0;
    for (const QByteArray &path : paths) {
        if (count == int(filesToRemove.size()) || path.isEmpty() || path.size() > PATH_MAX)
            continue;
        std::memcpy(filesToRemove[size_t(count)].data(), path.constData(), size_t(path.size()));
        filesToRemove[size_t(count)][size_t(path.size())] = '\0';
        ++count;
    }
    fileCount = count;
}

void lineTold()
{
    lineWritten = true;
}

} // namespace quillora::EndingSignals
