// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/text/numbercolumns.h"
#include "core/text/rowblock.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace quillora::writer {

// Where a document's rows wait until it is stored: one temporary file
// without a name, gone with its descriptor whatever ends the program. A
// document's sheets are stored in an order known only at the end (a sheet
// per file goes in front of the others), so every sheet's rows are kept
// here in the order they come, and found again by the parts of the file
// that hold them. Memory holds one buffer, never the document.
class SpoolFile
{
public:
    // Throws Failure when the file cannot be made.
    SpoolFile();
    ~SpoolFile();
    SpoolFile(const SpoolFile &) = delete;
    SpoolFile &operator=(const SpoolFile &) = delete;

    // Where the next byte goes.
    qint64 end() const { return m_onDisk + m_buffer.size(); }
    // Room for at most bytes more at the end; commit what was used.
    char *reserve(qsizetype bytes);
    void commit(char *used);
    // Reads bytes at offset into out; throws Failure when it cannot.
    void read(qint64 offset, char *out, qint64 bytes);

private:
    void flush();
    [[noreturn]] void fail(const QString &what, int error) const;

    int m_fd = -1;
    QByteArray m_buffer; // the bytes from m_onDisk on
    qint64 m_onDisk = 0;
};

// The rows of one sheet, kept in the document's spool file. Cells are kept
// as UTF-8, which every format writes: converted once, on the way in.
class SheetSpool
{
public:
    explicit SheetSpool(std::shared_ptr<SpoolFile> file);

    // Appends the block's row at index as the sheet's row; rows come in
    // ascending order, and rows left out stay empty. A cell typed as a
    // number or a date keeps its value beside its text. Throws Failure (with
    // the system's reason) when the row cannot be kept, or when it comes
    // out of order.
    void append(qint64 row, const RowBlock &block, size_t index);
    // The row after the last one appended: where the next may start.
    qint64 nextRow() const { return m_nextRow; }
    int widestRow() const { return m_widestRow; }
    // Bytes of UTF-8 text, rows and cells held, for sizing the output.
    qint64 textBytes() const { return m_textBytes; }
    qint64 rowCount() const { return m_rowCount; }
    qint64 cellCount() const { return m_cellCount; }
    // Cells kept as numbers or dates.
    qint64 typedCells() const { return m_typedCells; }
    // The columns their widest numbers and dates make wider.
    const NumberColumns &numberColumns() const { return m_numberColumns; }

    // A cell as kept: its text, and what it is stored as.
    struct Cell
    {
        QByteArrayView text;
        CellValue value;
    };

    // Reads the rows back from the first, a row at a time; the views are
    // valid until the next call.
    class Reader
    {
    public:
        explicit Reader(const SheetSpool &spool);
        bool next(qint64 &row, std::vector<Cell> &cells);

    private:
        bool ensure(qint64 bytes);

        const SheetSpool &m_spool;
        QByteArray m_buffer;
        qint64 m_pos = 0;
        size_t m_part = 0;       // the part of the file being read
        qint64 m_partOffset = 0; // bytes of it read so far
    };
    Reader reader() const { return Reader(*this); }

private:
    // A stretch of the spool file that holds rows of this sheet.
    struct Part
    {
        qint64 offset = 0;
        qint64 bytes = 0;
    };

    std::shared_ptr<SpoolFile> m_file;
    std::vector<Part> m_parts;
    qint64 m_nextRow = 0;
    int m_widestRow = 0;
    qint64 m_textBytes = 0;
    qint64 m_rowCount = 0;
    qint64 m_cellCount = 0;
    qint64 m_typedCells = 0;
    NumberColumns m_numberColumns;
};

} // namespace quillora::writer
