// SPDX-License-Identifier: GPL-3.0-or-later
// .xlsx files through libxlsxwriter in its constant-memory mode: each row
// goes to the library's own temporary file as it is read back.
#include "core/failure.h"
#include "core/list/paths.h"
#include "writer/workbook.h"
#include "writer/xmlout.h"

#include <QDir>
#include <QFile>

#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <string>

#include <sys/resource.h>

using namespace Qt::Literals::StringLiterals;

namespace quillora::writer {

namespace {
// What a cell and a sheet name of an .xlsx file hold at most.
constexpr qsizetype CellCharacters = 32767;
constexpr qsizetype SheetNameCharacters = 31;

bool isHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Whether text[i] begins what a reader takes for an escaped character:
// "_x" followed by four hexadecimal digits and "_".
bool looksEscaped(QByteArrayView text, qsizetype i)
{
    return i + 6 < text.size() && text[i + 1] == 'x' && isHex(text[i + 2]) && isHex(text[i + 3])
        && isHex(text[i + 4]) && isHex(text[i + 5]) && text[i + 6] == '_';
}

// A cell's text as libxlsxwriter takes it: UTF-8 without NUL bytes. What
// XML cannot carry is written as "_xHHHH_", which readers turn back into
// the character (libxlsxwriter does so for the other control characters);
// text that looks like such an escape has its "_" escaped, so that it reads
// back as it stands. Cut at the characters a cell holds; returns whether it
// was cut.
bool cellText(QByteArrayView text, std::string &out)
{
    out.clear();
    qsizetype characters = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const char *escape = c == '\0'                                   ? "_x0000_"
            : isNonCharacterAt(text, i)                                  ? (text[i + 2] == '\xBE' ? "_xFFFE_" : "_xFFFF_")
            : c == '_' && looksEscaped(text, i)                          ? "_x005F_"
                                                                         : nullptr;
        if (escape) {
            if (characters + 7 > CellCharacters)
                return false;
            out.append(escape, 7);
            characters += 7;
            if (c != '_' && c != '\0')
                i += 2;
            continue;
        }
        // A character starts at every byte that does not continue one.
        if ((uchar(c) & 0xC0) != 0x80 && ++characters > CellCharacters)
            return false;
        out.push_back(c);
    }
    return true;
}

// Sheet names cut at what .xlsx allows and kept apart without regard to
// case, as readers compare them.
QStringList sheetNames(const std::vector<std::shared_ptr<WrittenSheet>> &sheets)
{
    QStringList names;
    const auto taken = [&](const QString &name) {
        return names.contains(name, Qt::CaseInsensitive);
    };
    const auto cut = [](const QString &name, qsizetype length) {
        QString part = name.left(length);
        if (part.size() < name.size() && part.back().isHighSurrogate())
            part.chop(1);
        return part;
    };
    for (const auto &sheet : sheets) {
        QString name = cut(sheet->name, SheetNameCharacters);
        for (int number = 2; name.size() < sheet->name.size() && taken(name); ++number) {
            const QString suffix = QString::number(number);
            name = cut(sheet->name, SheetNameCharacters - suffix.size()) + suffix;
        }
        names.append(name);
    }
    return names;
}

// In its constant-memory mode libxlsxwriter keeps every sheet in a
// temporary file of its own until the end; a sheet per file of a thousand
// files needs more open files than the usual soft limit allows. It is raised
// as far as the hard limit lets it.
void allowAFilePerSheet(size_t sheets)
{
    constexpr rlim_t Spare = 64;
    rlimit files{};
    if (::getrlimit(RLIMIT_NOFILE, &files) != 0 || files.rlim_cur == RLIM_INFINITY || files.rlim_cur >= sheets + Spare)
        return;
    files.rlim_cur = files.rlim_max == RLIM_INFINITY ? sheets + Spare : std::min<rlim_t>(files.rlim_max, sheets + Spare);
    ::setrlimit(RLIMIT_NOFILE, &files);
}

class XlsxFile
{
public:
    XlsxFile(const StoreJob &job, bool large)
        : m_path(job.path)
        , m_file(encodePath(job.path))
        , m_tmpdir(encodePath(QDir::tempPath()))
    {
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        options.tmpdir = m_tmpdir.data();
        options.use_zip64 = large ? LXW_TRUE : LXW_FALSE;
        m_workbook = workbook_new_opt(m_file.constData(), &options);
        if (!m_workbook)
            cannotWrite(m_path, errno ? errno : ENOMEM);
        m_text = workbook_add_format(m_workbook);
        // Excel's built-in text format "@".
        format_set_num_format_index(m_text, 49);
    }
    ~XlsxFile()
    {
        // Given up half way: nothing is written.
        if (m_workbook)
            lxw_workbook_free(m_workbook);
    }
    XlsxFile(const XlsxFile &) = delete;
    XlsxFile &operator=(const XlsxFile &) = delete;

