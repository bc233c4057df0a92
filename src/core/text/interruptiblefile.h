// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIODevice>

#include <functional>

namespace quillora {

// A file read by its descriptor, whose reads a signal ends: a read that
// blocks (a hung network or FUSE file, /proc/kmsg) returns when a signal
// comes and the caller asks to stop, as the end of the text. QFile would
// read on after the signal.
class InterruptibleFile : public QIODevice
{
public:
    // Takes the descriptor, open for reading.
    InterruptibleFile(int fd, std::function<bool()> stopRequested);
    ~InterruptibleFile() override;
    InterruptibleFile(const InterruptibleFile &) = delete;
    InterruptibleFile &operator=(const InterruptibleFile &) = delete;

    bool isSequential() const override { return false; }
    // As the system tells it; a file may hold less (sysfs) or grow.
    qint64 size() const override;
    bool seek(qint64 pos) override;
    // Whether a read failed (not: ended).
    bool failed() const { return m_failed; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    int m_fd;
    std::function<bool()> m_stopRequested;
    bool m_failed = false;
};

} // namespace quillora
