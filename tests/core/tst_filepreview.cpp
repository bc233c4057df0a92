// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/import/filepreview.h"
#include "fakewindow.h"
#include "memoryspreadsheet.h"
#include "testfiles.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace quillora;
using namespace quillora::test;

Q_DECLARE_METATYPE(quillora::ReadOptions)

namespace {
using Rows = QList<QStringList>;
QStringList cells(const QString &row)
{
    return row.split(u',');
}
} // namespace

class tst_FilePreview : public QObject
{
    Q_OBJECT

private slots:
    void showsWhatTheImportWould_data();
    void showsWhatTheImportWould();
    void previewEqualsImport_data();
    void previewEqualsImport();
    void separatorHints_data();
    void separatorHints();
    void readsOnlyTheStartOfALargeFile();
    void unreadableFileSaysWhy();

private:
    QTemporaryDir m_dir;
};

void tst_FilePreview::showsWhatTheImportWould_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<ReadOptions>("options");
    QTest::addColumn<QByteArray>("encoding");
    QTest::addColumn<QString>("lineEnds");
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<Rows>("rows");
    ReadOptions comma;
    comma.cut = Cutting::at(u","_s);
    ReadOptions stacked = comma;
    stacked.linesToSkip = 1;
    stacked.header = true;
    stacked.fileColumn = FileColumn::Name;
    ReadOptions quoted = comma;
    quoted.quotes = true;
    ReadOptions shiftJis = comma;
    shiftJis.encoding = encodingNamed("Shift_JIS");
    QTest::newRow("whole lines") << QByteArray("a,b\r\nc\r\n") << ReadOptions() << QByteArray("UTF-8") << u"CR LF"_s
                                 << QStringList() << Rows{{u"a,b"_s}, {u"c"_s}, {}};
    QTest::newRow("title, header, file column")
        << QByteArray("Exported\nid,name\n1,x\n") << stacked << QByteArray("UTF-8") << u"LF"_s
        << cells(u"File,id,name"_s) << Rows{cells(u"f.txt,1,x"_s)};
    QTest::newRow("quotes, line ends of both kinds")
        << QByteArray("\"a,b\",c\n\"x\ny\",z\r\n") << quoted << QByteArray("UTF-8") << u"mixed"_s << QStringList()
        << Rows{{u"a,b"_s, u"c"_s}, {u"x\ny"_s, u"z"_s}, {}};
    QTest::newRow("UTF-16 found") << QByteArray("\xFF\xFE" "a\0,\0b\0", 8) << comma << QByteArray("UTF-16LE")
                                  << u"none"_s << QStringList() << Rows{{u"a"_s, u"b"_s}};
    QTest::newRow("Shift_JIS chosen") << QByteArray(QStringEncoder("Shift_JIS").encode(u"山田,東京\r"_s)) << shiftJis
                                      << QByteArray("Shift_JIS") << u"CR"_s << QStringList()
                                      << Rows{{u"山田"_s, u"東京"_s}, {}};
}

void tst_FilePreview::showsWhatTheImportWould()
{
    QFETCH(QByteArray, bytes);
    QFETCH(ReadOptions, options);
    QFETCH(QByteArray, encoding);
    QFETCH(QString, lineEnds);
    QFETCH(QStringList, header);
    QFETCH(Rows, rows);
    const FilePreview preview = previewFile(writeFile(m_dir.filePath(u"f.txt"_s), bytes), options);
    QCOMPARE(preview.error, QString());
    QCOMPARE(preview.account.encoding, encoding);
    QCOMPARE(preview.account.encodingTaken == EncodingTaken::Chosen, options.encoding.has_value());
    QCOMPARE(preview.lineEnds, lineEnds);
    QCOMPARE(preview.header.value_or(QStringList()), header);
    // The empty row a final line break gives, as the import gives it.
    QCOMPARE(preview.firstRows, rows.mid(0, preview.firstRows.size()));
    QVERIFY(preview.account.rowsCounted);
    QCOMPARE(preview.account.size, bytes.size());
}

void tst_FilePreview::previewEqualsImport_data()
{
    showsWhatTheImportWould_data();
    // Every other option: each file's own separator and table, numbers with
    // its own decimal sign, dates.
    const ReadOptions own{.cut = Cutting::ownSeparator(),
                          .quotes = true,
                          .numbers = DecimalSign::Automatic,
                          .dates = true,
                          .skipToTable = true,
                          .header = true,
                          .fileColumn = FileColumn::Relative};
    QTest::newRow("own separator and table, numbers, dates")
        << QByteArray("Report of May\n\nid;amount;day\n1;12,50;2024-05-01\n2;\"3;25\";2024-05-02\n") << own
        << QByteArray() << QString() << QStringList() << Rows{};
    ReadOptions points = own;
    points.numbers = DecimalSign::Point;
    points.encoding = encodingNamed("windows-1252");
    QTest::newRow("chosen encoding, a point") << QByteArray("n,v\n\xE9t\xE9,1.5\n") << points << QByteArray()
                                              << QString() << QStringList() << Rows{};
}

