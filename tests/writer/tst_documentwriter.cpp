// SPDX-License-Identifier: GPL-3.0-or-later
// The document writer: the files it makes hold what the in-memory model holds
// after the same run, in every format and mode, read back at the XML level.
#include "documentreader.h"
#include "fakewindow.h"
#include "memoryspreadsheet.h"
#include "testfiles.h"
#include "writer/documentwriter.h"
#include "writer/librarymessages.h"
#include "writer/workbook.h"

#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

#include <sys/resource.h>

using namespace Qt::Literals::StringLiterals;
using namespace quillora;
using namespace quillora::test;
using writer::DocumentWriter;

namespace {
const QString Suffix[] = {u"ods"_s, u"xlsx"_s, u"fods"_s};

QString suffixOf(DocumentFormat format)
{
    return Suffix[static_cast<int>(format)];
}

// 0: back to 4 GiB.
void setZip64ForTests(qint64 bytes)
{
    writer::setZip64Threshold(bytes > 0 ? bytes : qint64(0xFFFFFFFF));
}
} // namespace

class tst_DocumentWriter : public QObject
{
    Q_OBJECT

private slots:
    void documentEqualsTheModel_data();
    void documentEqualsTheModel();
    void charactersXmlCannotCarry_data();
    void charactersXmlCannotCarry();
    void xlsxTextReadsBackAsItWas_data();
    void xlsxTextReadsBackAsItWas();
    void longCellsInXlsx_data();
    void longCellsInXlsx();
    void nulInXlsxCountsAsOne();
    void cellsLongerThanCalcTakes();
    void xlsxSheetNamesAreCutAndKeptApart();
    void zip64ByTheBytesWritten_data();
    void zip64ByTheBytesWritten();
    void packagesAsReadersExpect();
    void rowLimit();
    void fullSheetsContinue();
    void manySheetsShareOneFile_data();
    void manySheetsShareOneFile();
    void sheetsAsCalcKeepsThem();
    void asManyFileSheetsAsADocumentHolds();
    void abandonedStoreStops();
    void libraryLinesBecomeReports();

private:
    struct Written
    {
        ReadDocument document;
        QStringList errors;
    };
    // The same run into the writer, stored; the model run beside it.
    Written write(FakeWindow &window, DocumentFormat format);
    QString file(const QString &name, const QByteArray &bytes) { return writeFile(m_dir.filePath(name), bytes); }

    QTemporaryDir m_dir;
};

tst_DocumentWriter::Written tst_DocumentWriter::write(FakeWindow &window, DocumentFormat format)
{
    DocumentWriter writer(format);
    const QString path = m_dir.filePath(u"out."_s + suffixOf(format));
    QStringList reports;
    window.finish = [&](SpreadsheetDocument &document) { reports = writer.store(document, path); };
    const ImportResult result = window.run(writer);
    if (!result.documentFinished)
        qWarning() << "not finished:" << window.errorTexts;
    return {readDocument(path), window.errorTexts + reports};
}

void tst_DocumentWriter::documentEqualsTheModel_data()
{
    QTest::addColumn<DocumentFormat>("format");
    QTest::addColumn<bool>("oneSheet");
    for (const DocumentFormat format : {DocumentFormat::Ods, DocumentFormat::Xlsx, DocumentFormat::Fods}) {
        QTest::addRow("%s, one sheet", qPrintable(suffixOf(format))) << format << true;
        QTest::addRow("%s, a sheet each", qPrintable(suffixOf(format))) << format << false;
    }
}

