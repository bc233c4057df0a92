// SPDX-License-Identifier: GPL-3.0-or-later
// .xlsx files through libxlsxwriter in its constant-memory mode: each row
// goes to the library's own temporary file as it is read back.
#include "writer/xlsx.h"

#include "core/failure.h"
#include "core/import/spreadsheet.h"
#include "core/list/paths.h"
#include "core/text/filenames.h"
#include "core/text/namelessfile.h"
#include "core/translations.h"
#include "writer/librarymessages.h"
#include "writer/workbook.h"
#include "writer/xlsxcell.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <string>

#include <xlsxwriter.h>
#include <unistd.h>


using namespace Qt::Literals::StringLiterals;

namespace quillora::writer {

namespace {
// This file's messages, in one translation context.
struct Message
{
    Q_DECLARE_TR_FUNCTIONS(quillora::Xlsx)
};

constexpr qsizetype SheetNameCharacters = 31;

// A column's width in .xlsx counts digits of the default font, whichever
// font a reader has for it: a column of numbers of n characters and two
// more for the margins shows them whole in every reader. The default width
// holds eight.
double xlsxColumnWidth(qsizetype characters)
{
    constexpr qsizetype DefaultCharacters = 8;
    return characters <= DefaultCharacters ? LXW_DEF_COL_WIDTH : double(std::min<qsizetype>(characters, 64) + 2);
}

// Sheet names cut at what .xlsx allows and kept apart without regard to
// case, as readers compare them. Names that fit keep their place; a cut one
// that meets any other name gets " (2)", " (3)" ... within the 31.
QStringList sheetNames(const std::vector<std::shared_ptr<WrittenSheet>> &sheets)
{
    QStringList names;
    for (const auto &sheet : sheets)
        names.append(sheet->name.size() <= SheetNameCharacters ? sheet->name : QString());
    const auto taken = [&](const QString &name) {
        return names.contains(name, Qt::CaseInsensitive);
    };
    const auto cut = [](const QString &name, qsizetype length) {
        QString part = name.left(length);
        if (part.size() < name.size() && part.back().isHighSurrogate())
            part.chop(1);
        return part;
    };
    for (size_t s = 0; s < sheets.size(); ++s) {
        const QString &whole = sheets[s]->name;
        if (whole.size() <= SheetNameCharacters)
            continue;
        QString name = cut(whole, SheetNameCharacters);
        for (int number = 2; taken(name); ++number) {
            const QString suffix = u" (%1)"_s.arg(number);
            name = cut(whole, SheetNameCharacters - suffix.size()) + suffix;
        }
        names[qsizetype(s)] = name;
    }
    return names;
}

// The file in which the library keeps a sheet's rows until the end. The
// library's header marks the member as its own; it is read here alone, for
// what the library does not tell: whether the rows reached the disk, and how
// many bytes of XML they take.
FILE *rowsKeptBy(lxw_worksheet *sheet)
{
    return sheet->optimize_tmpfile;
}

// Cells reach the writer no longer than an .xlsx cell holds, as the reader
// counts them; should one be longer all the same, it is cut and said so, in
// the words the run uses for the cells it cuts.
QString cutReport(const QString &sheet, qint64 cut)
{
    return QCoreApplication::translate("quillora::SheetWriter",
                                       "%Ln cell(s) of the sheet \"%1\" were cut to %2 characters: a cell holds no more.",
                                       nullptr, pluralCount(cut))
        .arg(sheet)
        .arg(QLocale().toString(XlsxCellCharacters));
}

class XlsxFile
{
public:
    explicit XlsxFile(const StoreJob &job)
        : m_path(job.path)
        , m_file(encodePath(job.path))
        , m_tmpdir(encodePath(temporaryFolder()))
    {
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        options.tmpdir = m_tmpdir.data();
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

    lxw_worksheet *addSheet(const QString &name, const SheetSpool *spool)
    {
        errno = 0;
        lxw_worksheet *sheet = workbook_add_worksheet(m_workbook, name.toUtf8().constData());
        if (!sheet)
            throw Failure(Message::tr("%1: the sheet \"%2\" cannot be added: %3").arg(
                m_path, name, errno ? qt_error_string(errno) : Message::tr("libxlsxwriter refused it")));
        // Formatted as text, so that what is typed into them later stays
        // text; those with long numbers as wide as they need.
        const int columns = spool ? spool->widestRow() : 0;
        const auto widthOf = [&](int column) { return xlsxColumnWidth(spool->numberColumns().charactersOf(column)); };
        for (int column = 0; column < columns;) {
            const double width = widthOf(column);
            int last = column;
            while (last + 1 < columns && widthOf(last + 1) == width)
                ++last;
            worksheet_set_column(sheet, lxw_col_t(column), lxw_col_t(last), width, m_text);
            column = last + 1;
        }
        return sheet;
    }

    void write(lxw_worksheet *sheet, qint64 row, int column, const std::string &text)
    {
        const lxw_error result =
            worksheet_write_string(sheet, lxw_row_t(row), lxw_col_t(column), text.c_str(), m_text);
        if (result != LXW_NO_ERROR)
            throw Failure(Message::tr("%1: a cell cannot be written: %2").arg(m_path, QString::fromUtf8(lxw_strerror(result))));
    }

    // A number shown with its text's decimals; a date as its text was, by the
    // day number of the 1900 system, the same as the office's from March
    // 1900 on (the earliest day a cell is typed a date).
    void write(lxw_worksheet *sheet, qint64 row, int column, const CellValue &value)
    {
        const double number = value.value;
        lxw_format *format = nullptr;
        if (value.kind == CellValue::Kind::Date) {
            lxw_format *&date = m_dates[size_t(std::clamp(value.decimals, 0, MostDateForm))];
            if (!date)
                date = formatOf(dateCode(dateShapeOf(value.decimals)).c_str());
            format = date;
        } else {
            lxw_format *&decimals = m_numbers[size_t(std::clamp(value.decimals, 0, 15))];
            if (!decimals) {
                const std::string code = value.decimals == 0 ? "0" : "0." + std::string(size_t(value.decimals), '0');
                decimals = formatOf(code.c_str());
            }
            format = decimals;
        }
        const lxw_error result = worksheet_write_number(sheet, lxw_row_t(row), lxw_col_t(column), number, format);
        if (result != LXW_NO_ERROR)
            throw Failure(Message::tr("%1: a cell cannot be written: %2").arg(m_path, QString::fromUtf8(lxw_strerror(result))));
    }

    // The library keeps the rows in a temporary file of its own without
    // telling when a write failed; asked here, a full disk is not missed.
    // Returns the bytes of XML it holds: all rows but the last, which the
    // library writes out with the next one or at the end.
    qint64 checkKept(lxw_worksheet *sheet)
    {
        FILE *kept = rowsKeptBy(sheet);
        if (!kept)
            return 0;
        if (fflush(kept) != 0 || ferror(kept))
            throw Failure(Message::tr("%1 cannot be written: the rows cannot be kept in %2: %3").arg(
                m_path, temporaryFolder(), qt_error_string(errno ? errno : ENOSPC)));
        return std::max<qint64>(0, ftello(kept));
    }

    // Parts of the archive that may reach 4 GiB need ZIP64, which the
    // library decides when it closes the file.
    // Returns whether it took ZIP64.
    bool close(qint64 xmlBytes)
    {
        const bool large = xmlBytes >= zip64Threshold();
        m_workbook->options.use_zip64 = large ? LXW_TRUE : LXW_FALSE;
        errno = 0;
        const lxw_error result = workbook_close(std::exchange(m_workbook, nullptr));
        if (result != LXW_NO_ERROR) {
            const int error = errno;
            QFile::remove(m_path);
            throw Failure(Message::tr("%1 cannot be written: %2").arg(
                m_path, error ? qt_error_string(error) : QString::fromUtf8(lxw_strerror(result))));
        }
        return large;
    }

private:
    // A date's form as a format code: ISO as it always was, the others with
    // their signs escaped, which a reader would otherwise show as its own
    // locale's date separator.
    static std::string dateCode(const DateShape &shape)
    {
        if (shape.order == DateOrder::Ymd)
            return "yyyy-mm-dd";
        static const DateCodeWords Words{u"yyyy"_s, u"d"_s, u"dd"_s, u"m"_s, u"mm"_s, u"\\"_s, {}};
        return dateFormatCode(shape, Words).toStdString();
    }

    lxw_format *formatOf(const char *code)
    {
        lxw_format *format = workbook_add_format(m_workbook);
        format_set_num_format(format, code);
        return format;
    }

    QString m_path;
    QByteArray m_file;
    QByteArray m_tmpdir;
    lxw_workbook *m_workbook = nullptr;
    lxw_format *m_text = nullptr;
    std::array<lxw_format *, 16> m_numbers{}; // by decimals
    std::array<lxw_format *, MostDateForm + 1> m_dates{}; // by form
};

QStringList writeSheets(XlsxFile &workbook, const StoreJob &job)
{
    QStringList reports;
    const QStringList names = sheetNames(job.sheets);
    std::string cell;
    std::vector<SheetSpool::Cell> cells;
    StoredRows stored(job);
    // Every sheet's XML, the styles, themes and the rest besides.
    qint64 xmlBytes = 64 * 1024;
    for (size_t s = 0; s < job.sheets.size(); ++s) {
        WrittenSheet &sheet = *job.sheets[s];
        lxw_worksheet *worksheet = workbook.addSheet(names.at(qsizetype(s)), sheet.spool.get());
        xmlBytes += 16 * 1024;
        if (!sheet.spool)
            continue;
        qint64 cut = 0;
        qint64 row = 0;
        qint64 lastRowBytes = 0;
        SheetSpool::Reader reader = sheet.spool->reader();
        while (reader.next(row, cells)) {
            // The most XML the library makes of the row: each byte of text
            // becomes at most seven ("_x0001_"), and each cell and row
            // carries its tags and reference.
            lastRowBytes = 64;
            for (size_t column = 0; column < cells.size(); ++column) {
                lastRowBytes += 96 + 7 * cells[column].text.size();
                if (cells[column].text.isEmpty())
                    continue;
                if (cells[column].value.kind != CellValue::Kind::Text) {
                    workbook.write(worksheet, row, static_cast<int>(column), cells[column].value);
                    continue;
                }
                if (xlsxCellText(cells[column].text, cell).cut)
                    ++cut;
                workbook.write(worksheet, row, static_cast<int>(column), cell);
            }
            stored.add();
        }
        xmlBytes += workbook.checkKept(worksheet) + lastRowBytes;
        if (cut > 0)
            reports.append(cutReport(sheet.name, cut));
    }
    stored.allStored();
    if (workbook.close(xmlBytes))
        reports.append(zip64Report());
    return reports;
}
} // namespace

QStringList writeXlsx(const StoreJob &job)
{
    // The library's own words become reports: after a failure, its reason.
    LibraryMessages messages;
    QStringList reports;
    try {
        XlsxFile workbook(job);
        reports = writeSheets(workbook, job);
    } catch (const SpreadsheetLost &) {
        throw;
    } catch (const Failure &failure) {
        const QStringList said = messages.take();
        if (said.isEmpty())
            throw;
        throw Failure(failure.description() + u" ("_s + said.join(u"; "_s) + u')');
    }
    reports += messages.take();
    syncFile(job.path);
    return reports;
}

} // namespace quillora::writer

// libxlsxwriter makes each of its temporary files with a name and removes
// the name at once: a kill in between would leave the file behind in the
// user's temporary folder. Every call it makes goes through its exported
// lxw_tmpfile, which this definition takes the place of: the files have no
// name at all.
namespace {
// A file the library keeps XML in, by its descriptor: the escapes take the
// place of the stand-ins as it is written.
struct KeptXml
{
    int fd;
    quillora::writer::StandInFilter filter;

