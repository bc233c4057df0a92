// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/interruption.h"

#include <atomic>
#include <csignal>
#include <cstring>

#include <limits.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace quillora::Interruption {

namespace {
std::atomic<int> received = 0;
// Read by the signal handler: only plain bytes and a flag that says they
// are complete.
char fileToRemove[PATH_MAX + 1];
std::atomic<bool> fileSet = false;
// The line is written once, by whichever way the run ends.
std::atomic<bool> lineWritten = false;

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
    int expected = 0;
    if (received.compare_exchange_strong(expected, signal))
        return;
    if (fileSet)
        ::unlink(fileToRemove);
    if (!lineWritten.exchange(true))
        writeLine(received);
    ::_exit(128 + received);
}
} // namespace

void install()
{
    struct sigaction action{};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

int signalNumber()
{
    return received;
}

bool requested()
{
    return received != 0;
}

void request(int signal)
{
    int expected = 0;
    received.compare_exchange_strong(expected, signal);
}

void reset()
{
    received = 0;
    lineWritten = false;
    setFileToRemove({});
}

void setFileToRemove(const QByteArray &path)
{
    fileSet = false;
    if (path.isEmpty() || path.size() > PATH_MAX)
        return;
    std::memcpy(fileToRemove, path.constData(), size_t(path.size()));
    fileToRemove[path.size()] = '\0';
    fileSet = true;
}

int exitStatus()
{
    return 128 + received;
}

QString report()
{
    lineWritten = true;
    return u"interrupted by %1."_s.arg(QString::fromLatin1(nameOf(received)));
}

} // namespace quillora::Interruption