void tst_DocumentWriter::documentEqualsTheModel()
{
    QFETCH(DocumentFormat, format);
    QFETCH(bool, oneSheet);
    FakeWindow window{};
    window.sheets.oneSheet = oneSheet;
    window.read.cut = Cutting::at(u","_s);
    window.files = {
        file(u"orders.txt"_s, "code,formula,number,truth,quote\r\n007,=1+1,1e5,TRUE,'\r\n"
                              " lead,trail ,two  spaces,\ttab\tin,  \r\n\r\n,,gap,_x0041_,&<>\"\r\nlast"),
        file(u"wide text.txt"_s, utf16(u"Grüße,日本,😀 𝄞,a\u00A0b\r\n"_s, false)),
        file(u"empty.txt"_s, QByteArray()),
    };
    MemorySpreadsheet model;
    FakeWindow modelWindow = window;
    modelWindow.run(model);

    const Written written = write(window, format);
    QCOMPARE(written.errors, QStringList());
    QCOMPARE(written.document.error, QString());
    QCOMPARE(written.document.sheetNames, model.sheetNames());
    for (const QString &name : model.sheetNames())
        QCOMPARE(written.document.rows.value(name), MemorySpreadsheet::rowsOf(*model.sheet(name)));
    QVERIFY(written.document.onlyText);
}

void tst_DocumentWriter::charactersXmlCannotCarry_data()
{
    QTest::addColumn<DocumentFormat>("format");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("report");
    const QString text = u"a\u0001b\u0000c\uFFFEd\u001Fe"_s;
    QTest::newRow("xlsx keeps them") << DocumentFormat::Xlsx << text << QString();
    const QString leftOut = u"4 characters of the sheet \"Sheet1\" were left out: a %1 file cannot hold control "
                            u"characters other than tab and line break, nor U+FFFE and U+FFFF (an .xlsx file keeps "
                            u"them)."_s;
    QTest::newRow("ods leaves them out") << DocumentFormat::Ods << u"abcde"_s << leftOut.arg(u".ods"_s);
    QTest::newRow("fods leaves them out") << DocumentFormat::Fods << u"abcde"_s << leftOut.arg(u".fods"_s);
}

void tst_DocumentWriter::charactersXmlCannotCarry()
{
    QFETCH(DocumentFormat, format);
    QFETCH(QString, cell);
    QFETCH(QString, report);
    FakeWindow window{};
    window.files = {file(u"controls.txt"_s, QByteArray("a\x01" "b\0c\xEF\xBF\xBE" "d\x1F" "e\nnext", 16))};
    const Written written = write(window, format);
    QCOMPARE(written.errors, report.isEmpty() ? QStringList() : QStringList{report});
    QCOMPARE(written.document.rows.value(u"Sheet1"_s), (QList<QStringList>{{cell}, {u"next"_s}}));
}

void tst_DocumentWriter::xlsxTextReadsBackAsItWas_data()
{
    // Text that becomes an escape only once the character after it is
    // escaped, by libxlsxwriter or by the writer.
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("before a control character") << QByteArray("_x0041\x01");
    QTest::newRow("before NUL") << QByteArray("_x0041\0", 7);
    QTest::newRow("before U+FFFE") << QByteArray("_x0041\xEF\xBF\xBE");
    QTest::newRow("an escape as it stands") << QByteArray("__x0041_x005F_");
    QTest::newRow("before a tab, which stays") << QByteArray("_x0041\t");
    // The characters once used in the escapes' place are text like any other.
    QTest::newRow("U+FDD0 to U+FDD3") << QByteArray("\xEF\xB7\x90_x0041\xEF\xB7\x93_\xEF\xB7\x91\xEF\xB7\x92");
}

void tst_DocumentWriter::xlsxTextReadsBackAsItWas()
{
    QFETCH(QByteArray, text);
    FakeWindow window{};
    window.files = {file(u"escapes.txt"_s, text + "\nnext")};
    const Written written = write(window, DocumentFormat::Xlsx);
    QCOMPARE(written.errors, QStringList());
    QCOMPARE(written.document.rows.value(u"Sheet1"_s),
             (QList<QStringList>{{QString::fromUtf8(text)}, {u"next"_s}}));
}

