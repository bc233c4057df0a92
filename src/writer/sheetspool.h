#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <vector>

namespace quillora::writer {

// The rows of one sheet on their way into a document file. A document's
// sheets are stored in an order that is known only at the end (a sheet per
// file goes in front of the others), so each sheet's rows wait here, in a
// temporary file without a name that is gone with its descriptor, whatever
// ends the program. Memory holds one buffer, never the sheet. Cells are kept
// as UTF-8, which every format writes: converted once, on the way in.
class SheetSpool
{
public:
    // Throws Failure when the temporary file cannot be made.
    SheetSpool();
    ~SheetSpool();
    SheetSpool(const SheetSpool &) = delete;
    SheetSpool &operator=(const SheetSpool &) = delete;

    // Appends a row; rows come in ascending order, and rows left out stay
    // empty. Throws Failure (with the system's reason) when the row cannot be
    // written, or when it comes out of order.
    void append(qint64 row, const QStringList &cells);
    // The row after the last one appended: where the next may start.
    qint64 nextRow() const { return m_nextRow; }
    int widestRow() const { return m_widestRow; }
    // Bytes of UTF-8 text held, for sizing the output.
    qint64 textBytes() const { return m_textBytes; }

    // Reads the rows back from the first, a row at a time; the views are
    // valid until the next call.
    class Reader
    {
    public:
        explicit Reader(SheetSpool &spool);
        bool next(qint64 &row, std::vector<QByteArrayView> &cells);

    private:
        bool ensure(qint64 bytes);

        SheetSpool &m_spool;
        QByteArray m_buffer;
        qint64 m_pos = 0;
        qint64 m_fileOffset = 0;
    };
    // Puts what is buffered on the disk before reading starts.
    Reader reader();

private:
    void flush();
    [[noreturn]] void fail(const QString &what, int error) const;

    int m_fd = -1;
    QByteArray m_buffer;
    qint64 m_onDisk = 0;
    qint64 m_nextRow = 0;
    int m_widestRow = 0;
    qint64 m_textBytes = 0;
};

} // namespace quillora::writer