    bool writeAll(const std::string &bytes) const
    {
        for (size_t done = 0; done < bytes.size();) {
            const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
            if (wrote < 0 && errno == EINTR)
                continue;
            if (wrote <= 0)
                return false;
            done += size_t(wrote);
        }
        return true;
    }
    bool flush()
    {
        std::string rest;
        filter.finish(rest);
        return writeAll(rest);
    }
};

ssize_t writeKept(void *cookie, const char *data, size_t size)
{
    auto *kept = static_cast<KeptXml *>(cookie);
    std::string out;
    kept->filter.pass(QByteArrayView(data, qsizetype(size)), out);
    return kept->writeAll(out) ? ssize_t(size) : -1;
}

ssize_t readKept(void *cookie, char *data, size_t size)
{
    return ::read(static_cast<KeptXml *>(cookie)->fd, data, size);
}

int seekKept(void *cookie, off64_t *offset, int whence)
{
    auto *kept = static_cast<KeptXml *>(cookie);
    if (!kept->flush())
        return -1;
    const off64_t at = ::lseek64(kept->fd, *offset, whence);
    if (at < 0)
        return -1;
    *offset = at;
    return 0;
}

int closeKept(void *cookie)
{
    // The file owns its cookie from its opening: it goes with it.
    const std::unique_ptr<KeptXml> kept(static_cast<KeptXml *>(cookie));
    const bool flushed = kept->flush();
    return ::close(kept->fd) == 0 && flushed ? 0 : -1;
}
} // namespace

extern "C" FILE *lxw_tmpfile(char *tmpdir)
{
    using namespace quillora;
    const int fd = openNamelessFile(tmpdir ? decodePath(tmpdir) : temporaryFolder());
    if (fd < 0)
        return nullptr;
    auto kept = std::make_unique<KeptXml>(KeptXml{fd, {}});
    FILE *file = ::fopencookie(kept.get(), "w+b", {readKept, writeKept, seekKept, closeKept});
    if (!file) {
        ::close(fd);
        return nullptr;
    }
    kept.release(); // closeKept takes it back
    return file;
}