void tst_DocumentWriter::longCellsInXlsx_data()
{
    // An .xlsx cell holds 32,767 characters as its reader counts them, and
    // libxlsxwriter takes no more than that, its escapes included.
    QTest::addColumn<QString>("cell");
    QTest::addColumn<int>("kept");
    QTest::addColumn<QStringList>("reports");
    const QString staged = u"1 cell of the sheet \"Sheet1\" was cut to 32767 characters: a cell holds no more (an "
                           u".ods file keeps such cells whole, up to 65535 characters)."_s;
    QTest::newRow("plain") << QString(40000, u'x') << 32767 << QStringList{staged};
    // One report a cell: an escape counts as the one character it stands for.
    QTest::newRow("text that looks escaped") << u"_x0041_"_s.repeated(5000) << 32767 << QStringList{staged};
    QTest::newRow("outside the BMP") << u"😀"_s.repeated(20000) << 32766 << QStringList{staged};
}

void tst_DocumentWriter::longCellsInXlsx()
{
    QFETCH(QString, cell);
    QFETCH(int, kept);
    QFETCH(QStringList, reports);
    FakeWindow window{};
    window.files = {file(u"long.txt"_s, cell.toUtf8() + "\nshort")};
    FakeWindow odsWindow = window;
    const Written xlsx = write(window, DocumentFormat::Xlsx);
    QCOMPARE(xlsx.errors, reports);
    QCOMPARE(xlsx.document.rows.value(u"Sheet1"_s).value(0).value(0), cell.left(kept));
    const Written ods = write(odsWindow, DocumentFormat::Ods);
    QCOMPARE(ods.errors, QStringList());
    QCOMPARE(ods.document.rows.value(u"Sheet1"_s).first().first(), cell);
}

// NUL is written as "_x0000_": the reader counts one character, and so is
// the cell cut, once, where the reader would count too many.
void tst_DocumentWriter::nulInXlsxCountsAsOne()
{
    const QString cell = QString(u"a"_s + QChar(0)).repeated(20000);
    FakeWindow window{};
    window.files = {file(u"nul.txt"_s, cell.toUtf8() + "\nshort")};
    const Written xlsx = write(window, DocumentFormat::Xlsx);
    QCOMPARE(xlsx.errors, QStringList{u"1 cell of the sheet \"Sheet1\" was cut to 32767 characters: a cell holds no "
                                      u"more (an .ods file keeps such cells whole, up to 65535 characters)."_s});
    QCOMPARE(xlsx.document.rows.value(u"Sheet1"_s).value(0).value(0), cell.left(32767));
}

void tst_DocumentWriter::cellsLongerThanCalcTakes()
{
    // Past what Calc takes, cells are cut as they are read: a line of any
    // length costs no more than what can land.
    FakeWindow window{};
    window.read.cut = Cutting::at(u","_s);
    window.files = {file(u"long.txt"_s, QByteArray(70000, 'a') + ",b\nshort")};
    const Written ods = write(window, DocumentFormat::Ods);
    QCOMPARE(ods.errors, QStringList{u"1 cell of the sheet \"Sheet1\" was cut to 65535 characters: a cell holds no "
                                     u"more."_s});
    QCOMPARE(ods.document.rows.value(u"Sheet1"_s),
             (QList<QStringList>{{QString(65535, u'a'), u"b"_s}, {u"short"_s}}));
}

void tst_DocumentWriter::xlsxSheetNamesAreCutAndKeptApart()
{
    const QString common = u"quarterly report of the northern region"_s; // 39 characters
    const QString exact = QString(31, u'x');
    FakeWindow window{};
    window.sheets.oneSheet = false;
    // The last file's sheet comes first: the cut name meets one that fits.
    window.files = {file(common + u" A.txt"_s, "a"), file(common + u" B.txt"_s, "b"), file(u"short.txt"_s, "s"),
                    file(exact + u"yy"_s, "c"), file(exact, "d")};
    const Written written = write(window, DocumentFormat::Xlsx);
    QCOMPARE(written.errors, QStringList());
    const QString cut = common.left(31);
    QCOMPARE(written.document.sheetNames,
             (QStringList{exact, exact.left(27) + u" (2)"_s, u"shorttxt"_s, cut, cut.left(27) + u" (2)"_s}));
    QCOMPARE(written.document.rows.value(exact), (QList<QStringList>{{u"d"_s}}));
    QCOMPARE(written.document.rows.value(exact.left(27) + u" (2)"_s), (QList<QStringList>{{u"c"_s}}));
    QCOMPARE(written.document.rows.value(cut), (QList<QStringList>{{u"b"_s}}));
    QCOMPARE(written.document.rows.value(cut.left(27) + u" (2)"_s), (QList<QStringList>{{u"a"_s}}));
}

