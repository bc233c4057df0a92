// SPDX-License-Identifier: GPL-3.0-or-later
#include "writer/sheetspool.h"

#include "core/failure.h"
#include "core/text/namelessfile.h"
#include "writer/utf8.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace quillora::writer {

namespace {
// This file's messages, in one translation context.
struct Message
{
    Q_DECLARE_TR_FUNCTIONS(quillora::SheetSpool)
};

// Gathered in memory, then written in one go.
constexpr qsizetype WriteBlock = 1024 * 1024;
constexpr qint64 ReadBlock = 1024 * 1024;

// A cell's length word: its UTF-8 bytes below, then its decimals and what
// it is stored as; a typed cell's value follows its text.
constexpr quint32 LengthBits = 0xFFFFFF;
constexpr int DecimalsShift = 24;
constexpr int KindShift = 29;

struct RowHeader
{
    qint64 row = 0;
    qint64 bodyBytes = 0; // the cells: each a length, then its UTF-8
    quint32 cells = 0;
    quint32 reserved = 0;
};
static_assert(sizeof(RowHeader) == 24);
} // namespace

SpoolFile::SpoolFile()
{
    const QString folder = temporaryFolder();
    m_fd = openNamelessFile(folder);
    if (m_fd < 0)
        throw Failure(Message::tr("The document's rows cannot be kept in %1: %2").arg(folder, qt_error_string(errno)));
}

SpoolFile::~SpoolFile()
{
    ::close(m_fd);
}

void SpoolFile::fail(const QString &what, int error) const
{
    throw Failure(QString(what).arg(temporaryFolder(), qt_error_string(error)));
}

char *SpoolFile::reserve(qsizetype bytes)
{
    if (m_buffer.size() >= WriteBlock)
        flush();
    const qsizetype start = m_buffer.size();
    m_buffer.resize(start + bytes);
    return m_buffer.data() + start;
}

void SpoolFile::commit(char *used)
{
    m_buffer.resize(used - m_buffer.data());
}

void SpoolFile::flush()
{
    if (const int error = writeBufferAt(m_fd, m_buffer, m_onDisk))
        fail(Message::tr("The document's rows cannot be written in %1: %2"), error);
}

void SpoolFile::read(qint64 offset, char *out, qint64 bytes)
{
    flush();
    while (bytes > 0) {
        const ssize_t done = ::pread(m_fd, out, static_cast<size_t>(bytes), offset);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            fail(Message::tr("The document's rows cannot be read back in %1: %2"), done < 0 ? errno : EIO);
        out += done;
        offset += done;
        bytes -= done;
    }
}

SheetSpool::SheetSpool(std::shared_ptr<SpoolFile> file)
    : m_file(std::move(file))
{
}

void SheetSpool::append(qint64 row, const RowBlock &block, size_t index)
{
    if (row < m_nextRow)
        throw Failure(Message::tr("Row %1 comes after row %2: a written document takes its rows in order.").arg(row + 1).arg(
            m_nextRow));
    const RowBlock::Row cells = block.row(index);
    const bool typed = block.typed();
    // At most three bytes of UTF-8 for each UTF-16 unit, and a value; the
    // buffer is cut back to what was used.
    qsizetype most = qsizetype(sizeof(RowHeader));
    for (qsizetype c = 0; c < cells.size(); ++c)
        most += qsizetype(sizeof(quint32) + sizeof(double)) + cells[c].size() * 3;
    const qint64 offset = m_file->end();
    char *const begin = m_file->reserve(most);
    char *out = begin + sizeof(RowHeader);
    for (qsizetype c = 0; c < cells.size(); ++c) {
        const QStringView cell = cells[c];
        char *const lengthAt = out;
        out += sizeof(quint32);
        for (qsizetype i = 0; i < cell.size(); ++i) {
            const char16_t c = cell[i].unicode();
            if (c < 0x80)
                *out++ = char(c);
            else
                out += encodeUtf8(codePointAt(cell, i), out);
        }
        auto length = static_cast<quint32>(out - lengthAt - sizeof(quint32));
        m_textBytes += length;
        if (const CellValue value = typed ? block.valueAt(index, c) : CellValue{};
            value.kind != CellValue::Kind::Text) {
            length |= quint32(value.decimals) << DecimalsShift | quint32(value.kind) << KindShift;
            std::memcpy(out, &value.value, sizeof value.value);
            out += sizeof value.value;
            ++m_typedCells;
            m_numberColumns.note(c, cell.size());
        }
        std::memcpy(lengthAt, &length, sizeof length);
    }
    RowHeader header;
    header.row = row;
    header.cells = static_cast<quint32>(cells.size());
    header.bodyBytes = out - begin - qint64(sizeof header);
    std::memcpy(begin, &header, sizeof header);
    m_file->commit(out);
    // Rows of one sheet mostly follow each other: one part grows.
    const qint64 bytes = out - begin;
    if (!m_parts.empty() && m_parts.back().offset + m_parts.back().bytes == offset)
        m_parts.back().bytes += bytes;
    else
        m_parts.push_back({offset, bytes});
    m_nextRow = row + 1;
    ++m_rowCount;
    m_cellCount += cells.size();
    m_widestRow = std::max(m_widestRow, static_cast<int>(cells.size()));
}

SheetSpool::Reader::Reader(const SheetSpool &spool)
    : m_spool(spool)
{
}

bool SheetSpool::Reader::ensure(qint64 bytes)
{
    if (m_buffer.size() - m_pos >= bytes)
        return true;
    m_buffer.remove(0, m_pos);
    m_pos = 0;
    while (m_buffer.size() < bytes) {
        if (m_part >= m_spool.m_parts.size())
            return false;
        const Part &part = m_spool.m_parts[m_part];
        const qint64 wanted =
            std::min(part.bytes - m_partOffset, std::max(ReadBlock, bytes - qint64(m_buffer.size())));
        const qsizetype start = m_buffer.size();
        m_buffer.resize(start + wanted);
        m_spool.m_file->read(part.offset + m_partOffset, m_buffer.data() + start, wanted);
        m_partOffset += wanted;
        if (m_partOffset == part.bytes) {
            ++m_part;
            m_partOffset = 0;
        }
    }
    return true;
}

bool SheetSpool::Reader::next(qint64 &row, std::vector<Cell> &cells)
{
    cells.clear();
    RowHeader header;
    if (!ensure(sizeof header))
        return false;
    std::memcpy(&header, m_buffer.constData() + m_pos, sizeof header);
    m_pos += sizeof header;
    if (!ensure(header.bodyBytes))
        throw Failure(Message::tr("The document's rows cannot be read back: they end too soon."));
    const char *in = m_buffer.constData() + m_pos;
    cells.reserve(header.cells);
    for (quint32 i = 0; i < header.cells; ++i) {
        quint32 word = 0;
        std::memcpy(&word, in, sizeof word);
        in += sizeof word;
        Cell cell{QByteArrayView(in, qsizetype(word & LengthBits)), {}};
        in += word & LengthBits;
        cell.value.kind = CellValue::Kind(word >> KindShift);
        if (cell.value.kind != CellValue::Kind::Text) {
            cell.value.decimals = int(word >> DecimalsShift & 0x1F);
            std::memcpy(&cell.value.value, in, sizeof cell.value.value);
            in += sizeof cell.value.value;
        }
        cells.push_back(cell);
    }
    m_pos += header.bodyBytes;
    row = header.row;
    return true;
}

} // namespace quillora::writer
