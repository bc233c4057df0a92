// SPDX-License-Identifier: GPL-3.0-or-later
// OpenDocument spreadsheets: .ods (a zip archive) and .fods (one XML file),
// written while the rows are read back, never held whole.
#include "writer/opendocument.h"

#include "core/failure.h"
#include "core/list/paths.h"
#include "core/text/filenames.h"
#include "core/translations.h"
#include "writer/workbook.h"
#include "writer/xmlout.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <set>

#include <minizip/zip.h>
#include <zlib.h>
#include <fcntl.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace quillora::writer {

namespace {
constexpr char MimeType[] = "application/vnd.oasis.opendocument.spreadsheet";

constexpr char Namespaces[] =
    " xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
    " xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\""
    " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
    " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
    " xmlns:number=\"urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0\""
    " xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\""
    " xmlns:meta=\"urn:oasis:names:tc:opendocument:xmlns:meta:1.0\""
    " office:version=\"1.3\"";

constexpr char XmlDeclaration[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

// The default cell style, which the text style below builds on.
constexpr char CommonStyles[] =
    "<office:styles><style:style style:name=\"Default\" style:family=\"table-cell\"/></office:styles>";

// Every written column's cells are formatted as text ("@"), so that what
// is typed into them later stays text too, as in the Calc document. Cells
// stored as numbers show as many decimals as their text had ("cn2": two),
// dates as their text did ("cd0": YYYY-MM-DD): those styles are there where
// such cells are.
// A number's text has 15 digits at most.
constexpr qint64 MostDecimals = 15;

constexpr char TextStyle[] =
    "<number:text-style style:name=\"N100\"><number:text-content/></number:text-style>"
    "<style:style style:name=\"ce1\" style:family=\"table-cell\" style:parent-style-name=\"Default\""
    " style:data-style-name=\"N100\"/>";

// The date styles, one for each form a file writes its dates in ("cd0":
// YYYY-MM-DD, "cd5": DD/MM/YYYY ...): a date shows as its text did.
void writeDateStyles(XmlOut &out)
{
    static const DateCodeWords Words{QStringLiteral("<number:year number:style=\"long\"/>"),
                                     QStringLiteral("<number:day/>"),
                                     QStringLiteral("<number:day number:style=\"long\"/>"),
                                     QStringLiteral("<number:month/>"),
                                     QStringLiteral("<number:month number:style=\"long\"/>"),
                                     QStringLiteral("<number:text>"),
                                     QStringLiteral("</number:text>")};
    for (int form = 0; form <= MostDateForm; ++form) {
        out << "<number:date-style style:name=\"N2" << qint64(form) << "\">"
            << dateFormatCode(dateShapeOf(form), Words).toLatin1() << "</number:date-style>"
            << "<style:style style:name=\"cd" << qint64(form)
            << "\" style:family=\"table-cell\" style:parent-style-name=\"Default\" style:data-style-name=\"N2"
            << qint64(form) << "\"/>";
    }
}

void writeAutomaticStyles(XmlOut &out, const StoreJob &job)
{
    out << "<office:automatic-styles>" << TextStyle;
    const bool typed = std::any_of(job.sheets.begin(), job.sheets.end(),
                                   [](const auto &sheet) { return sheet->spool && sheet->spool->typedCells() > 0; });
    if (typed) {
        for (qint64 decimals = 0; decimals <= MostDecimals; ++decimals) {
            out << "<number:number-style style:name=\"N3" << decimals << "\"><number:number number:decimal-places=\""
                << decimals << "\" number:min-decimal-places=\"" << decimals
                << "\" number:min-integer-digits=\"1\"/></number:number-style>"
                << "<style:style style:name=\"cn" << decimals
                << "\" style:family=\"table-cell\" style:parent-style-name=\"Default\" style:data-style-name=\"N3"
                << decimals << "\"/>";
        }
        writeDateStyles(out);
    }
    // Columns widened for their numbers: a style for each width.
    std::set<int> widths;
    for (const auto &sheet : job.sheets) {
        if (!sheet->spool)
            continue;
        const NumberColumns &columns = sheet->spool->numberColumns();
        for (qsizetype column = 0; column < columns.columns(); ++column)
            widths.insert(numberColumnWidth(columns.charactersOf(column)));
    }
    widths.erase(0);
    for (const int width : widths) {
        out << "<style:style style:name=\"co" << qint64(width)
            << "\" style:family=\"table-column\"><style:table-column-properties style:column-width=\""
            << qint64(width / 100) << "." << QByteArray::number(width % 100).rightJustified(2, '0')
            << "mm\"/></style:style>";
    }
    out << "</office:automatic-styles>";
}

// The table's columns, formatted as text, and the ones that hold long
// numbers as wide as they need ("co2671": 26.71 mm).
void writeColumns(XmlOut &out, const WrittenSheet &sheet)
{
    const int columns = sheet.spool ? sheet.spool->widestRow() : 0;
    const NumberColumns *numbers = sheet.spool ? &sheet.spool->numberColumns() : nullptr;
    const auto widthOf = [&](int column) { return numbers ? numberColumnWidth(numbers->charactersOf(column)) : 0; };
    int column = 0;
    do {
        const int width = widthOf(column);
        int repeated = 1;
        while (column + repeated < columns && widthOf(column + repeated) == width)
            ++repeated;
        out << "<table:table-column";
        if (width > 0)
            out << " table:style-name=\"co" << qint64(width) << "\"";
        out << " table:default-cell-style-name=\"ce1\"";
        if (repeated > 1)
            out << " table:number-columns-repeated=\"" << qint64(repeated) << "\"";
        out << "/>";
        column += repeated;
    } while (column < columns);
}

// A number cell's value as ODF writes it: the shortest text that reads back
// as the same double.
void writeValue(XmlOut &out, double value)
{
    char digits[32];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
    out << QByteArrayView(digits, error == std::errc() ? end - digits : 0);
}

// The paragraph of a number or a date is what the office shows for it: a
// number's decimals after a point, whatever sign the file wrote them with
// (its text is digits, a sign and one decimal sign).
void writeTypedCell(XmlOut &out, const SheetSpool::Cell &cell)
{
    QByteArray shown = cell.text.toByteArray();
    if (cell.value.kind == CellValue::Kind::Number) {
        out << "<table:table-cell table:style-name=\"cn" << qint64(cell.value.decimals)
            << "\" office:value-type=\"float\" office:value=\"";
        writeValue(out, cell.value.value);
        shown.replace(',', '.');
    } else {
        const QDate date = QDate(1899, 12, 30).addDays(qint64(cell.value.value));
        out << "<table:table-cell table:style-name=\"cd" << qint64(cell.value.decimals)
            << "\" office:value-type=\"date\" office:date-value=\"" << date.toString(Qt::ISODate).toLatin1();
    }
    out << "\"><text:p>" << shown << "</text:p></table:table-cell>";
}

void writeMeta(XmlOut &out)
{
    out << "<office:meta><meta:generator>Quillora";
    const QString version = QCoreApplication::applicationVersion();
    if (!version.isEmpty()) {
        out << "/";
        out.escaped(version);
    }
    out << "</meta:generator></office:meta>";
}

QString leftOutReport(qint64 count, const QString &sheet, const char *format)
{
    //: %2 the format (.ods, .fods)
    return QCoreApplication::translate("quillora::OpenDocument", "%Ln character(s) of the sheet \"%1\" were left out: a %2 file cannot hold control "
                                       "characters other than tab and line break, nor U+FFFE and U+FFFF (an .xlsx file "
                                       "keeps them).",
                                       nullptr, pluralCount(count))
        .arg(sheet, QString::fromLatin1(format));
}

// One sheet as a table: rows never written stay empty, and every cell that
// has text is a string cell.
void writeTable(XmlOut &out, WrittenSheet &sheet, StoredRows &stored, qint64 &leftOut)
{
    out << "<table:table table:name=\"";
    out.escaped(sheet.name);
    out << "\">";
    writeColumns(out, sheet);
    const auto emptyRows = [&](qint64 count) {
        if (count <= 0)
            return;
        out << "<table:table-row";
        if (count > 1)
            out << " table:number-rows-repeated=\"" << count << "\"";
        out << "><table:table-cell/></table:table-row>";
    };
    qint64 nextRow = 0;
    if (sheet.spool) {
        SheetSpool::Reader reader = sheet.spool->reader();
        std::vector<SheetSpool::Cell> cells;
        qint64 row = 0;
        while (reader.next(row, cells)) {
            emptyRows(row - nextRow);
            nextRow = row + 1;
            out << "<table:table-row>";
            qint64 emptyCells = 0;
            bool anyCell = false;
            for (const SheetSpool::Cell &cell : cells) {
                if (cell.text.isEmpty()) {
                    ++emptyCells;
                    continue;
                }
                if (emptyCells > 0) {
                    out << "<table:table-cell";
                    if (emptyCells > 1)
                        out << " table:number-columns-repeated=\"" << emptyCells << "\"";
                    out << "/>";
                    emptyCells = 0;
                }
                anyCell = true;
                if (cell.value.kind != CellValue::Kind::Text) {
                    writeTypedCell(out, cell);
                    continue;
                }
                out << "<table:table-cell office:value-type=\"string\">";
                out.cellParagraphs(cell.text, leftOut);
                out << "</table:table-cell>";
            }
            if (!anyCell)
                out << "<table:table-cell/>";
            out << "</table:table-row>";
            out.maybeFlush();
            stored.add();
        }
    }
    // A table has at least one row.
    if (nextRow == 0)
        emptyRows(1);
    out << "</table:table>";
}

QStringList writeBody(XmlOut &out, const StoreJob &job, const char *format)
{
    QStringList reports;
    out << "<office:body><office:spreadsheet>";
    StoredRows stored(job);
    for (const auto &sheet : job.sheets) {
        qint64 leftOut = 0;
        writeTable(out, *sheet, stored, leftOut);
        if (leftOut > 0)
            reports.append(leftOutReport(leftOut, sheet->name, format));
    }
    stored.allStored();
    out << "</office:spreadsheet></office:body>";
    return reports;
}

QStringList writeContent(XmlOut &out, const StoreJob &job)
{
    out << XmlDeclaration << "<office:document-content" << Namespaces << ">";
    writeAutomaticStyles(out, job);
    const QStringList reports = writeBody(out, job, ".ods");
    out << "</office:document-content>";
    out.flush();
    return reports;
}

// The most content.xml can take: a byte of text becomes at most 17 (a line
// feed ends one paragraph and begins the next), a cell and a row their
// tags, and runs of empty ones between them.
qint64 contentBound(const StoreJob &job)
{
    qint64 bytes = 64 * 1024;
    for (const auto &sheet : job.sheets) {
        bytes += 4096;
        if (sheet->spool)
            bytes += 17 * sheet->spool->textBytes() + 160 * sheet->spool->cellCount() + 192 * sheet->spool->rowCount();
    }
    return bytes;
}

// Whether content.xml needs ZIP64, by the bytes it will have: counted by
// writing it once without keeping it where the bound alone cannot tell.
bool contentNeedsZip64(const StoreJob &job)
{
    if (contentBound(job) < zip64Threshold())
        return false;
    qint64 bytes = 0;
    XmlOut counted([&](const QByteArray &piece) { bytes += piece.size(); });
    writeContent(counted, job);
    return bytes >= zip64Threshold();
}

// A zip archive written entry by entry; each entry's bytes are compressed as
// they come.
class ZipArchive
{
public:
    explicit ZipArchive(const QString &path)
        : m_path(path)
    {
        const QByteArray name = encodePath(path);
        errno = 0;
        m_zip = zipOpen64(name.constData(), APPEND_STATUS_CREATE);
        if (!m_zip)
            cannotWrite(path, errno ? errno : EIO);
        const QDateTime now = QDateTime::currentDateTime();
        const QDate date = now.date();
        const QTime time = now.time();
        m_info.tmz_date = {uInt(time.second()), uInt(time.minute()), uInt(time.hour()),
                           uInt(date.day()),    uInt(date.month() - 1), uInt(date.year())};
    }
    ~ZipArchive()
    {
        if (m_zip)
            zipClose(m_zip, nullptr);
    }
    ZipArchive(const ZipArchive &) = delete;
    ZipArchive &operator=(const ZipArchive &) = delete;

    // An entry carries the 64-bit sizes only when it may need them: some
    // readers refuse them where they are not needed.
    void begin(const char *name, bool compressed, bool large = false)
    {
        m_entryLarge = large;
        m_entryBytes = 0;
        check(zipOpenNewFileInZip64(m_zip, name, &m_info, nullptr, 0, nullptr, 0, nullptr,
                                    compressed ? Z_DEFLATED : 0, compressed ? Z_BEST_SPEED : 0, large ? 1 : 0));
    }
    void write(const QByteArray &bytes)
    {
        // Past 4 GiB without ZIP64 the archive would be broken: never stored.
        m_entryBytes += bytes.size();
        if (!m_entryLarge && m_entryBytes >= qint64(0xFFFFFFFF))
            throw Failure(QCoreApplication::translate("quillora::OpenDocument", "%1 cannot be written: a part of it outgrew 4 GiB.").arg(m_path));
        check(zipWriteInFileInZip(m_zip, bytes.constData(), static_cast<unsigned>(bytes.size())));
    }
    void end() { check(zipCloseFileInZip(m_zip)); }
    void add(const char *name, const QByteArray &bytes, bool compressed = true)
    {
        begin(name, compressed);
        write(bytes);
        end();
    }
    void close()
    {
        const int result = zipClose(std::exchange(m_zip, nullptr), nullptr);
        if (result != ZIP_OK)
            cannotWrite(m_path, errno ? errno : EIO);
    }

private:
    void check(int result)
    {
        if (result != ZIP_OK)
            cannotWrite(m_path, errno ? errno : EIO);
    }

    QString m_path;
    bool m_entryLarge = false;
    qint64 m_entryBytes = 0;
    zipFile m_zip = nullptr;
    zip_fileinfo m_info{};
};

QByteArray wholeXml(const std::function<void(XmlOut &)> &write)
{
    QByteArray bytes;
    XmlOut out([&](const QByteArray &piece) { bytes.append(piece); });
    write(out);
    out.flush();
    return bytes;
}
} // namespace

QStringList writeOpenDocument(const StoreJob &job)
{
    const bool large = contentNeedsZip64(job);
    ZipArchive zip(job.path);
    // The media type first and stored as it is, so that the file tells what
    // it is from its first bytes.
    zip.add("mimetype", QByteArray(MimeType), false);
    zip.begin("content.xml", true, large);
    XmlOut content([&](const QByteArray &bytes) { zip.write(bytes); });
    QStringList reports = writeContent(content, job);
    zip.end();
    if (large)
        reports.append(zip64Report());
    zip.add("styles.xml", wholeXml([](XmlOut &out) {
                out << XmlDeclaration << "<office:document-styles" << Namespaces << ">" << CommonStyles
                    << "</office:document-styles>";
            }));
    zip.add("meta.xml", wholeXml([](XmlOut &out) {
                out << XmlDeclaration << "<office:document-meta" << Namespaces << ">";
                writeMeta(out);
                out << "</office:document-meta>";
            }));
    zip.add("META-INF/manifest.xml",
            QByteArray(XmlDeclaration)
                + "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\""
                  " manifest:version=\"1.3\">"
                  "<manifest:file-entry manifest:full-path=\"/\" manifest:version=\"1.3\" manifest:media-type=\""
                + MimeType
                + "\"/>"
                  "<manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>"
                  "<manifest:file-entry manifest:full-path=\"styles.xml\" manifest:media-type=\"text/xml\"/>"
                  "<manifest:file-entry manifest:full-path=\"meta.xml\" manifest:media-type=\"text/xml\"/>"
                  "</manifest:manifest>");
    zip.close();
    syncFile(job.path);
    return reports;
}

QStringList writeFlatOpenDocument(const StoreJob &job)
{
    QFile file;
    const int fd = ::open(encodePath(job.path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0 || !file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle))
        cannotWrite(job.path, errno ? errno : EIO);
    XmlOut out([&](const QByteArray &bytes) {
        if (file.write(bytes) != bytes.size())
            cannotWrite(job.path, errno ? errno : ENOSPC);
    });
    out << XmlDeclaration << "<office:document" << Namespaces << " office:mimetype=\"" << MimeType << "\">";
    writeMeta(out);
    out << CommonStyles;
    writeAutomaticStyles(out, job);
    const QStringList reports = writeBody(out, job, ".fods");
    out << "</office:document>";
    out.flush();
    file.close();
    syncFile(job.path);
    return reports;
}

} // namespace quillora::writer