void tst_DocumentWriter::zip64ByTheBytesWritten_data()
{
    // With the threshold lowered from 4 GiB: the XML around the cells, not
    // their text, takes most of the bytes.
    QTest::addColumn<DocumentFormat>("format");
    QTest::addColumn<int>("cells");
    QTest::addColumn<bool>("zip64");
    QTest::newRow("ods, small") << DocumentFormat::Ods << 1 << false;
    QTest::newRow("ods, over by its bound, under by its bytes") << DocumentFormat::Ods << 1500 << false;
    QTest::newRow("ods, over") << DocumentFormat::Ods << 6000 << true;
    QTest::newRow("xlsx, small") << DocumentFormat::Xlsx << 1 << false;
    QTest::newRow("xlsx, over") << DocumentFormat::Xlsx << 6000 << true;
}

void tst_DocumentWriter::zip64ByTheBytesWritten()
{
    QFETCH(DocumentFormat, format);
    QFETCH(int, cells);
    QFETCH(bool, zip64);
    setZip64ForTests(200 * 1024);
    FakeWindow window{};
    window.read.cut = Cutting::at(u","_s);
    const QList<QByteArray> row(cells / 100, QByteArray(99, ','));
    window.files = {file(u"cells.txt"_s, cells < 100 ? QByteArray("a") : (row.join('\n').replace(",", "a,")))};
    const Written written = write(window, format);
    setZip64ForTests(0);
    QCOMPARE(written.errors, zip64 ? QStringList{writer::zip64Report()} : QStringList());
    QCOMPARE(written.document.error, QString());
    const QString path = m_dir.filePath(u"out."_s + suffixOf(format));
    const QString part = format == DocumentFormat::Ods ? u"content.xml"_s : u"xl/worksheets/sheet1.xml"_s;
    QCOMPARE(zipEntryIsZip64(path, part), zip64);
    QCOMPARE(written.document.rows.value(u"Sheet1"_s).size(), std::max(1, cells / 100));
}

void tst_DocumentWriter::packagesAsReadersExpect()
{
    FakeWindow window{};
    window.files = {file(u"a.txt"_s, "x")};
    write(window, DocumentFormat::Ods);
    const QString ods = m_dir.filePath(u"out.ods"_s);
    // The media type first, stored as it is: a reader knows the file by its
    // first bytes.
    QFile raw(ods);
    QVERIFY(raw.open(QIODevice::ReadOnly));
    const QByteArray head = raw.read(38 + 46);
    QCOMPARE(head.left(4), QByteArray("PK\x03\x04"));
    QCOMPARE(head.at(8), '\0'); // stored, not compressed
    QCOMPARE(head.mid(30, 8), QByteArray("mimetype"));
    QCOMPARE(head.mid(38), QByteArray("application/vnd.oasis.opendocument.spreadsheet"));
    QCOMPARE(zipEntries(ods), (QStringList{u"mimetype"_s, u"content.xml"_s, u"styles.xml"_s, u"meta.xml"_s,
                                           u"META-INF/manifest.xml"_s}));
    const QByteArray manifest = zipEntry(ods, u"META-INF/manifest.xml"_s);
    for (const char *entry : {"content.xml", "styles.xml", "meta.xml"})
        QVERIFY(manifest.contains(QByteArray(QByteArray("manifest:full-path=\"") + entry + '"')));
    // Written columns are formatted as text, so typing into them keeps text.
    const QByteArray content = zipEntry(ods, u"content.xml"_s);
    QVERIFY(content.contains("<number:text-style style:name=\"N100\"><number:text-content/>"));
    QVERIFY(content.contains("table:default-cell-style-name=\"ce1\""));

    write(window, DocumentFormat::Xlsx);
    // The text number format "@" is Excel's built-in format 49.
    QVERIFY(zipEntry(m_dir.filePath(u"out.xlsx"_s), u"xl/styles.xml"_s).contains("numFmtId=\"49\""));
}

