#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryFile>

#include <memory>

namespace quillora {

// The column marker: the one character at which a staged line is cut into cells.
inline constexpr QChar ColumnMarker = QChar(0x00B8);

// Cuts a staged line into cells at every column marker; an empty line has no cell.
QStringList cutAtColumnMarker(const QString &line);

// The temporary text file every import passes through. It gets a name of its
// own in the system's temporary folder, created exclusively and readable only
// by its owner, so that neither another user's planted link nor a second
// running Quillora can touch it. The text is kept as UTF-16, so every
// character of every source file survives staging. The file is removed when
// the object goes.
class StagingFile
{
public:
    // Throws Failure when the file cannot be created.
    StagingFile();
    ~StagingFile();
    StagingFile(const StagingFile &) = delete;
    StagingFile &operator=(const StagingFile &) = delete;

    QString path() const { return m_file.fileName(); }

    // Appends text unchanged; throws Failure when it cannot be written.
    void WriteTextFile(QStringView text);
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
    bool ReadTextLines(QString &line);

private:
    void countLines(QStringView text);
    void fail(const QString &what) const;
    bool fillReadBuffer();

    QTemporaryFile m_file;
    qint64 m_written = 0; // in characters
    qint64 m_lines = 0;
    bool m_endsWithCr = false;
    QString m_readBuffer;
    qsizetype m_readPos = 0;
    bool m_readAtEnd = false;
};

// Removes a file, ignoring every failure.
void DeleteFileQuietly(const QString &path);

} // namespace quillora