// The rows the preview shows are the first rows the import writes, read with
// the same options, and what it tells of the file is what the import learns:
// one reading serves both.
void tst_FilePreview::previewEqualsImport()
{
    QFETCH(QByteArray, bytes);
    QFETCH(ReadOptions, options);
    const QString path = writeFile(m_dir.filePath(u"same.txt"_s), bytes);
    const FilePreview preview = previewFile(path, options);
    FakeWindow window{};
    window.files = {path};
    window.read = options;
    MemorySpreadsheet office;
    window.run(office);
    QVERIFY(window.errorTexts.isEmpty());
    // As a sheet holds them: no empty cells at a row's end, no empty rows at
    // the sheet's.
    Rows shown = preview.header ? Rows{*preview.header} + preview.firstRows : preview.firstRows;
    for (QStringList &row : shown) {
        while (!row.isEmpty() && row.last().isEmpty())
            row.removeLast();
    }
    while (!shown.isEmpty() && shown.last().isEmpty())
        shown.removeLast();
    QCOMPARE(shown, MemorySpreadsheet::rowsOf(*office.sheet(u"Sheet1"_s)).mid(0, shown.size()));
    QCOMPARE(preview.account.rows, office.sheet(u"Sheet1"_s)->rowsWritten);
    QCOMPARE(window.accounts.size(), 1);
    const auto facts = [](const FileAccount &account) {
        return std::tuple(account.encoding, account.encodingTaken, account.split, account.quotes, account.decimalSign,
                          account.linesSkipped, account.header, account.widest, account.rows);
    };
    QCOMPARE(facts(preview.account), facts(window.accounts.first()));
}

void tst_FilePreview::separatorHints_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<std::optional<QString>>("chosen");
    QTest::addColumn<QString>("hint");
    const QByteArray semicolons = "name;city;phone\nJohn Smith;Paris, France;+33 1\nAna Lee;Rome;+39 6\n";
    QTest::newRow("semicolons, comma chosen") << semicolons << std::optional<QString>(u","_s) << u"semicolons"_s;
    QTest::newRow("semicolons, lines whole") << semicolons << std::optional<QString>() << u"semicolons"_s;
    QTest::newRow("semicolons chosen: silent") << semicolons << std::optional<QString>(u";"_s) << QString();
    QTest::newRow("tabs") << QByteArray("a\tb c\td\n1\t2\t3\n") << std::optional<QString>(u","_s) << u"tabs"_s;
    QTest::newRow("pipes") << QByteArray("a|b\nc|d\ne|f\n") << std::optional<QString>(u","_s) << u"pipes"_s;
    QTest::newRow("prose: silent") << QByteArray("Dear John, thank you.\nSee you soon; bye.\nRegards\n")
                                   << std::optional<QString>(u","_s) << QString();
    QTest::newRow("comma right: silent") << QByteArray("a,b c,d\n1,2 3,4\n") << std::optional<QString>(u","_s)
                                         << QString();
}

void tst_FilePreview::separatorHints()
{
    QFETCH(QByteArray, text);
    QFETCH(std::optional<QString>, chosen);
    QFETCH(QString, hint);
    const auto found = separatorHint(QString::fromUtf8(text), chosen, false);
    QCOMPARE(found ? found->name : QString(), hint);
}

void tst_FilePreview::readsOnlyTheStartOfALargeFile()
{
    // 1,000 lines of which the preview reads the first 64 KiB: the last line
    // it shows is whole, and the file's rows are reckoned.
    const QByteArray line = QByteArray(99, 'x') + '\n';
    ReadOptions options;
    const FilePreview preview = previewFile(writeFile(m_dir.filePath(u"big.txt"_s), line.repeated(1000)), options,
                                            64 * 1024, 1000);
    QVERIFY(!preview.account.rowsCounted);
    QCOMPARE(preview.firstRows.size(), 655);
    QCOMPARE(preview.firstRows.last(), QStringList{QString(99, u'x')});
    QVERIFY(preview.account.rows > 990 && preview.account.rows < 1010);
}

void tst_FilePreview::unreadableFileSaysWhy()
{
    const FilePreview missing = previewFile(m_dir.filePath(u"missing.txt"_s), {});
    QVERIFY(missing.error.contains(u"missing.txt\" cannot be read"_s));
    QVERIFY(previewFile(m_dir.path(), {}).error.contains(u"not a file"_s));
}

QTEST_GUILESS_MAIN(tst_FilePreview)
#include "tst_filepreview.moc"