void tst_DocumentWriter::rowLimit()
{
    // One row past what a sheet holds: reported once, with what would keep
    // it, the rest written.
    QByteArray lines;
    lines.reserve(2 * 1048577);
    for (int i = 0; i < 1048577; ++i)
        lines += i == 1048575 ? "L\n" : "x\n";
    FakeWindow window{};
    window.files = {file(u"many.txt"_s, lines.chopped(1))};
    const Written written = write(window, DocumentFormat::Ods);
    QCOMPARE(written.errors,
             QStringList{u"1 cell could not be written to the sheet \"Sheet1\": a sheet holds at most 16384 columns "
                         u"and 1048576 rows. To put the rows past the last on new sheets, choose it."_s});
    const QList<QStringList> rows = written.document.rows.value(u"Sheet1"_s);
    QCOMPARE(rows.size(), 1048576);
    QCOMPARE(rows.last(), QStringList{u"L"_s});
}

void tst_DocumentWriter::fullSheetsContinue()
{
    // 1,048,600 rows under a header: the rest goes on "Sheet1 (2)" right
    // after the first sheet, under the header again; nothing is lost.
    QByteArray lines = "name\n";
    lines.reserve(2 * 1048601);
    for (int i = 0; i < 1048600; ++i)
        lines += i == 1048574 ? "last\n" : i == 1048575 ? "next\n" : "x\n";
    FakeWindow window{};
    window.files = {file(u"many.txt"_s, lines)};
    window.read.header = true;
    window.sheets.continueSheets = true;
    const Written written = write(window, DocumentFormat::Xlsx);
    QCOMPARE(written.errors, QStringList());
    QCOMPARE(written.document.sheetNames, (QStringList{u"Sheet1"_s, u"Sheet1 (2)"_s}));
    const QList<QStringList> first = written.document.rows.value(u"Sheet1"_s);
    QCOMPARE(first.size(), 1048576);
    QCOMPARE(first.first(), QStringList{u"name"_s});
    QCOMPARE(first.last(), QStringList{u"last"_s});
    const QList<QStringList> second = written.document.rows.value(u"Sheet1 (2)"_s);
    QCOMPARE(second.size(), 1 + 1048600 - 1048575);
    QCOMPARE(second.value(0), QStringList{u"name"_s});
    QCOMPARE(second.value(1), QStringList{u"next"_s});
}

void tst_DocumentWriter::manySheetsShareOneFile_data()
{
    QTest::addColumn<DocumentFormat>("format");
    QTest::newRow("fods") << DocumentFormat::Fods;
    QTest::newRow("ods") << DocumentFormat::Ods;
}

void tst_DocumentWriter::manySheetsShareOneFile()
{
    // More sheets than a process may hold files open at its soft limit:
    // their rows share one.
    QFETCH(DocumentFormat, format);
    FakeWindow window{};
    window.sheets.oneSheet = false;
    for (int i = 0; i < 1500; ++i)
        window.files.append(file(u"many/f%1.txt"_s.arg(i), QByteArray::number(i)));
    rlimit before{};
    ::getrlimit(RLIMIT_NOFILE, &before);
    const rlimit few{256, before.rlim_max};
    ::setrlimit(RLIMIT_NOFILE, &few);
    const Written written = write(window, format);
    ::setrlimit(RLIMIT_NOFILE, &before);
    QCOMPARE(written.errors, QStringList());
    QCOMPARE(written.document.sheetNames.size(), 1500);
    QCOMPARE(written.document.sheetNames.first(), u"f1499txt"_s);
    QCOMPARE(written.document.rows.value(u"f0txt"_s), QList<QStringList>{{u"0"_s}});
    QCOMPARE(written.document.rows.value(u"f1499txt"_s), QList<QStringList>{{u"1499"_s}});
}

