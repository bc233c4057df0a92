// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace quillora::Interruption {

// INT, TERM and HUP end a command-line run: the first asks the run to stop
// at its next chance (its temporary files go as it unwinds); a second one
// ends the program at once, removing the file being stored first.
void install();

// The signal that asked to stop, or 0.
int signalNumber();
bool requested();
// As a signal would, for tests.
void request(int signal);
void reset();

// The file to remove when a second signal ends the program at once; an
// empty path clears it.
void setFileToRemove(const QByteArray &path);

// The exit status and the report line of an interrupted run.
int exitStatus();
QString report();

} // namespace quillora::Interruption
