// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayList>

// INT, TERM and HUP, for the window and the command line alike. The first
// is recorded, and a front end that waits on events is woken by a byte on
// a descriptor of its own: it ends through its own code, its temporary
// files going as it unwinds. A second one ends the program at once, after
// removing the files named and, where asked, saying so on standard error.
namespace quillora::EndingSignals {

struct Setup
{
    // Where a byte is written when the first signal comes; -1: none.
    int wakeUp = -1;
    // Whether a second signal writes "quillora: interrupted by SIGINT."
    // (the command line's last words).
    bool tellOnSecond = false;
};

// From the thread that reads the files: signals that come to any other
// thread are passed on to it, so a read it is blocked in ends.
void install(const Setup &setup);
// The signals go back to their defaults.
void uninstall();

// The signal that came first, or 0.
int received();
bool requested();
// As a signal would, for tests.
void request(int signal);
void reset();
// "SIGINT", "SIGTERM", "SIGHUP".
const char *nameOf(int signal);

// What a second signal removes; at most a few files, by their bytes.
void setFilesToRemove(const QByteArrayList &paths);

// The line a second signal would write is said otherwise, once.
void lineTold();

} // namespace quillora::EndingSignals
