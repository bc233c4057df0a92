// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <memory>

namespace quillora {

// The temporary text file every import passes through. It is a file without
// a name in the system's temporary folder: nobody else can reach it (not
// another user's planted link, not a second running Quillora), and nothing
// is left behind however the program ends. The text is kept as UTF-16, so every
// character of every source file survives staging. Writes are gathered in
// memory and reach the disk at commit() at the latest, so a full disk is
// found out for the file that did not fit, not at the end of the run.
class StagingFile
{
    Q_DECLARE_TR_FUNCTIONS(quillora::StagingFile)

public:
    // Throws Failure when the file cannot be created.
    StagingFile();
    ~StagingFile();
    StagingFile(const StagingFile &) = delete;
    StagingFile &operator=(const StagingFile &) = delete;

    // Appends text unchanged; throws Failure, with the system's reason, when
    // it cannot be written.
    void WriteTextFile(QStringView text);
    // Puts everything written so far on the disk; throws Failure with the
    // system's reason ("No space left on device") when it does not fit.
    void commit();
    // Empties the file for the next source file.
    void clear();
    // The current end, and going back to it: a source file that fails half
    // way leaves nothing behind.
    struct Mark
    {
        qint64 written = 0;
        qint64 lines = 0;
        bool endsWithCr = false;
    };
    Mark mark() const { return {m_written, m_lines, m_endsWithCr}; }
    void rollBack(const Mark &mark);

    // The number of lines staged so far: each line break ends one.
    qint64 lineCount() const { return m_lines; }

    // Reading back, from the first line: CR LF, LF and a lone CR each end a line.
    void rewind();
    // The line is a view into the read buffer, valid until the next read.
    bool ReadTextLines(QStringView &line);

private:
    void countLines(QStringView text);
    // Throws the message (%1 the folder, %2 the system's reason).
    [[noreturn]] void fail(const QString &message, int error) const;
    bool fillReadBuffer();

    int m_fd = -1;
    QByteArray m_writeBuffer; // bytes not yet on the disk, which hold m_onDisk bytes
    qint64 m_onDisk = 0;
    qint64 m_written = 0; // in characters
    qint64 m_lines = 0;
    bool m_endsWithCr = false;
    QString m_readBuffer;
    qsizetype m_readPos = 0;
    qint64 m_readOffset = 0; // in bytes
    bool m_readAtEnd = false;
};

} // namespace quillora
