// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace quillora {

// The folder for temporary files: $TMPDIR or /tmp, as given even when it
// does not exist, so that a report can name it.
QString temporaryFolder();

// A new file in the folder that has no name: private to this process, and
// gone with its descriptor whatever ends the program, a kill included.
// Returns the descriptor (close-on-exec), or -1 with errno set. File systems
// without unnamed files get a private name that is removed at once.
int openNamelessFile(const QString &folder);

// Writes the whole buffer at the offset and empties it, keeping its room. Returns 0, or the
// system's error; what was written before it is then taken off the
// buffer's front. The offset grows by what was written either way.
int writeBufferAt(int fd, QByteArray &buffer, qint64 &offset);

// Copies a stream (a pipe, a FIFO, a terminal, opened without blocking)
// into the file until it ends or stopRequested says so, which it is asked
// often, however quiet the stream. Returns 0, or the system's error.
int copyStream(int in, int out, const std::function<bool()> &stopRequested);

} // namespace quillora