    lxw_worksheet *addSheet(const QString &name, int columns)
    {
        errno = 0;
        lxw_worksheet *sheet = workbook_add_worksheet(m_workbook, name.toUtf8().constData());
        if (!sheet)
            throw Failure(u"%1: the sheet \"%2\" cannot be added: %3"_s.arg(
                m_path, name, errno ? qt_error_string(errno) : u"libxlsxwriter refused it"_s));
        // Formatted as text, so that what is typed into them later stays text.
        if (columns > 0)
            worksheet_set_column(sheet, 0, lxw_col_t(columns - 1), LXW_DEF_COL_WIDTH, m_text);
        return sheet;
    }

    void write(lxw_worksheet *sheet, qint64 row, int column, const std::string &text)
    {
        const lxw_error result =
            worksheet_write_string(sheet, lxw_row_t(row), lxw_col_t(column), text.c_str(), m_text);
        if (result != LXW_NO_ERROR)
            throw Failure(u"%1: a cell cannot be written: %2"_s.arg(m_path, QString::fromUtf8(lxw_strerror(result))));
    }

    // The library keeps the rows in a temporary file of its own without
    // telling when a write failed; asked here, a full disk is not missed.
    void checkKept(lxw_worksheet *sheet)
    {
        if (sheet->optimize_tmpfile && (fflush(sheet->optimize_tmpfile) != 0 || ferror(sheet->optimize_tmpfile)))
            throw Failure(u"%1 cannot be written: the rows cannot be kept in %2: %3"_s.arg(
                m_path, QDir::tempPath(), qt_error_string(errno ? errno : ENOSPC)));
    }

    void close()
    {
        errno = 0;
        const lxw_error result = workbook_close(std::exchange(m_workbook, nullptr));
        if (result != LXW_NO_ERROR) {
            const int error = errno;
            QFile::remove(m_path);
            throw Failure(u"%1 cannot be written: %2"_s.arg(
                m_path, error ? qt_error_string(error) : QString::fromUtf8(lxw_strerror(result))));
        }
    }

private:
    QString m_path;
    QByteArray m_file;
    QByteArray m_tmpdir;
    lxw_workbook *m_workbook = nullptr;
    lxw_format *m_text = nullptr;
};
} // namespace

QStringList writeXlsx(const StoreJob &job)
{
    allowAFilePerSheet(job.sheets.size());
    XlsxFile workbook(job, textBytes(job.sheets) > (qint64(1) << 30));
    QStringList reports;
    const QStringList names = sheetNames(job.sheets);
    std::string cell;
    std::vector<QByteArrayView> cells;
    for (size_t s = 0; s < job.sheets.size(); ++s) {
        WrittenSheet &sheet = *job.sheets[s];
        lxw_worksheet *worksheet = workbook.addSheet(names.at(qsizetype(s)), sheet.spool ? sheet.spool->widestRow() : 0);
        if (!sheet.spool)
            continue;
        qint64 cut = 0;
        qint64 row = 0;
        SheetSpool::Reader reader = sheet.spool->reader();
        while (reader.next(row, cells)) {
            for (size_t column = 0; column < cells.size(); ++column) {
                if (cells[column].isEmpty())
                    continue;
                if (!cellText(cells[column], cell))
                    ++cut;
                workbook.write(worksheet, row, static_cast<int>(column), cell);
            }
            if (row % RowsPerCheckpoint == 0)
                job.checkpoint();
        }
        workbook.checkKept(worksheet);
        if (cut > 0)
            reports.append(u"%1 cells of the sheet \"%2\" were cut to %3 characters: an .xlsx cell holds no more "
                           u"(an .ods file keeps them whole)."_s.arg(cut)
                               .arg(sheet.name)
                               .arg(CellCharacters));
    }
    workbook.close();
    syncFile(job.path);
    return reports;
}

} // namespace quillora::writer