void tst_DocumentWriter::sheetsAsCalcKeepsThem()
{
    DocumentWriter writer(DocumentFormat::Ods);
    writer.start();
    const auto document = writer.newDocument();
    QCOMPARE(document->sheetCount(), 1);
    QCOMPARE(document->sheetName(0), u"Sheet1"_s);
    QVERIFY(document->hasSheet(u"SHEET1"_s));
    for (const QString &refused : {u"Sheet1"_s, u""_s, u"a/b"_s, u"x[1]"_s, u"'quoted'"_s})
        QVERIFY_THROWS_EXCEPTION(Failure, document->insertSheet(refused, 0));
    QVERIFY_THROWS_EXCEPTION(Failure, document->removeSheet(u"Sheet1"_s)); // the last one
    // As many sheets as Calc holds, and no more.
    for (int i = 1; i < MaxSheets; ++i)
        document->insertSheet(u"S%1"_s.arg(i), 0);
    QCOMPARE(document->sheetCount(), MaxSheets);
    QVERIFY_THROWS_EXCEPTION(Failure, document->insertSheet(u"one too many"_s, 0));
    for (int i = 1; i < MaxSheets; ++i)
        document->removeSheet(u"S%1"_s.arg(i));
    const auto sheet = document->sheetAt(0);
    sheet->writeRows(5, {{u"a"_s}});
    // A written document takes its rows in order.
    QVERIFY_THROWS_EXCEPTION(Failure, sheet->writeRows(2, {{u"b"_s}}));
    QVERIFY_THROWS_EXCEPTION(Failure, sheet->writeRows(7, {QStringList(16385, u"c"_s)}));
}

void tst_DocumentWriter::asManyFileSheetsAsADocumentHolds()
{
    // The new document's own sheet gives way to the last file that fits.
    FakeWindow window{};
    window.sheets.oneSheet = false;
    for (int i = 0; i <= MaxSheets; ++i)
        window.files.append(file(u"limit/%1.txt"_s.arg(i), "x"));
    const Written written = write(window, DocumentFormat::Fods);
    QCOMPARE(written.document.sheetNames.size(), MaxSheets);
    QCOMPARE(written.document.sheetNames.first(), u"9999txt"_s);
    QCOMPARE(written.errors.size(), 1);
    QVERIFY2(written.errors.first().endsWith(u"A document holds at most 10000 sheets."_s), qPrintable(written.errors.first()));
}

void tst_DocumentWriter::abandonedStoreStops()
{
    DocumentWriter writer(DocumentFormat::Xlsx);
    writer.start();
    const auto document = writer.newDocument();
    document->sheetAt(0)->writeRows(0, RowBlock(std::vector<QStringList>(10000, {u"x"_s})));
    const QString path = m_dir.filePath(u"given-up.xlsx"_s);
    writer.abandon();
    QVERIFY_THROWS_EXCEPTION(SpreadsheetLost, writer.store(*document, path));
    QVERIFY(!QFileInfo::exists(path));
    // The next run starts afresh.
    writer.start();
    QCOMPARE(writer.store(*document, path), QStringList());
    QCOMPARE(readDocument(path).rows.value(u"Sheet1"_s).size(), 10000);
}

void tst_DocumentWriter::libraryLinesBecomeReports()
{
    // What libxlsxwriter prints on the C library's standard error is
    // gathered, its tags taken off, each line once.
    QStringList lines;
    {
        writer::LibraryMessages messages;
        std::fprintf(stderr, "[ERROR][workbook.c:1234]: workbook_close(): Error creating '%s'.\n", "/tmp/x.xlsx");
        std::fprintf(stderr, "[WARNING]: worksheet name 'a' already exists.\n");
        std::fprintf(stderr, "[WARNING]: worksheet name 'a' already exists.\n");
        lines = messages.take();
    }
    QCOMPARE(lines, (QStringList{u"workbook_close(): Error creating '/tmp/x.xlsx'."_s,
                                 u"worksheet name 'a' already exists."_s}));
}

QTEST_GUILESS_MAIN(tst_DocumentWriter)
#include "tst_documentwriter.moc"
