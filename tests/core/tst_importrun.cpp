// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/import/accountwords.h"
#include "core/import/importplan.h"
#include "core/import/importrun.h"
#include "core/import/reportfile.h"
#include "core/text/stagingfile.h"
#include "core/text/textreader.h"
#include "fakewindow.h"
#include "memoryspreadsheet.h"
#include "packedfiles.h"
#include "testfiles.h"

#include <QDeadlineTimer>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QThread>

#include <atomic>
#include <csignal>
#include <sys/resource.h>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace quillora;
using namespace quillora::test;

namespace {
// How a stacking case is run: lines skipped, a header, a file column, one
// sheet or a sheet each.
struct Stacking
{
    int skip = 0;
    bool header = true;
    FileColumn file = FileColumn::None;
    bool oneSheet = true;
    // Each file at its own separator, quotes kept together.
    bool own = false;
    bool quotes = false;
    QList<std::pair<QString, QString>> renames = {};
};

QList<QStringList> rowsOf(const MemorySpreadsheet &office, const QString &sheet)
{
    const auto found = office.sheet(sheet);
    return found ? MemorySpreadsheet::rowsOf(*found) : QList<QStringList>{{u"<no sheet>"_s}};
}
} // namespace

Q_DECLARE_METATYPE(Stacking)
Q_DECLARE_METATYPE(SheetOptions)

class tst_ImportRun : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void emptyListSaysSo();
    void reportRowNamesItsFileAndKeepsRoutineToItsColumn();
    void decimalSignIsVotedOnCutFields();
    void csvReportKeepsFormulasText_data();
    void csvReportKeepsFormulasText();
    void oneSheetPutsFilesOneAfterTheOther();
    void splitting_data();
    void splitting();
    void stackingExports_data();
    void stackingExports();
    void renameMetByNoHeaderIsTold();
    void fullSheetsContinueOnTheNext_data();
    void fullSheetsContinueOnTheNext();
    void headerDriftIsToldOncePerChange();
    void cellsStoredAsNumbersAndDates_data();
    void cellsStoredAsNumbersAndDates();
    void aColumnIsOneKind_data();
    void aColumnIsOneKind();
    void headerAndFileColumnStayText();
    void aFileCutNowhereAmongCutFilesIsNamed();
    void noRoomToContinueIsOneReport();
    void planEqualsDocument_data();
    void planEqualsDocument();
    void stopLeavesWhatWasWritten_data();
    void stopLeavesWhatWasWritten();
    void quotedFieldsInBothModes_data();
    void quotedFieldsInBothModes();
    void separateSheetsInReverseOrderNamedAfterFiles();
    void collidingNamesAreTestedAgain();
    void fileCalledSheet2KeepsItsSheet();
    void onlyTheNewDocumentsOwnSheetsGo_data();
    void onlyTheNewDocumentsOwnSheetsGo();
    void longLinesAreRowsOfWhatCanLand();
    void everyEncodingArrivesIntact();
    void blocksGiveTheSameDocumentAsSingleCells_data();
    void blocksGiveTheSameDocumentAsSingleCells();
    void longLinesMakeShorterBlocks();
    void widestRowIsCountedAcrossPieces();
    void packedTextIsReadAsThePlainFile_data();
    void packedTextIsReadAsThePlainFile();
    void cellsOutsideTheSheetAreReportedOnce();
    void blocksThatFailAlikeAreReportedOnce();
    void unreadableFileContributesNothing_data();
    void unreadableFileContributesNothing();
    void fileVanishingDuringTheRun();
    void fileThatDoesNotFitIsNotImported_data();
    void fileThatDoesNotFitIsNotImported();
    void entryRemovedDuringTheRunIsNotReplaced();
    void optionsChangedDuringTheRunActOnTheRest();
    void singleLineShowsFullProgress();
    void officeLostIsReportedOnceAndTheNextRunStartsAfresh();
    void officeMissingIsReportedOnce();
    void closingTheWindowStopsTheRun();
    void officeThatDoesNotAnswerIsGivenUp_data();
    void officeThatDoesNotAnswerIsGivenUp();
    void applicationStartsWhileFilesAreRead();
    void windowKeepsBreathingWhileTheSpreadsheetWorks();

private:
    QString file(const QString &name, const QByteArray &bytes) { return writeFile(m_dir->filePath(name), bytes); }
    ImportResult run(FakeWindow &window, MemorySpreadsheet &office, std::function<double()> random = [] { return 0.5; },
                     ImportRun::Deadlines deadlines = {})
    {
        ImportRun importRun(window, window, office, std::move(random));
        importRun.setDeadlines(deadlines);
        return importRun.run();
    }

    std::optional<QTemporaryDir> m_dir;
};

void tst_ImportRun::init()
{
    m_dir.emplace();
}

void tst_ImportRun::cleanup()
{
    // No staging file is ever left behind.
    QCOMPARE(QDir(QDir::tempPath()).entryList({u"quillora-*"_s}, QDir::Files), QStringList());
}

void tst_ImportRun::emptyListSaysSo()
{
    FakeWindow window{};
    MemorySpreadsheet office;
    run(window, office);
    QCOMPARE(window.notices, QStringList{u"No files added."_s});
    QCOMPARE(office.starts, 0);
    QVERIFY(window.errorSteps.isEmpty());
}

void tst_ImportRun::oneSheetPutsFilesOneAfterTheOther()
{
    FakeWindow window{};
    window.files = {file(u"one.txt"_s, "a\r\nb\r\n"), file(u"two.txt"_s, "c")};
    MemorySpreadsheet office;
    const ImportResult result = run(window, office);
    QCOMPARE(rowsOf(office, u"Sheet1"_s), (QList<QStringList>{{u"a"_s}, {u"b"_s}, {}, {u"c"_s}}));
    QCOMPARE(office.sheetNames(), QStringList{u"Sheet1"_s});
    QCOMPARE(window.notices, QStringList{u"Done."_s});
    QVERIFY(window.errorSteps.isEmpty());
    QCOMPARE(result.filesImported, 2);
    // Where the run was, as the front ends show it.
    QCOMPARE(window.filesStarted, (QStringList{u"1/2 "_s + window.files.at(0), u"2/2 "_s + window.files.at(1)}));
    QCOMPARE(window.rowsWrittenOf.last(), (std::pair<qint64, qint64>{4, 4}));
    QCOMPARE(window.runsEnded, 1);
}

void tst_ImportRun::stackingExports_data()
{
    using Rows = QList<QStringList>;
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QByteArrayList>("texts");
    QTest::addColumn<Stacking>("how");
    // Each sheet's rows, the sheets in the document's order.
    QTest::addColumn<QList<Rows>>("sheets");
    QTest::addColumn<int>("notes");
    const QStringList two{u"a.csv"_s, u"b.csv"_s};
    const QByteArray first = "id,name\n1,x\n";
    const Stacking header;
    const auto row = [](const QString &cells) { return cells.split(u','); };

    QTest::newRow("same headers") << two << QByteArrayList{first, "id,name\n2,y\n"} << header
                                  << QList<Rows>{{row(u"id,name"_s), row(u"1,x"_s), row(u"2,y"_s)}} << 0;
    QTest::newRow("reordered") << two << QByteArrayList{first, "name,id\ny,2\n"} << header
                               << QList<Rows>{{row(u"id,name"_s), row(u"1,x"_s), row(u"2,y"_s)}} << 1;
    QTest::newRow("a column added") << two << QByteArrayList{first, "id,city,name\n2,Rome,y"} << header
                                    << QList<Rows>{{row(u"id,name,city"_s), row(u"1,x"_s), row(u"2,y,Rome"_s)}} << 1;
    QTest::newRow("a column missing") << two << QByteArrayList{first, "name\ny\n"} << header
                                      << QList<Rows>{{row(u"id,name"_s), row(u"1,x"_s), row(u",y"_s)}} << 1;
    QTest::newRow("a name twice, by occurrence") << two << QByteArrayList{"x,x\n1,2\n", "x,y,x\n3,4,5\n"} << header
                                                 << QList<Rows>{{row(u"x,x,y"_s), row(u"1,2"_s), row(u"3,5,4"_s)}} << 1;
    QTest::newRow("spaces, tabs and a mark around names")
        << two << QByteArrayList{first, "\xEF\xBB\xBF\xEF\xBB\xBF name ,\tid\ny,2\n"} << header
        << QList<Rows>{{row(u"id,name"_s), row(u"1,x"_s), row(u"2,y"_s)}} << 1;
    QTest::newRow("rows longer and shorter than their header")
        << two << QByteArrayList{"id,name\n1,x,e1,e2\n2\n", "id,name,city\n3,y,Rome,more\n"} << header
        << QList<Rows>{{row(u"id,name,city"_s), row(u"1,x,,e1,e2"_s), row(u"2"_s), row(u"3,y,Rome,more"_s)}} << 1;
    QTest::newRow("an empty file, a file of only a header")
        << QStringList{u"a.csv"_s, u"b.csv"_s, u"c.csv"_s} << QByteArrayList{first, "", "id,name,city"} << header
        << QList<Rows>{{row(u"id,name,city"_s), row(u"1,x"_s)}} << 1;
    QTest::newRow("lines skipped, and skipped past the end")
        << two << QByteArrayList{"Exported by bank\r\nid,name\r\n1,x\r\n", "Title\r\n"} << Stacking{.skip = 1}
        << QList<Rows>{{row(u"id,name"_s), row(u"1,x"_s)}} << 0;
    QTest::newRow("empty lines stay empty rows, the last break ends the last line")
        << two << QByteArrayList{"id\n1\n\n2\n\n", "id\n3"} << header
        << QList<Rows>{{{u"id"_s}, {u"1"_s}, {}, {u"2"_s}, {}, {u"3"_s}}} << 0;
    QTest::newRow("a lone CR ends its file's line, and the next file's empty row stays")
        << two << QByteArrayList{"a,b\r1,2\r", "b,a\n\n4,3\n"} << header
        << QList<Rows>{{row(u"a,b"_s), row(u"1,2"_s), {}, row(u"3,4"_s)}} << 1;
    QTest::newRow("file column, relative to the deepest common folder")
        << QStringList{u"north/jan.csv"_s, u"south/jan.csv"_s} << QByteArrayList{first, "id,name\n2,y\n"}
        << Stacking{.file = FileColumn::Relative}
        << QList<Rows>{{row(u"File,id,name"_s), row(u"north/jan.csv,1,x"_s), row(u"south/jan.csv,2,y"_s)}} << 0;
    QTest::newRow("file column of a header that has a File")
        << two << QByteArrayList{"File,id\nf,1\n"} << Stacking{.file = FileColumn::Name}
        << QList<Rows>{{row(u"File 2,File,id"_s), row(u"a.csv,f,1"_s)}} << 0;
    QTest::newRow("file column without a header: empty lines have no file")
        << two << QByteArrayList{"1,x\n\n2,y", "3"} << Stacking{.header = false, .file = FileColumn::Name}
        << QList<Rows>{{row(u"a.csv,1,x"_s), {}, row(u"a.csv,2,y"_s), row(u"b.csv,3"_s)}} << 0;
    QTest::newRow("without a header a final break still ends in an empty row")
        << two << QByteArrayList{"t\n1\n", "t\n2"} << Stacking{.skip = 1, .header = false}
        << QList<Rows>{{{u"1"_s}, {}, {u"2"_s}}} << 0;
    // Exports from several programs and countries in one folder.
    const Stacking own{.own = true, .quotes = true};
    QTest::newRow("each file at its own separator")
        << QStringList{u"a.csv"_s, u"b.csv"_s, u"c.tsv"_s, u"d.psv"_s}
        << QByteArrayList{first, "id;name;amount\n2;y;1,50\n3;z;17,25\n", "id\tname\n4\tw\n", "id|name\n5|v\n"} << own
        << QList<Rows>{{row(u"id,name,amount"_s), row(u"1,x"_s), {u"2"_s, u"y"_s, u"1,50"_s}, {u"3"_s, u"z"_s, u"17,25"_s},
                        row(u"4,w"_s), row(u"5,v"_s)}}
        << 1;
    QTest::newRow("quoted fields holding the other separators")
        << QStringList{u"a.csv"_s} << QByteArrayList{"id,note\n1,\"a;b|c\"\n2,\"d;e\"\n"} << own
        << QList<Rows>{{row(u"id,note"_s), {u"1"_s, u"a;b|c"_s}, {u"2"_s, u"d;e"_s}}} << 0;
    // Each file's dialect, its quoting included, as real exports have it.
    QTest::newRow("quoted fields without being told")
        << QStringList{u"a.csv"_s} << QByteArrayList{"id,name\n1,\"Smith, John\"\n2,\"Lee, Ann\"\n"}
        << Stacking{.own = true} << QList<Rows>{{row(u"id,name"_s), {u"1"_s, u"Smith, John"_s}, {u"2"_s, u"Lee, Ann"_s}}}
        << 0;
    QTest::newRow("a quoted field far past the start stays whole")
        << QStringList{u"a.csv"_s} << QByteArrayList{"id,name\n" + QByteArray("1,x\n").repeated(20000) + "2,\"Lee, Ann\"\n"}
        << Stacking{.own = true}
        << QList<Rows>{Rows{row(u"id,name"_s)} + Rows(20000, row(u"1,x"_s)) + Rows{{u"2"_s, u"Lee, Ann"_s}}}
        << 0;
    // Quotes that do not pair are told by line: read as text, or a field
    // that takes in the lines to the next quote.
    QTest::newRow("quotes that do not pair are read as text, told")
        << QStringList{u"a.csv"_s} << QByteArrayList{"id,item,price\n1,\"a, b\",5\n2,x,5\n3,\"15 screen,5\n4,y,5\n5,z,5\n"}
        << Stacking{.own = true}
        << QList<Rows>{{row(u"id,item,price"_s), {u"1"_s, u"\"a"_s, u" b\""_s, u"5"_s}, row(u"2,x,5"_s),
                        {u"3"_s, u"\"15 screen"_s, u"5"_s}, row(u"4,y,5"_s), row(u"5,z,5"_s)}}
        << 2;
    QTest::newRow("a quoted field that takes in lines is told")
        << QStringList{u"a.csv"_s} << QByteArrayList{"id,item\n1,\"a, b\"\n2,\"15\"\" screen\n3,c\n4,\"d\"\n5,e\n"}
        << Stacking{.own = true}
        << QList<Rows>{{row(u"id,item"_s), {u"1"_s, u"a, b"_s}, {u"2"_s, u"15\" screen\n3,c\n4,d\""_s}, row(u"5,e"_s)}}
        << 1;
    QTest::newRow("ragged rows are cut at the one separator that splits them, told")
        << QStringList{u"a.csv"_s} << QByteArrayList{"a,b,c\n1\n2,x\n3,y,z,w\n4\n5,q,r\n"}
        << Stacking{.header = false, .own = true}
        << QList<Rows>{{row(u"a,b,c"_s), {u"1"_s}, row(u"2,x"_s), row(u"3,y,z,w"_s), {u"4"_s}, row(u"5,q,r"_s)}} << 1;
    QTest::newRow("prose whose lines hold commas stays whole")
        << QStringList{u"a.txt"_s} << QByteArrayList{"Well, it is great to be here, it is\nholy ground, and\nwhy.\nSo, so, so, so many.\n"}
        << Stacking{.header = false, .own = true}
        << QList<Rows>{{{u"Well, it is great to be here, it is"_s}, {u"holy ground, and"_s}, {u"why."_s}, {u"So, so, so, so many."_s}}}
        << 1;
    QTest::newRow("a few rows longer than most, told")
        << QStringList{u"a.csv"_s} << QByteArrayList{"id,name\n1,x\n2,y,extra\n3,z\n4,w\n"} << Stacking{.own = true}
        << QList<Rows>{{row(u"id,name"_s), row(u"1,x"_s), row(u"2,y,extra"_s), row(u"3,z"_s), row(u"4,w"_s)}} << 1;
    QTest::newRow("a tie goes to the separator that cuts no number apart")
        << QStringList{u"bank.csv"_s}
        << QByteArrayList{"M\xC3\xBCller, Hans;11,50;01.02.2024\nM\xC3\xBCller, Hans;12,50;02.02.2024\n"}
        << Stacking{.header = false, .own = true}
        << QList<Rows>{{{u"Müller, Hans"_s, u"11,50"_s, u"01.02.2024"_s}, {u"Müller, Hans"_s, u"12,50"_s, u"02.02.2024"_s}}}
        << 0;
    QTest::newRow("a tie goes to the separator that cuts no amount apart")
        << QStringList{u"a.csv"_s}
        << QByteArrayList{QByteArray("\xC5\xB8ves \xC5\x92uvre 1;3,20 \xE2\x82\xAC;caf\xC3\xA9 cr\xC3\xA8me\n").repeated(3)}
        << Stacking{.header = false, .own = true}
        << QList<Rows>{Rows(3, {u"Ÿves Œuvre 1"_s, u"3,20 €"_s, u"café crème"_s})} << 0;
    QTest::newRow("a true tie is told")
        << QStringList{u"a.csv"_s} << QByteArrayList{"a;b,c\nd;e,f\n"} << Stacking{.header = false, .own = true}
        << QList<Rows>{{{u"a;b"_s, u"c"_s}, {u"d;e"_s, u"f"_s}}} << 1;
    QTest::newRow("a last line ending in a separator")
        << QStringList{u"a.csv"_s} << QByteArrayList{"a,b\n1,2\n3,"} << Stacking{.own = true}
        << QList<Rows>{{row(u"a,b"_s), row(u"1,2"_s), row(u"3"_s)}} << 0;
    QTest::newRow("the rows above each file's table, as many as it has")
        << two << QByteArrayList{"Exported by the shop\nid,name\n1,x\n", "Report\nMarch 2024\n\nid,name\n2,y\n"}
        << Stacking{.skip = -1} << QList<Rows>{{row(u"id,name"_s), row(u"1,x"_s), row(u"2,y"_s)}} << 2;
    // A row of two fields or more is the table's, ragged or not (the rows
    // unlike most told); a sentence cut at ", " before words is not.
    QTest::newRow("a header over rows ending in a separator is kept")
        << QStringList{u"a.csv"_s} << QByteArrayList{"a,b\n1,2,\n3,4,\n5,6,\n7,8,\n"} << Stacking{.skip = -1, .own = true}
        << QList<Rows>{{row(u"a,b"_s), row(u"1,2"_s), row(u"3,4"_s), row(u"5,6"_s), row(u"7,8"_s)}} << 1;
    QTest::newRow("a header over a ragged first row is kept")
        << QStringList{u"a.csv"_s} << QByteArrayList{"c1,c2\n1,2,\n3,4\n5,6\n7,8\n9,10\n"}
        << Stacking{.skip = -1, .own = true}
        << QList<Rows>{{row(u"c1,c2"_s), row(u"1,2"_s), row(u"3,4"_s), row(u"5,6"_s), row(u"7,8"_s), row(u"9,10"_s)}} << 1;
    QTest::newRow("a sentence above the table is skipped")
        << QStringList{u"a.csv"_s} << QByteArrayList{"Totals for Q1, Q2 and Q3\nid,amount\n1,5\n2,7\n"}
        << Stacking{.skip = -1} << QList<Rows>{{row(u"id,amount"_s), row(u"1,5"_s), row(u"2,7"_s)}} << 1;
    QTest::newRow("a header of a file that writes \", \" between fields is no sentence")
        << QStringList{u"a.csv"_s} << QByteArrayList{"Block, Timestamp\n428925, 1473387721\n428926, 1473388413\n"}
        << Stacking{.skip = -1, .own = true}
        << QList<Rows>{{{u"Block"_s, u" Timestamp"_s}, {u"428925"_s, u" 1473387721"_s}, {u"428926"_s, u" 1473388413"_s}}}
        << 0;
    QTest::newRow("a title taken for the header is told")
        << QStringList{u"a.csv"_s} << QByteArrayList{"Sales report\nid,amount\n1,5\n"} << header
        << QList<Rows>{{{u"Sales report"_s}, row(u"id,amount"_s), row(u"1,5"_s)}} << 1;
    QTest::newRow("lines skipped are not looked at")
        << QStringList{u"a.csv"_s} << QByteArrayList{"Exported by the shop\nid,name,amount\n1,x,2\n"}
        << Stacking{.skip = 1, .own = true} << QList<Rows>{{row(u"id,name,amount"_s), row(u"1,x,2"_s)}} << 0;
    QTest::newRow("one column keeps its quoted fields whole")
        << QStringList{u"a.csv"_s} << QByteArrayList{"name\n\"Smith, John\"\n\"two\nlines\"\n"} << Stacking{.own = true}
        << QList<Rows>{{{u"name"_s}, {u"Smith, John"_s}, {u"two\nlines"_s}}} << 1;
    // A one-column file and prose stay whole, each with a note.
    QTest::newRow("a one-column file and prose stay whole")
        << QStringList{u"a.csv"_s, u"b.txt"_s, u"c.txt"_s}
        << QByteArrayList{first, "id\n7\n", "id\nIt was a dark and stormy night.\n"} << own
        << QList<Rows>{{row(u"id,name"_s), row(u"1,x"_s), {u"7"_s}, {u"It was a dark and stormy night."_s}}} << 3;
    // One line for the one file that spells both otherwise.
    QTest::newRow("names alike but for case and normalisation form are one column")
        << two << QByteArrayList{"Amount,Zo\xC3\xAB\n1,x\n", "amount,Zoe\xCC\x88\n2,y\n"} << header
        << QList<Rows>{{row(u"Amount,Zoë"_s), row(u"1,x"_s), row(u"2,y"_s)}} << 1;
    QTest::newRow("a column renamed joins another")
        << two << QByteArrayList{"id,customer\n1,x\n", "id,client\n2,y\n"}
        << Stacking{.renames = {{u"Client"_s, u"customer"_s}}}
        << QList<Rows>{{row(u"id,customer"_s), row(u"1,x"_s), row(u"2,y"_s)}} << 0;
    // No value under a column of another name.
    QTest::newRow("a rename onto a name the header has keeps the two apart")
        << two << QByteArrayList{"client,customer\nACME,Bob\n", "customer\nZed\n"}
        << Stacking{.renames = {{u"client"_s, u"customer"_s}}}
        << QList<Rows>{{row(u"customer,customer"_s), row(u"ACME,Bob"_s), {QString(), u"Zed"_s}}} << 1;
    QTest::newRow("names of one header alike but for case each keep their own")
        << two << QByteArrayList{"ID,id\n1,a\n", "id,ID\nb,2\n"} << header
        << QList<Rows>{{row(u"ID,id"_s), row(u"1,a"_s), row(u"2,b"_s)}} << 1;
    QTest::newRow("a sheet each starts with its own header")
        << two << QByteArrayList{first, "name\ny\n"} << Stacking{.file = FileColumn::Name, .oneSheet = false}
        << QList<Rows>{{row(u"File,name"_s), row(u"b.csv,y"_s)}, {row(u"File,id,name"_s), row(u"a.csv,1,x"_s)}} << 0;
}

void tst_ImportRun::stackingExports()
{
    QFETCH(QStringList, names);
    QFETCH(QByteArrayList, texts);
    QFETCH(Stacking, how);
    QFETCH(QList<QList<QStringList>>, sheets);
    QFETCH(int, notes);
    FakeWindow window{};
    for (qsizetype i = 0; i < texts.size(); ++i) {
        QDir(m_dir->path()).mkpath(QFileInfo(names[i]).path());
        window.files.append(file(names[i], texts[i]));
    }
    window.read.cut = how.own ? Cutting::ownSeparator() : Cutting::at(u","_s);
    window.read.quotes = how.quotes;
    window.sheets.renames = how.renames;
    window.read.linesToSkip = std::max(how.skip, 0);
    window.read.skipToTable = how.skip < 0; // -1: the rows above each file's table
    window.read.header = how.header;
    window.read.fileColumn = how.file;
    window.sheets.oneSheet = how.oneSheet;
    MemorySpreadsheet office;
    run(window, office);
    QCOMPARE(window.errorTexts, QStringList());
    QList<QList<QStringList>> got;
    for (const QString &sheet : office.sheetNames())
        got.append(rowsOf(office, sheet));
    QCOMPARE(got, sheets);
    QVERIFY2(window.notes.size() == notes, qPrintable(window.notes.join(u'\n')));
}

// A rename whose old name no header has is told, not ignored.
void tst_ImportRun::renameMetByNoHeaderIsTold()
{
    FakeWindow window{};
    window.files = {file(u"a.csv"_s, "id,customer\n1,x\n")};
    window.read.cut = Cutting::at(u","_s);
    window.read.header = true;
    window.sheets.renames = {{u"client"_s, u"customer"_s}, {u"Customer"_s, u"buyer"_s}};
    // A column's kind chosen by a name is told the same way.
    window.sheets.columnChoices = {{u"BUYER"_s, 0, ColumnKind::Text}, {u"amount"_s, 0, ColumnKind::Number}};
    MemorySpreadsheet office;
    run(window, office);
    QCOMPARE(window.errorTexts, (QStringList{u"No header has a column \"client\" to count as \"customer\"."_s,
                                             u"No header has a column \"amount\" to be number."_s}));
    QCOMPARE(rowsOf(office, u"Sheet1"_s), (QList<QStringList>{{u"id"_s, u"buyer"_s}, {u"1"_s, u"x"_s}}));
}

void tst_ImportRun::fullSheetsContinueOnTheNext_data()
{
    using Rows = QList<QStringList>;
    QTest::addColumn<bool>("oneSheet");
    QTest::addColumn<bool>("continuing");
    QTest::addColumn<bool>("asListed");
    QTest::addColumn<QStringList>("sheets");
    QTest::addColumn<QList<Rows>>("rows");
    // Three rows a sheet; a header and the file column start each one.
    const Rows aFirst{{u"File"_s, u"n"_s}, {u"a.csv"_s, u"1"_s}, {u"a.csv"_s, u"2"_s}};
    const Rows aSecond{{u"File"_s, u"n"_s}, {u"a.csv"_s, u"3"_s}};
    const Rows b{{u"File"_s, u"n"_s}, {u"b.csv"_s, u"4"_s}};
    QTest::newRow("one sheet") << true << true << false << QStringList{u"Sheet1"_s, u"Sheet1 (2)"_s}
                               << QList<Rows>{aFirst, aSecond + Rows{{u"b.csv"_s, u"4"_s}}};
    QTest::newRow("a sheet each, right after its file's")
        << false << true << false << QStringList{u"bcsv"_s, u"acsv"_s, u"acsv (2)"_s} << QList<Rows>{b, aFirst, aSecond};
    QTest::newRow("a sheet each as listed") << false << true << true
                                            << QStringList{u"a.csv"_s, u"a.csv (2)"_s, u"b.csv"_s}
                                            << QList<Rows>{aFirst, aSecond, b};
    QTest::newRow("left out without the option") << true << false << false << QStringList{u"Sheet1"_s} << QList<Rows>{aFirst};
}

void tst_ImportRun::fullSheetsContinueOnTheNext()
{
    QFETCH(bool, oneSheet);
    QFETCH(bool, continuing);
    QFETCH(bool, asListed);
    QFETCH(QStringList, sheets);
    QFETCH(QList<QList<QStringList>>, rows);
    FakeWindow window{};
    window.sheets.sheetsAsListed = asListed;
    window.files = {file(u"a.csv"_s, "n\n1\n2\n3\n"), file(u"b.csv"_s, "n\n4\n")};
    window.sheets.oneSheet = oneSheet;
    window.read.header = true;
    window.read.fileColumn = FileColumn::Name;
    window.sheets.continueSheets = continuing;
    MemorySpreadsheet office;
    office.limits.rows = 3;
    run(window, office);
    QCOMPARE(office.sheetNames(), sheets);
    for (qsizetype i = 0; i < sheets.size(); ++i)
        QCOMPARE(rowsOf(office, sheets[i]), rows[i]);
    if (continuing) {
        QCOMPARE(window.errorTexts, QStringList());
    } else {
        QCOMPARE(window.errorTexts.size(), 1);
        QVERIFY(window.errorTexts.first().endsWith(u"To put the rows past the last on new sheets, choose it."_s));
    }
}

void tst_ImportRun::headerDriftIsToldOncePerChange()
{
    // A year of exports: a column added in April, one renamed in July, one
    // written in capitals in September; a header of thousands of columns
    // makes a line, not a page.
    FakeWindow window{};
    window.read.cut = Cutting::at(u","_s);
    window.read.header = true;
    QStringList many;
    for (int i = 1; i <= 16000; ++i)
        many.append(u"c%1"_s.arg(i));
    for (int month = 1; month <= 12; ++month) {
        QString header = month < 7 ? u"date,customer"_s : u"date,client"_s;
        if (month >= 4)
            header += u",region"_s;
        header += month == 9 ? u",Amount"_s : u",amount"_s;
        if (month == 12)
            header += u","_s + many.join(u',');
        window.files.append(file(u"2024-%1.csv"_s.arg(month, 2, 10, QChar(u'0')), (header + u"\n1,2,3\n"_s).toUtf8()));
    }
    MemorySpreadsheet office;
    run(window, office);
    const QStringList expected{
        u"The headers differ: \"customer\": only in 6 files, up to 2024-06.csv. Each file's cells are under the "
        u"columns of their names."_s,
        u"The headers differ: \"region\": from 2024-04.csv on, 9 files. Each file's cells are under the columns of "
        u"their names."_s,
        u"The headers differ: \"client\": from 2024-07.csv on, 6 files. Each file's cells are under the columns of "
        u"their names."_s,
        u"The headers differ: \"c1\", \"c2\", \"c3\", \"c4\" and 15996 more: only in 2024-12.csv. Each file's cells "
        u"are under the columns of their names."_s,
        u"A column name is spelt two ways: \"amount\" is spelt \"Amount\" in 1 file: 2024-09.csv. It is one column, "
        u"named as first spelt."_s};
    QCOMPARE(window.notes, expected);
}

void tst_ImportRun::cellsStoredAsNumbersAndDates_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("split");
    QTest::addColumn<int>("sign"); // -1: numbers off; else a DecimalSign
    QTest::addColumn<bool>("dates");
    // The last cell as stored: "text", "n VALUE DECIMALS" or "d DAYS".
    QTest::addColumn<QString>("stored");
    const int point = int(DecimalSign::Point), comma = int(DecimalSign::Comma), automatic = int(DecimalSign::Automatic);
    const auto days = [](int y, int m, int d) { return u"d %1"_s.arg(QDate(1899, 12, 30).daysTo(QDate(y, m, d))); };
    const QList<std::tuple<const char *, QByteArray, QString, int, bool, QString>> rows{
        {"decimals kept", "1234.50", {}, point, false, u"n 1234.5 2"_s},
        {"a whole number", "7", {}, point, false, u"n 7 0"_s},
        {"negative", "-12.5", {}, point, false, u"n -12.5 1"_s},
        {"a lone zero before the sign", "0.5", {}, point, false, u"n 0.5 1"_s},
        {"zero", "0", {}, point, false, u"n 0 0"_s},
        {"fifteen digits", "123456789012345", {}, point, false, u"n 123456789012345 0"_s},
        {"fifteen decimals", "0.123456789012345", {}, point, false, u"n 0.123456789012345 15"_s},
        {"sixteen digits", "1234567890123456", {}, point, false, u"text"_s},
        {"a long id", "12345678901234567", {}, point, false, u"text"_s},
        {"a leading zero", "007", {}, point, false, u"text"_s},
        {"an exponent", "1e5", {}, point, false, u"text"_s},
        {"thousands separators", "1,234.50", {}, point, false, u"text"_s},
        {"a space before", " 42", {}, point, false, u"text"_s},
        {"a plus", "+42", {}, point, false, u"text"_s},
        {"minus zero", "-0", {}, point, false, u"text"_s},
        {"minus zero with decimals", "-0.00", {}, point, false, u"text"_s},
        {"a sign without decimals", "1.", {}, point, false, u"text"_s},
        {"no digit before the sign", ".5", {}, point, false, u"text"_s},
        {"the other sign", "1.5", {}, comma, false, u"text"_s},
        {"a decimal comma", "1234,50", {}, comma, false, u"n 1234.5 2"_s},
        {"automatic: semicolons take the comma", "a;1234,50", u";"_s, automatic, false, u"n 1234.5 2"_s},
        {"automatic: commas take the point", "a,1234.50", u","_s, automatic, false, u"n 1234.5 2"_s},
        // Automatic goes by the file's own numbers, where they show a sign.
        {"automatic: semicolons with points", "a;1234.50", u";"_s, automatic, false, u"n 1234.5 2"_s},
        // A whole line's comma between digits is no decimal sign: 10,100
        // would be 10.1.
        {"automatic: a comma in a whole line", "10,100", {}, automatic, false, u"text"_s},
        {"numbers off", "42", {}, -1, false, u"text"_s},
        {"a leap day", "2024-02-29", {}, -1, true, days(2024, 2, 29)},
        {"no leap day", "2023-02-29", {}, -1, true, u"text"_s},
        {"the end of a year", "2024-12-31", {}, -1, true, days(2024, 12, 31)},
        {"the first day", "1900-03-01", {}, -1, true, days(1900, 3, 1)},
        {"before it, where readers disagree", "1900-02-28", {}, -1, true, u"text"_s},
        {"the last day", "9999-12-31", {}, -1, true, days(9999, 12, 31)},
        {"no month 13", "2024-13-01", {}, -1, true, u"text"_s},
        {"a short month", "2024-1-01", {}, -1, true, u"text"_s},
        {"a day first", "01.10.2024", {}, -1, true, u"text"_s},
        {"dates off", "2024-02-29", {}, point, false, u"text"_s},
    };
    for (const auto &[name, line, split, sign, dates, stored] : rows)
        QTest::newRow(name) << line << split << sign << dates << stored;
}

void tst_ImportRun::cellsStoredAsNumbersAndDates()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, split);
    QFETCH(int, sign);
    QFETCH(bool, dates);
    QFETCH(QString, stored);
    FakeWindow window{};
    window.files = {file(u"a.txt"_s, line + '\n')};
    window.read.cut = Cutting::at(split.isEmpty() ? std::nullopt : std::optional<QString>(split));
    window.read.numbers = sign < 0 ? std::nullopt : std::optional<DecimalSign>(DecimalSign(sign));
    window.read.dates = dates;
    MemorySpreadsheet office;
    run(window, office);
    const auto sheet = office.sheet(u"Sheet1"_s);
    QVERIFY(sheet);
    const int last = int(rowsOf(office, u"Sheet1"_s).first().size()) - 1;
    // The text stays what it was, whatever the cell is stored as.
    const qsizetype cut = split.isEmpty() ? -1 : line.lastIndexOf(split.at(0).toLatin1());
    QCOMPARE(rowsOf(office, u"Sheet1"_s).first().last(), QString::fromUtf8(line.sliced(cut + 1)));
    const auto value = sheet->values.find({0, last});
    QString got = u"text"_s;
    if (value != sheet->values.end() && value->second.kind == CellValue::Kind::Number)
        got = u"n %1 %2"_s.arg(QString::number(value->second.value, 'g', 17)).arg(value->second.decimals);
    else if (value != sheet->values.end())
        got = u"d %1"_s.arg(qint64(value->second.value));
    QCOMPARE(got, stored);
}

void tst_ImportRun::aColumnIsOneKind_data()
{
    // Files stacked on one sheet, numbers and dates typed, and every cell
    // as stored: "t" text, "n VALUE", "d DAYS".
    QTest::addColumn<QByteArrayList>("texts");
    QTest::addColumn<bool>("header");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QList<ColumnChoice>>("choices");
    const auto days = [](int y, int m, int d) { return u"d%1"_s.arg(QDate(1899, 12, 30).daysTo(QDate(y, m, d))); };
    const QString feb1 = days(2024, 2, 1), dec31 = days(2024, 12, 31);
    QTest::newRow("dates day first, as one date settles it")
        << QByteArrayList{"01/02/2024\n31.12.2024\n"} << false << QStringList{feb1, dec31} << QList<ColumnChoice>();
    QTest::newRow("dates month first") << QByteArrayList{"2-1-2024\n12/31/2024\n"} << false << QStringList{feb1, dec31} << QList<ColumnChoice>();
    QTest::newRow("dates either way stay text") << QByteArrayList{"01/02/2024\n03/04/2024\n"} << false
                                                << QStringList{u"t"_s, u"t"_s} << QList<ColumnChoice>();
    QTest::newRow("two-digit years stay text") << QByteArrayList{"31/12/24\n"} << false << QStringList{u"t"_s} << QList<ColumnChoice>();
    QTest::newRow("one postcode with a leading zero makes the column text")
        << QByteArrayList{"80331,1.5\n01067,2\n"} << false << QStringList{u"t,n1.5"_s, u"t,n2"_s} << QList<ColumnChoice>();
    QTest::newRow("words among numbers leave them numbers") << QByteArrayList{"1.5\nn/a\n"} << false
                                                            << QStringList{u"n1.5"_s, u"t"_s} << QList<ColumnChoice>();
    QTest::newRow("a column by name is one kind across files")
        << QByteArrayList{"zip,amount\n80331,1.5\n", "amount,zip\n2,01067\n"} << true
        << QStringList{u"t,t"_s, u"t,n1.5"_s, u"t,n2"_s} << QList<ColumnChoice>();
    QTest::newRow("day first and month first files on one sheet")
        << QByteArrayList{"when\n31/12/2024\n", "when\n12/31/2024\n"} << true
        << QStringList{u"t"_s, dec31, dec31} << QList<ColumnChoice>();
    // The user's choice stands over what the cells show; a cell that cannot
    // be its column's kind stays text.
    QTest::newRow("a date order chosen") << QByteArrayList{"01/02/2024\n"} << false << QStringList{feb1}
                                         << QList<ColumnChoice>{{{}, 1, ColumnKind::DateDmy}};
    QTest::newRow("numbers chosen") << QByteArrayList{"01067\n80331\n"} << false << QStringList{u"t"_s, u"n80331"_s}
                                    << QList<ColumnChoice>{{{}, 1, ColumnKind::Number}};
    QTest::newRow("a column skipped by name") << QByteArrayList{"a,b,c\n1,2,3\n"} << true
                                              << QStringList{u"t,t"_s, u"n1,n3"_s}
                                              << QList<ColumnChoice>{{u"B"_s, 0, ColumnKind::Skip}};
    QTest::newRow("a column skipped by number") << QByteArrayList{"1,2,3\n"} << false << QStringList{u"n1,n3"_s}
                                                << QList<ColumnChoice>{{{}, 2, ColumnKind::Skip}};
}

void tst_ImportRun::aColumnIsOneKind()
{
    QFETCH(QByteArrayList, texts);
    QFETCH(bool, header);
    QFETCH(QStringList, stored);
    QFETCH(QList<ColumnChoice>, choices);
    FakeWindow window{};
    window.sheets.columnChoices = choices;
    for (qsizetype i = 0; i < texts.size(); ++i)
        window.files.append(file(u"f%1.csv"_s.arg(i), texts[i]));
    window.read.cut = Cutting::at(u","_s);
    window.read.header = header;
    window.read.numbers = DecimalSign::Point;
    window.read.dates = true;
    MemorySpreadsheet office;
    run(window, office);
    const auto sheet = office.sheet(u"Sheet1"_s);
    QStringList got;
    const QList<QStringList> rows = rowsOf(office, u"Sheet1"_s);
    for (int r = 0; r < rows.size(); ++r) {
        if (rows[r].isEmpty())
            continue;
        QStringList cells;
        for (int c = 0; c < rows[r].size(); ++c) {
            const auto value = sheet->values.find({r, c});
            cells.append(value == sheet->values.end() ? u"t"_s
                             : value->second.kind == CellValue::Kind::Number
                             ? u"n"_s + QString::number(value->second.value)
                             : u"d%1"_s.arg(qint64(value->second.value)));
        }
        got.append(cells.join(u','));
    }
    QCOMPARE(got, stored);
}

// The header row and the file column stay text, whatever they hold.
void tst_ImportRun::headerAndFileColumnStayText()
{
    FakeWindow window{};
    window.files = {file(u"12"_s, "2024,7\n2024-01-01,8\n")};
    window.read.cut = Cutting::at(u","_s);
    window.read.header = true;
    window.read.fileColumn = FileColumn::Name;
    window.read.numbers = DecimalSign::Point;
    window.read.dates = true;
    MemorySpreadsheet office;
    run(window, office);
    const auto sheet = office.sheet(u"Sheet1"_s);
    QCOMPARE(rowsOf(office, u"Sheet1"_s), (QList<QStringList>{{u"File"_s, u"2024"_s, u"7"_s}, {u"12"_s, u"2024-01-01"_s, u"8"_s}}));
    QCOMPARE(sheet->values.size(), size_t(2));
    QCOMPARE(sheet->values.at({1, 1}).kind, CellValue::Kind::Date);
    QCOMPARE(sheet->values.at({1, 2}).value, 8.0);
}

// Cut at commas, a file of semicolons is one cell a row: it is named, with
// the separator it looks cut at.
void tst_ImportRun::aFileCutNowhereAmongCutFilesIsNamed()
{
    FakeWindow window{};
    window.read.cut = Cutting::at(u","_s);
    window.files = {file(u"a.csv"_s, "1,x,3\n2,y,4\n"), file(u"b.csv"_s, "5;z;7\n6;w;8\n"),
                    file(u"c.csv"_s, "just one\ncolumn\n")};
    MemorySpreadsheet office;
    run(window, office);
    QCOMPARE(window.notes, QStringList{u"b.csv: every row is one cell, where the other files have several; it looks "
                                       u"separated by semicolons."_s});
    // Beside a file that could not be read, which is cut nowhere, it is no such file.
    FakeWindow alone{};
    alone.read.cut = Cutting::at(u","_s);
    alone.files = {window.files[1], m_dir->filePath(u"missing.csv"_s)};
    run(alone, office);
    QCOMPARE(alone.notes, QStringList());
}

// One cause, one line: the rows a full document cannot continue are not
// reported a second time as cells past the last row.
void tst_ImportRun::noRoomToContinueIsOneReport()
{
    FakeWindow window{};
    window.sheets.continueSheets = true;
    window.files = {file(u"a.txt"_s, "1\n2\n3\n4\n")};
    MemorySpreadsheet office;
    office.limits = {16384, 2};
    office.newSheetNames.clear();
    for (int i = 1; i <= MaxSheets; ++i)
        office.newSheetNames.append(u"Sheet%1"_s.arg(i));
    run(window, office);
    QCOMPARE(window.errorTexts,
             QStringList{u"The rows past row 2 of the sheet \"Sheet1\" were left out: a document holds at most 10000 sheets."_s});
}

void tst_ImportRun::planEqualsDocument_data()
{
    QTest::addColumn<SheetOptions>("sheets");
    QTest::addColumn<bool>("header");
    QTest::addColumn<int>("rowLimit");
    QTest::newRow("one sheet") << SheetOptions{} << false << 1048576;
    QTest::newRow("one sheet, headers") << SheetOptions{} << true << 1048576;
    QTest::newRow("a sheet each") << SheetOptions{.oneSheet = false} << false << 1048576;
    QTest::newRow("as listed, headers") << SheetOptions{.oneSheet = false, .sheetsAsListed = true} << true << 1048576;
    QTest::newRow("one sheet continuing") << SheetOptions{.continueSheets = true} << true << 4;
    QTest::newRow("a sheet each continuing") << SheetOptions{.oneSheet = false, .continueSheets = true} << false << 3;
    QTest::newRow("full, not continuing") << SheetOptions{.oneSheet = false} << true << 3;
    QTest::newRow("one sheet continuing, report") << SheetOptions{.continueSheets = true, .reportSheet = true} << true << 4;
    QTest::newRow("a sheet each, report") << SheetOptions{.oneSheet = false, .reportSheet = true} << false << 1048576;
}

// The plan is the run's own: the sheets it names and their rows are those of
// the document the run writes, for a folder of mixed files; each file's
// account, the rows it names for the file are the file's (its name in the
// file column), and the report sheet lists the accounts.
void tst_ImportRun::planEqualsDocument()
{
    QFETCH(SheetOptions, sheets);
    QFETCH(bool, header);
    QFETCH(int, rowLimit);
    FakeWindow window{};
    window.files = {file(u"a.csv"_s, "id,name\n1,x\n2,y\n3,z\n4,w\n5,v\n"),
                    file(u"b.csv"_s, QByteArray(QStringEncoder("Shift_JIS").encode(u"名前,都市\r\n山田,東京\r\n"_s))),
                    file(u"c.txt"_s, QByteArray("\xFF\xFE" "n\0a\0m\0e\0\r\0o\0k\0", 16)),
                    file(u"A.csv"_s, "name,id\rq,9\r"), file(u"empty.txt"_s, "")};
    window.sheets = sheets;
    window.read.cut = Cutting::at(u","_s);
    window.read.header = header;
    window.read.fileColumn = FileColumn::Name;
    MemorySpreadsheet office;
    office.limits = {16384, rowLimit};
    window.run(office);
    const QStringList runReports = window.errorTexts;
    FakeWindow planned = window;
    planned.errorTexts.clear();
    const ImportPlan plan = planImport(planned, planned, {.sheet = office.limits});
    QStringList names;
    for (const ImportPlan::Sheet &sheet : plan.sheets) {
        names.append(sheet.name);
        QCOMPARE(sheet.rows, office.sheet(sheet.name)->rowsWritten);
    }
    QCOMPARE(names, office.sheetNames());
    QCOMPARE(planned.errorTexts, runReports);
    QCOMPARE(plan.files.size(), window.files.size());
    QList<QStringList> report{AccountWords::reportColumns()};
    for (qsizetype i = 0; i < plan.files.size(); ++i) {
        const FileAccount &account = window.accounts.at(i);
        report.append(AccountWords::reportRow(account, u"choose it"_s, QLocale::c()));
        QCOMPARE(AccountWords::reportRow(plan.files.at(i), {}, QLocale()),
                 AccountWords::reportRow(account, {}, QLocale()));
        const auto &landed = account.landed;
        QCOMPARE(landed.has_value(), account.rows > (header ? 1 : 0));
        if (!landed)
            continue;
        // Its rows show its name; without a header, a file's last line break
        // ends an empty row of its own, and an empty file is one.
        const QString name = QFileInfo(account.path).fileName();
        const auto isOfTheFile = [&](const QString &sheet, qint64 row) {
            const QStringList cells = rowsOf(office, sheet).value(row - 1);
            return cells.value(0) == name || (!header && cells.isEmpty() && row <= office.sheet(sheet)->rowsWritten);
        };
        QVERIFY(isOfTheFile(landed->sheet, landed->firstRow));
        QVERIFY(isOfTheFile(landed->lastSheet, landed->lastRow));
        QCOMPARE(rowsOf(office, landed->lastSheet).value(landed->lastRow).value(0) == name, false);
    }
    if (sheets.reportSheet) {
        QCOMPARE(office.sheetNames().last(), u"Files"_s);
        // A sheet that holds fewer rows counts the files left off.
        if (report.size() > rowLimit)
            report = report.first(rowLimit - 1) + QList<QStringList>{{u"... and 3 more files"_s}};
        for (QStringList &row : report) {
            while (!row.isEmpty() && row.last().isEmpty())
                row.removeLast();
        }
        QCOMPARE(rowsOf(office, u"Files"_s), report);
        // Its counts are numbers (the first file's rows, say), its names text.
        const auto &values = office.sheet(u"Files"_s)->values;
        QCOMPARE(values.count({1, 10}), size_t(1));
        QCOMPARE(values.count({1, 0}), size_t(0));
    }
}

void tst_ImportRun::stopLeavesWhatWasWritten_data()
{
    QTest::addColumn<bool>("oneSheet");
    QTest::addColumn<QString>("moment");
    QTest::addColumn<bool>("head"); // a title line and a header above the rows
    QTest::addColumn<QString>("report");
    QTest::newRow("one sheet, before the first block")
        << true << u"reading"_s << false << u"while the file \"{a}\" (file 1 of 2) was read: nothing was written"_s;
    QTest::newRow("one sheet, mid-file") << true << u"writing"_s << false << u"after line {line} of the file \"{a}\" (file 1 of 2)"_s;
    QTest::newRow("one sheet, mid-file, below a title and a header")
        << true << u"writing"_s << true << u"after line {line} of the file \"{a}\" (file 1 of 2)"_s;
    QTest::newRow("a sheet each, mid-file")
        << false << u"writing"_s << false << u"after line {line} of the file \"{a}\" (file 1 of 2)"_s;
    QTest::newRow("a sheet each, between files")
        << false << u"second file"_s << false << u"while the file \"{b}\" (file 2 of 2) was read: the sheets of the files before"_s;
}

void tst_ImportRun::stopLeavesWhatWasWritten()
{
    QFETCH(bool, oneSheet);
    QFETCH(QString, moment);
    QFETCH(bool, head);
    QFETCH(QString, report);
    // Blocks of at most BlockCells rows: a stop comes between them.
    const QByteArray many = QByteArray("x\n").repeated(3 * SheetWriter::BlockCells);
    FakeWindow window{};
    window.files = {file(u"a.txt"_s, (head ? "title\nh\n" : "") + many), file(u"b.txt"_s, "b")};
    window.sheets.oneSheet = oneSheet;
    window.read.linesToSkip = head ? 1 : 0;
    window.read.header = head;
    MemorySpreadsheet office;
    // The first block waits on its call thread until the window, which
    // breathes while it waits for the block, has been told to stop.
    std::atomic<bool> writing = false;
    std::atomic<bool> stopped = false;
    office.beforeCall = [&](const QString &operation) {
        if (moment != u"writing" || operation != u"writeRows" || writing.exchange(true))
            return;
        QDeadlineTimer deadline(5000);
        while (!stopped && !deadline.hasExpired())
            QThread::msleep(1);
    };
    window.onYield = [&] {
        if (moment == u"reading" || (moment == u"writing" && writing)
            || (moment == u"second file" && window.filesStarted.size() == 2))
            stopped = window.stopFlag = true;
    };
    const ImportResult result = run(window, office);
    QVERIFY(result.stopped);
    QCOMPARE(window.notices.size(), 1);
    const QString aSheet = oneSheet ? u"Sheet1"_s : u"atxt"_s;
    const qsizetype written = office.sheet(aSheet) ? rowsOf(office, aSheet).size() : 0;
    const QString expected = report.replace(u"{a}"_s, window.files[0])
                                 .replace(u"{b}"_s, window.files[1])
                                 // The file's own line: past its title, and the header row.
                                 .replace(u"{line}"_s, QString::number(written + (head ? 1 : 0)));
    QVERIFY2(window.notices.first().contains(expected), qPrintable(window.notices.first() + u" / "_s + expected));
    // Exactly the rows before the stop: whole blocks of a stopped file, a
    // file before the stop whole, none of the second file.
    if (moment == u"second file")
        QVERIFY(written >= 3 * SheetWriter::BlockCells);
    else
        QCOMPARE(written, moment == u"writing" ? SheetWriter::BlockCells : 0);
    QVERIFY(!office.sheet(u"btxt"_s));
    // The next import goes through.
    FakeWindow next;
    next.files = {window.files[1]};
    run(next, office);
    QCOMPARE(next.notices, QStringList{u"Done."_s});
}

void tst_ImportRun::splitting_data()
{
    QTest::addColumn<std::optional<QString>>("split");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QList<QStringList>>("rows");
    using Rows = QList<QStringList>;

    QTest::newRow("comma, empty pieces at both ends")
        << std::optional<QString>(u","_s) << QByteArray(",a,,b,") << Rows{{QString(), u"a"_s, QString(), u"b"_s}};
    QTest::newRow("space") << std::optional<QString>(u" "_s) << QByteArray("x y  z") << Rows{{u"x"_s, u"y"_s, QString(), u"z"_s}};
    QTest::newRow("tab") << std::optional<QString>(u"\t"_s) << QByteArray("1\t2\r\n3") << Rows{{u"1"_s, u"2"_s}, {u"3"_s}};
    QTest::newRow("several characters form one separator")
        << std::optional<QString>(u"ab"_s) << QByteArray("1ab2ab3\r\n1a2b3") << Rows{{u"1"_s, u"2"_s, u"3"_s}, {u"1a2b3"_s}};
    QTest::newRow("empty separator cuts nothing")
        << std::optional<QString>(QString()) << QByteArray("a,b c") << Rows{{u"a,b c"_s}};
    // A cedilla (Windows-1252 0xB8) is text like any other, in every mode.
    QTest::newRow("cedilla, whole lines") << std::optional<QString>() << QByteArray("a\xB8" "b") << Rows{{u"a\u00B8b"_s}};
    QTest::newRow("cedilla, comma")
        << std::optional<QString>(u","_s) << QByteArray("x,a\xB8" "b,y") << Rows{{u"x"_s, u"a\u00B8b"_s, u"y"_s}};
    QTest::newRow("numbers and formulas stay text")
        << std::optional<QString>(u","_s) << QByteArray("007,=1+1,1e5,TRUE, 12 ,12/05,-")
        << Rows{{u"007"_s, u"=1+1"_s, u"1e5"_s, u"TRUE"_s, u" 12 "_s, u"12/05"_s, u"-"_s}};
    QTest::newRow("quotes mean nothing")
        << std::optional<QString>(u","_s) << QByteArray("\"a,b\"") << Rows{{u"\"a"_s, u"b\""_s}};
}

void tst_ImportRun::splitting()
{
    QFETCH(std::optional<QString>, split);
    QFETCH(QByteArray, text);
    QFETCH(QList<QStringList>, rows);
    FakeWindow window{};
    window.read.cut = Cutting::at(split);
    window.files = {file(u"in.txt"_s, text)};
    MemorySpreadsheet office;
    run(window, office);
    QCOMPARE(rowsOf(office, u"Sheet1"_s), rows);
}

void tst_ImportRun::quotedFieldsInBothModes_data()
{
    QTest::addColumn<bool>("oneSheet");
    QTest::newRow("one sheet") << true;
    QTest::newRow("a sheet each") << false;
}

void tst_ImportRun::quotedFieldsInBothModes()
{
    QFETCH(bool, oneSheet);
    FakeWindow window{};
    window.sheets.oneSheet = oneSheet;
    window.read.cut = Cutting::at(u","_s);
    window.read.quotes = true;
    window.files = {file(u"a.csv"_s, "\"Smith, John\",\"two\r\nlines\"\r\n"),
                    file(u"b.csv"_s, utf16(u"x,\"never\r\nclosed, at all"_s, false))};
    MemorySpreadsheet office;
    run(window, office);
    // The unclosed quote is reported once, with its file and line, and the
    // rest of that file is in its cell; the run goes on.
    QCOMPARE(window.errorSteps, QList<int>{oneSheet ? 140 : 234});
    QCOMPARE(window.errorTexts.first(),
             u"The file \"%1\" has a quoted field that opens on line 1 and is never closed: the rest of the file is in "
             u"that one cell."_s.arg(window.files.at(1)));
    const QList<QStringList> a{{u"Smith, John"_s, u"two\nlines"_s}, {}};
    const QList<QStringList> b{{u"x"_s, u"never\nclosed, at all"_s}};
    if (oneSheet) {
        QCOMPARE(rowsOf(office, u"Sheet1"_s), a + b);
    } else {
        QCOMPARE(rowsOf(office, u"acsv"_s), (QList<QStringList>{a.first()}));
        QCOMPARE(rowsOf(office, u"bcsv"_s), b);
    }
}

void tst_ImportRun::separateSheetsInReverseOrderNamedAfterFiles()
{
    FakeWindow window{};
    window.sheets.oneSheet = false;
    window.files = {file(u"A.txt"_s, "a1\r\na2"), file(u"B.txt"_s, "b1"), file(u"sales report.csv"_s, "c1")};
    MemorySpreadsheet office;
    const ImportResult result = run(window, office);
    QCOMPARE(office.sheetNames(), (QStringList{u"sales reportcsv"_s, u"Btxt"_s, u"Atxt"_s}));
    QCOMPARE(rowsOf(office, u"Atxt"_s), (QList<QStringList>{{u"a1"_s}, {u"a2"_s}}));
    QCOMPARE(rowsOf(office, u"sales reportcsv"_s), (QList<QStringList>{{u"c1"_s}}));
    QCOMPARE(result.filesImported, 3);
    QVERIFY(window.errorSteps.isEmpty());
    QCOMPARE(window.notices, QStringList{u"Done."_s});
}

void tst_ImportRun::collidingNamesAreTestedAgain()
{
    FakeWindow window{};
    window.sheets.oneSheet = false;
    window.files = {file(u"x/data.txt"_s, "first"), file(u"y/data.txt"_s, "second"), file(u"z/DATA.TXT"_s, "third"),
                    file(u"w/data.txt"_s, "fourth"), file(u"v/---"_s, "fifth")};
    MemorySpreadsheet office;
    QList<double> draws{0.5, 0.5, 0.5, 0.25};
    run(window, office, [&] { return draws.isEmpty() ? 0.75 : draws.takeFirst(); });
    // DATA.TXT draws 4001 again, which is taken without regard to case.
    QCOMPARE(office.sheetNames(),
             (QStringList{u"File 5"_s, u"datatxt6001"_s, u"DATATXT2001"_s, u"datatxt4001"_s, u"datatxt"_s}));
    QCOMPARE(rowsOf(office, u"datatxt"_s), QList<QStringList>{{u"first"_s}});
    QCOMPARE(rowsOf(office, u"datatxt4001"_s), QList<QStringList>{{u"second"_s}});
    QCOMPARE(rowsOf(office, u"DATATXT2001"_s), QList<QStringList>{{u"third"_s}});
    QCOMPARE(rowsOf(office, u"datatxt6001"_s), QList<QStringList>{{u"fourth"_s}});
    QCOMPARE(rowsOf(office, u"File 5"_s), QList<QStringList>{{u"fifth"_s}});
    QVERIFY(window.errorSteps.isEmpty());
}

void tst_ImportRun::fileCalledSheet2KeepsItsSheet()
{
    FakeWindow window{};
    window.sheets.oneSheet = false;
    window.files = {file(u"Sheet2"_s, "kept"), file(u"Sheet1"_s, "also kept")};
    MemorySpreadsheet office;
    run(window, office, [] { return 0.0; });
    QCOMPARE(office.sheetNames(), (QStringList{u"Sheet11"_s, u"Sheet2"_s}));
    QCOMPARE(rowsOf(office, u"Sheet2"_s), QList<QStringList>{{u"kept"_s}});
    QCOMPARE(rowsOf(office, u"Sheet11"_s), QList<QStringList>{{u"also kept"_s}});
}

void tst_ImportRun::onlyTheNewDocumentsOwnSheetsGo_data()
{
    QTest::addColumn<QStringList>("newSheets");
    QTest::addColumn<bool>("oneSheet");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("three defaults, one sheet") << QStringList{u"Sheet1"_s, u"Sheet2"_s, u"Sheet3"_s} << true
                                               << QStringList{u"Sheet1"_s};
    QTest::newRow("three defaults, separate") << QStringList{u"Sheet1"_s, u"Sheet2"_s, u"Sheet3"_s} << false
                                              << QStringList{u"ftxt"_s};
    QTest::newRow("other names stay") << QStringList{u"Tabelle1"_s} << false << QStringList{u"ftxt"_s, u"Tabelle1"_s};
}

void tst_ImportRun::onlyTheNewDocumentsOwnSheetsGo()
{
    QFETCH(QStringList, newSheets);
    QFETCH(bool, oneSheet);
    QFETCH(QStringList, after);
    FakeWindow window{};
    window.sheets.oneSheet = oneSheet;
    window.files = {file(u"f.txt"_s, "x")};
    MemorySpreadsheet office;
    office.newSheetNames = newSheets;
    run(window, office);
    QCOMPARE(office.sheetNames(), after);
    QVERIFY(window.errorSteps.isEmpty());
}

void tst_ImportRun::longLinesAreRowsOfWhatCanLand()
{
    // A line longer than the reader's pieces is one row; a cell longer than
    // the sheet takes is cut, cells past its last column are left out, and
    // either is reported once.
    const QByteArray fits(CalcCellCharacters, 'q');
    QByteArray wide;
    for (int i = 0; i < MaxColumns + 3; ++i)
        wide += i == MaxColumns + 1 ? "," : "c,";
    FakeWindow window{};
    window.read.cut = Cutting::at(u","_s);
    window.files = {file(u"long.txt"_s, "before\r\n" + fits + "\r\n" + fits + "too long\r\n" + wide + "\r\nafter\r\n")};
    MemorySpreadsheet office;
    office.limits = {MaxColumns + 10, 1048576};
    run(window, office);
    const QList<QStringList> rows = rowsOf(office, u"Sheet1"_s);
    QCOMPARE(rows.size(), 5);
    QCOMPARE(rows.at(1), QStringList{QString::fromLatin1(fits)});
    QCOMPARE(rows.at(2), QStringList{QString::fromLatin1(fits)});
    QCOMPARE(rows.at(3), QStringList(MaxColumns, u"c"_s));
    QCOMPARE(rows.at(4), QStringList{u"after"_s});
    QCOMPARE(window.errorTexts,
             (QStringList{u"1 cell of the sheet \"Sheet1\" was cut to 65535 characters: a cell holds no more."_s,
                          u"2 cells could not be written to the sheet \"Sheet1\": a sheet holds at most 16394 columns "
                          u"and 1048576 rows."_s}));
}

void tst_ImportRun::everyEncodingArrivesIntact()
{
    const QString text = u"Ελληνικά,日本語,😀,€"_s;
    FakeWindow window{};
    window.read.cut = Cutting::at(u","_s);
    window.files = {file(u"16.txt"_s, utf16(text + u"\r\n"_s, false)), file(u"1252.txt"_s, "caf\xE9,\x80\r\n"),
                    file(u"8.txt"_s, (text + u"\n"_s).toUtf8()), file(u"32.txt"_s, utf32(text, true))};
    MemorySpreadsheet office;
    run(window, office);
    const QStringList cells = text.split(u',');
    QCOMPARE(rowsOf(office, u"Sheet1"_s),
             (QList<QStringList>{cells, {}, {u"café"_s, u"€"_s}, {}, cells, {}, cells}));
}

void tst_ImportRun::blocksGiveTheSameDocumentAsSingleCells_data()
{
    QTest::addColumn<int>("concurrentWrites");
    QTest::newRow("one block at a time") << 1;
    QTest::newRow("two blocks at once") << 2;
}

void tst_ImportRun::blocksGiveTheSameDocumentAsSingleCells()
{
    QFETCH(int, concurrentWrites);
    QByteArray text;
    QList<QStringList> expected;
    const int lines = SheetWriter::BlockCells; // three cells a row on average: three blocks and a bit
    for (int i = 0; i < lines; ++i) {
        const int width = i % 7; // ragged rows, empty ones among them
        QStringList cells;
        for (int c = 0; c < width; ++c)
            cells.append(c == 2 ? QString() : u"r%1c%2"_s.arg(i).arg(c));
        text += cells.join(u';').toUtf8() + "\n";
        while (!cells.isEmpty() && cells.last().isEmpty())
            cells.removeLast();
        expected.append(cells);
    }
    FakeWindow window{};
    window.read.cut = Cutting::at(u";"_s);
    window.files = {file(u"big.txt"_s, text)};
    MemorySpreadsheet office;
    office.concurrentWrites = concurrentWrites;
    const ImportResult result = run(window, office);
    QList<QStringList> rows = rowsOf(office, u"Sheet1"_s);
    while (expected.last().isEmpty())
        expected.removeLast();
    QCOMPARE(rows, expected);
    QCOMPARE(office.sheet(u"Sheet1"_s)->cellCalls, 0);
    QVERIFY(office.sheet(u"Sheet1"_s)->writeCalls <= 4);
    QCOMPARE(result.rowsWritten, lines + 1); // and the empty row after the file
}

void tst_ImportRun::longLinesMakeShorterBlocks()
{
    // Memory holds a few blocks: long lines close a block before its cells do.
    // Half a block's text in cells as long as a cell holds.
    const QByteArray line = QByteArray(CalcCellCharacters, 'x').append(',').repeated(17).chopped(1);
    FakeWindow window{};
    window.files = {file(u"long.txt"_s, QByteArray(line + "\n").repeated(7))};
    window.read.cut = Cutting::at(u","_s);
    MemorySpreadsheet office;
    run(window, office);
    const QList<QStringList> rows = rowsOf(office, u"Sheet1"_s);
    QCOMPARE(rows.size(), 7);
    QCOMPARE(rows.last(), QString::fromLatin1(line).split(u','));
    QCOMPARE(office.sheet(u"Sheet1"_s)->writeCalls, 4); // two lines a block, the empty last row too
}

// A file's widest row, as its account gives it, against the cells of each
// line counted one by one: lines of every ending, empty ones, lines with no
// cut and lines past a piece's end.
void tst_ImportRun::widestRowIsCountedAcrossPieces()
{
    const char *const endings[] = {"\n", "\r\n", "\r"};
    for (int seed = 1; seed <= 4; ++seed) {
        QRandomGenerator random(seed);
        QByteArray text;
        qsizetype widest = 0;
        while (text.size() < 3 * TextReader::PieceSize) {
            const int cells = random.bounded(seed == 1 ? 1 : 40);
            const qsizetype length = random.bounded(3) == 0 ? 5 * TextReader::PieceSize / 4 : random.bounded(30);
            // Cuts on both sides of a long stretch, which a piece's end cuts.
            QByteArray line = cells == 0 ? QByteArray() : QByteArray("y,").repeated(cells / 2) + QByteArray(length, 'x');
            for (int c = cells / 2 + 1; c < cells; ++c)
                line += ",y";
            widest = std::max<qsizetype>(widest, line.isEmpty() ? 0 : std::max(cells, 1));
            text += line + endings[random.bounded(3)];
        }
        FakeWindow window{};
        window.read.cut = Cutting::at(u","_s);
        window.files = {file(u"w.txt"_s, text)};
        MemorySpreadsheet office;
        window.run(office);
        QCOMPARE(window.accounts.value(0).widest, widest);
    }
}

void tst_ImportRun::packedTextIsReadAsThePlainFile_data()
{
    QTest::addColumn<QString>("name"); // as listed, below the test's folder
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("sheet");
    const QByteArray text = "id;Name\r\n1;M\xC3\xBCller\r\n2;\"a;\nb\"\r\n";
    for (const char *filter : {"gzip", "bzip2", "xz", "zstd"}) {
        const QString ending = QString::fromLatin1(filter).replace(u"gzip"_s, u"gz"_s).replace(u"bzip2"_s, u"bz2"_s)
                                   .replace(u"zstd"_s, u"zst"_s);
        QTest::newRow(filter) << u"t.csv."_s + ending << compressed(text, filter) << u"t.csv"_s;
    }
    QTest::newRow("gzip, told by its bytes") << u"t"_s << compressed(text, "gzip") << u"t"_s;
    QTest::newRow("a member of a .zip") << u"a.zip/dir/t.csv"_s
                                        << zipOf({{u"x.txt"_s, "x"}, {u"dir/t.csv"_s, text}}) << u"t.csv"_s;
}

// A compressed file or a member of an archive gives the cells the plain
// file gives, on a sheet named as the text it holds; its account knows both
// sizes.
void tst_ImportRun::packedTextIsReadAsThePlainFile()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, sheet);
    const QString archive = name.contains(u".zip/"_s) ? name.section(u'/', 0, 0) : name;
    writeFile(m_dir->filePath(archive), bytes);
    FakeWindow window{};
    window.files = {m_dir->filePath(name), file(u"plain.csv"_s, "id;Name\r\n1;M\xC3\xBCller\r\n2;\"a;\nb\"\r\n")};
    window.read = {.cut = Cutting::ownSeparator(), .quotes = true, .header = true};
    window.sheets = {.oneSheet = false, .sheetsAsListed = true};
    MemorySpreadsheet office;
    window.run(office);
    QCOMPARE(window.errorTexts, QStringList());
    QCOMPARE(office.sheetNames(), (QStringList{sheet, u"plain.csv"_s}));
    QCOMPARE(rowsOf(office, sheet), rowsOf(office, u"plain.csv"_s));
    QCOMPARE(window.accounts.value(0).size, window.accounts.value(1).size);
    QVERIFY(window.accounts.value(0).packedSize > 0);
}

void tst_ImportRun::cellsOutsideTheSheetAreReportedOnce()
{
    FakeWindow window{};
    window.read.cut = Cutting::at(u","_s);
    // Empty fields past the last column lose nothing and are not counted.
    window.files = {file(u"wide.txt"_s, "1,2,3,4,5,6,7\r\n1,2,,,,,,\r\n1\r\nlost,too")};
    MemorySpreadsheet office;
    office.limits = {5, 3};
    const ImportResult result = run(window, office);
    QCOMPARE(window.errorSteps, QList<int>{184});
    QVERIFY2(window.errorTexts.first().startsWith(u"4 cells could not be written"_s), qPrintable(window.errorTexts.first()));
    QCOMPARE(result.cellsLeftOut, 4);
    QCOMPARE(rowsOf(office, u"Sheet1"_s),
             (QList<QStringList>{{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s}, {u"1"_s, u"2"_s}, {u"1"_s}}));
    QCOMPARE(window.notices, QStringList{u"Done."_s});
}

void tst_ImportRun::blocksThatFailAlikeAreReportedOnce()
{
    // A full disk under the rows kept: every block fails the same way.
    FakeWindow window{};
    window.files = {file(u"many.txt"_s, QByteArray("x\n").repeated(3 * SheetWriter::BlockCells))};
    MemorySpreadsheet office;
    office.beforeCall = [](const QString &operation) {
        if (operation == u"writeRows")
            throw Failure(u"No space left on device"_s);
    };
    run(window, office);
    QCOMPARE(window.errorTexts, QStringList{u"No space left on device"_s});
}

void tst_ImportRun::unreadableFileContributesNothing_data()
{
    QTest::addColumn<bool>("oneSheet");
    QTest::addColumn<int>("step");
    QTest::newRow("one sheet") << true << 128;
    QTest::newRow("separate sheets") << false << 222;
}

void tst_ImportRun::unreadableFileContributesNothing()
{
    QFETCH(bool, oneSheet);
    QFETCH(int, step);
    FakeWindow window{};
    window.sheets.oneSheet = oneSheet;
    const QString locked = file(u"locked.txt"_s, "secret");
    QFile::setPermissions(locked, {});
    const bool canStillRead = QFile(locked).open(QIODevice::ReadOnly); // as root, permissions do not stop us
    window.files = {file(u"first.txt"_s, "first"), m_dir->filePath(u"vanished.txt"_s), locked, file(u"last.txt"_s, "last")};
    MemorySpreadsheet office;
    run(window, office);
    QCOMPARE(window.errorSteps.first(), step);
    QVERIFY(window.errorTexts.first().contains(u"vanished.txt"_s));
    QCOMPARE(window.errorSteps.size(), canStillRead ? 1 : 2);
    // The report lists it all the same, with why, and no rows.
    const FileAccount &vanished = window.accounts.value(1);
    QCOMPARE(window.accounts.size(), 4);
    QCOMPARE(vanished.failure, window.errorTexts.first());
    QVERIFY(!vanished.landed);
    if (oneSheet) {
        QList<QStringList> expected{{u"first"_s}};
        if (canStillRead)
            expected.append({u"secret"_s});
        expected.append({u"last"_s});
        QCOMPARE(rowsOf(office, u"Sheet1"_s), expected);
    } else {
        QStringList sheets{u"lasttxt"_s};
        if (canStillRead)
            sheets.append(u"lockedtxt"_s);
        sheets.append(u"firsttxt"_s);
        QCOMPARE(office.sheetNames(), sheets);
    }
}

void tst_ImportRun::fileVanishingDuringTheRun()
{
    FakeWindow window{};
    window.sheets.oneSheet = false;
    const QString second = file(u"second.txt"_s, "gone");
    window.files = {file(u"first.txt"_s, "here"), second};
    window.onYield = [&] {
        if (!window.filesStarted.isEmpty() && window.filesStarted.first().endsWith(u"first.txt"_s))
            QFile::remove(second);
    };
    MemorySpreadsheet office;
    run(window, office);
    QCOMPARE(window.errorSteps, QList<int>{222});
    QCOMPARE(office.sheetNames(), QStringList{u"firsttxt"_s});
}

void tst_ImportRun::fileThatDoesNotFitIsNotImported_data()
{
    QTest::addColumn<bool>("oneSheet");
    QTest::addColumn<int>("step");
    QTest::newRow("one sheet") << true << 156;
    QTest::newRow("a sheet each") << false << 250;
}

void tst_ImportRun::fileThatDoesNotFitIsNotImported()
{
    QFETCH(bool, oneSheet);
    QFETCH(int, step);
    FakeWindow window{};
    window.sheets.oneSheet = oneSheet;
    window.files = {file(u"a.txt"_s, QByteArray(1000, 'a')), file(u"big.txt"_s, QByteArray(5000, 'b')),
                    file(u"c.txt"_s, "c")};
    MemorySpreadsheet office;
    // A limit on the size of the files this process writes stands in for a
    // full disk: the staging file has room for 8 KiB, the big file needs 10.
    rlimit old{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &old) == 0);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small{8 * 1024, old.rlim_max};
    QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
    const ImportResult result = run(window, office);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);

    QCOMPARE(result.filesImported, 2);
    QCOMPARE(window.errorSteps, QList<int>{step});
    QVERIFY2(window.errorTexts.first().contains(u"big.txt"_s), qPrintable(window.errorTexts.first()));
    QVERIFY2(window.errorTexts.first().endsWith(qt_error_string(EFBIG)), qPrintable(window.errorTexts.first()));
    QCOMPARE(window.notices, QStringList{u"Done."_s});
    if (oneSheet) {
        QCOMPARE(rowsOf(office, u"Sheet1"_s), (QList<QStringList>{{QString(1000, u'a')}, {u"c"_s}}));
    } else {
        QCOMPARE(office.sheetNames(), (QStringList{u"ctxt"_s, u"atxt"_s}));
        QCOMPARE(rowsOf(office, u"atxt"_s), QList<QStringList>{{QString(1000, u'a')}});
    }
}

void tst_ImportRun::entryRemovedDuringTheRunIsNotReplaced()
{
    FakeWindow window{};
    window.files = {file(u"a.txt"_s, "a"), file(u"b.txt"_s, "b"), file(u"c.txt"_s, "c")};
    window.onYield = [&] {
        if (window.files.size() == 3)
            window.files = {window.files.first()};
    };
    MemorySpreadsheet office;
    run(window, office);
    QCOMPARE(window.errorSteps, (QList<int>{120, 120}));
    QCOMPARE(rowsOf(office, u"Sheet1"_s), QList<QStringList>{{u"a"_s}});
}

void tst_ImportRun::optionsChangedDuringTheRunActOnTheRest()
{
    FakeWindow window{};
    window.read.cut = Cutting::at(u","_s);
    window.files = {file(u"a.txt"_s, "1,2"), file(u"b.txt"_s, "3,4 5")};
    window.onYield = [&] {
        if (!window.filesStarted.isEmpty() && window.filesStarted.last().endsWith(u"b.txt"_s))
            window.read.cut = Cutting::at(u" "_s);
    };
    MemorySpreadsheet office;
    run(window, office);
    QCOMPARE(rowsOf(office, u"Sheet1"_s), (QList<QStringList>{{u"1"_s, u"2"_s}, {u"3,4"_s, u"5"_s}}));
}

void tst_ImportRun::singleLineShowsFullProgress()
{
    FakeWindow window{};
    window.sheets.oneSheet = false;
    window.files = {file(u"empty.txt"_s, QByteArray())};
    MemorySpreadsheet office;
    run(window, office);
    QVERIFY(window.errorSteps.isEmpty());
    QCOMPARE(window.rowsWrittenOf, (QList<std::pair<qint64, qint64>>{{1, 1}}));
    QCOMPARE(office.sheetNames(), QStringList{u"emptytxt"_s});
}

void tst_ImportRun::officeLostIsReportedOnceAndTheNextRunStartsAfresh()
{
    QByteArray text;
    for (int i = 0; i < 20000; ++i)
        text += "line\n";
    FakeWindow window{};
    window.sheets.oneSheet = false;
    window.files = {file(u"a.txt"_s, text), file(u"b.txt"_s, text)};
    MemorySpreadsheet office;
    bool dead = false;
    office.beforeCall = [&](const QString &operation) {
        if (operation == u"writeRows"_s)
            dead = true;
        if (dead)
            throw SpreadsheetLost(u"LibreOffice closed the connection."_s);
    };
    run(window, office);
    QCOMPARE(window.errorSteps, QList<int>{278});
    QCOMPARE(window.notices, QStringList{u"Done."_s});

    dead = false;
    office.beforeCall = nullptr;
    FakeWindow again;
    again.files = {window.files.first()};
    run(again, office);
    QVERIFY(again.errorSteps.isEmpty());
    QCOMPARE(office.starts, 2);
    QCOMPARE(office.documents.size(), 2);
}

void tst_ImportRun::officeMissingIsReportedOnce()
{
    FakeWindow window{};
    window.files = {file(u"a.txt"_s, "a"), file(u"b.txt"_s, "b")};
    MemorySpreadsheet office;
    office.beforeCall = [](const QString &) { throw SpreadsheetLost(u"LibreOffice did not answer within 60 seconds."_s); };
    run(window, office);
    QCOMPARE(window.errorSteps, QList<int>{162});
    QCOMPARE(window.notices, QStringList{u"Done."_s});
}

void tst_ImportRun::closingTheWindowStopsTheRun()
{
    QByteArray text;
    for (int i = 0; i < 50000; ++i)
        text += "some,line,of,text\n";
    FakeWindow window{};
    window.files = {file(u"a.txt"_s, text), file(u"b.txt"_s, text)};
    MemorySpreadsheet office;
    office.beforeCall = [&](const QString &operation) {
        if (operation == u"writeRows"_s)
            window.cancelFlag = true; // closed while the first block is written
    };
    const ImportResult result = run(window, office);
    QVERIFY(result.closing);
    QVERIFY(window.notices.isEmpty());
    // What was written so far stays.
    QCOMPARE(rowsOf(office, u"Sheet1"_s).size(), std::min(SheetWriter::BlockRows, SheetWriter::BlockCells)); // one cell a row
}

void tst_ImportRun::officeThatDoesNotAnswerIsGivenUp_data()
{
    QTest::addColumn<QString>("hangAt");
    QTest::addColumn<bool>("windowClosed");
    QTest::addColumn<int>("concurrentWrites");
    QTest::newRow("starting") << u"start"_s << false << 1;
    QTest::newRow("first call") << u"newDocument"_s << false << 1;
    QTest::newRow("writing") << u"writeRows"_s << false << 1;
    QTest::newRow("writing, two blocks at once") << u"writeRows"_s << false << 2;
    QTest::newRow("window closed while it hangs") << u"writeRows"_s << true << 1;
}

void tst_ImportRun::officeThatDoesNotAnswerIsGivenUp()
{
    QFETCH(QString, hangAt);
    QFETCH(bool, windowClosed);
    QFETCH(int, concurrentWrites);
    // With two blocks at once, both hang: the application is reported once.
    const int lines = concurrentWrites > 1 ? 3 * SheetWriter::BlockCells : 2;
    QList<QStringList> expected;
    QByteArray text;
    for (int i = 0; i < lines; ++i) {
        expected.append({QString::number(i)});
        text += QByteArray::number(i) + (i + 1 < lines ? "\r\n" : "");
    }
    FakeWindow window{};
    window.files = {file(u"a.txt"_s, text)};
    MemorySpreadsheet office;
    office.concurrentWrites = concurrentWrites;
    std::atomic<int> hangs = 0; // calls of hangAt so far; the first ones hang
    office.beforeCall = [&](const QString &operation) {
        if (operation == hangAt && hangs++ < concurrentWrites)
            office.hangUntilAbandoned();
    };
    window.onYield = [&] { window.cancelFlag = windowClosed && hangs > 0; };
    // A deadline the closed window must not wait for.
    const auto deadline = windowClosed ? std::chrono::minutes(10) : std::chrono::milliseconds(300);
    QElapsedTimer timer;
    timer.start();
    const ImportResult result = run(window, office, [] { return 0.5; }, {deadline, deadline});
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(office.abandons(), 1);
    QCOMPARE(result.closing, windowClosed);
    if (windowClosed) {
        QVERIFY(window.errorTexts.isEmpty());
        QVERIFY(window.notices.isEmpty());
        return;
    }
    QCOMPARE(window.errorTexts, QStringList{u"MemorySpreadsheet did not answer within 0.3 seconds; the import ends here."_s});
    QCOMPARE(window.notices, QStringList{u"Done."_s});

    // The next run reaches the application anew.
    FakeWindow again;
    again.files = window.files;
    run(again, office);
    QCOMPARE(again.errorTexts, QStringList());
    QCOMPARE(rowsOf(office, u"Sheet1"_s), expected);
}

void tst_ImportRun::applicationStartsWhileFilesAreRead()
{
    // The files wait here until the application is starting; what it says
    // is still reported after what the files say.
    FakeWindow window{};
    window.files = {m_dir->filePath(u"missing.txt"_s), file(u"a.txt"_s, "a")};
    MemorySpreadsheet office;
    std::atomic<bool> starting = false;
    office.beforeCall = [&](const QString &operation) {
        if (operation != u"start"_s)
            return;
        starting = true;
        throw Failure(u"No application."_s);
    };
    const QDeadlineTimer deadline(5000);
    window.onYield = [&] {
        while (!starting && !deadline.hasExpired())
            QThread::msleep(1);
    };
    run(window, office);
    QVERIFY(!deadline.hasExpired());
    QCOMPARE(window.errorTexts.size(), 2);
    QVERIFY(window.errorTexts.at(0).contains(u"missing.txt"_s));
    QCOMPARE(window.errorTexts.at(1), u"No application."_s);
}

void tst_ImportRun::windowKeepsBreathingWhileTheSpreadsheetWorks()
{
    FakeWindow window{};
    window.files = {file(u"a.txt"_s, "a\r\nb")};
    MemorySpreadsheet office;
    int yieldsDuringCall = 0;
    std::atomic<bool> inCall = false; // set on the call thread
    window.onYield = [&] { yieldsDuringCall += inCall ? 1 : 0; };
    office.beforeCall = [&](const QString &operation) {
        if (operation != u"newDocument"_s && operation != u"writeRows"_s)
            return;
        inCall = true;
        QThread::msleep(300); // a slow answer from the spreadsheet
        inCall = false;
    };
    run(window, office);
    // The window got its turn many times while the two slow calls ran.
    QVERIFY2(yieldsDuringCall >= 10, qPrintable(QString::number(yieldsDuringCall)));
    QCOMPARE(rowsOf(office, u"Sheet1"_s), (QList<QStringList>{{u"a"_s}, {u"b"_s}}));
}

// Beside the file's name, a note need not repeat its path; lines skipped
// as the user asked are a number in their column, not a note.
void tst_ImportRun::reportRowNamesItsFileAndKeepsRoutineToItsColumn()
{
    FileAccount account;
    account.path = u"/home/user/exports/2024/sales-01.csv"_s;
    account.name = u"sales-01.csv"_s;
    account.encoding = "UTF-8";
    account.linesSkipped = 2;
    account.skippedToTable = true;
    account.firstLineSkipped = u"Exported by the shop"_s;
    account.unclosedQuoteLine = 7;
    const QStringList row = AccountWords::reportRow(account, {}, QLocale::c());
    QCOMPARE(row[9], u"2"_s);
    QCOMPARE(row[AccountWords::NotesColumn],
             u"The file \"sales-01.csv\" has a quoted field that opens on line 7 and is never closed: the rest of the "
             "file is in that one cell."_s);
    // Standing alone, a note names the whole path and tells the lines skipped.
    const QList<AccountWords::Note> alone = AccountWords::notesOf(account, {});
    QCOMPARE(alone.size(), 2);
    QVERIFY(alone[0].text.contains(account.path));
    QVERIFY(alone[1].routine && alone[1].text.startsWith(u"2 lines above the table"_s));
    // The first line skipped is quoted: a header taken for a title shows.
    QVERIFY(alone[1].text.endsWith(u"were skipped, the first: \"Exported by the shop\"."_s));
}

void tst_ImportRun::csvReportKeepsFormulasText_data()
{
    // A file's name, and how the CSV report writes it.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("field");
    QTest::newRow("plain") << u"sales.csv"_s << u"sales.csv"_s;
    QTest::newRow("a formula") << u"=2+3"_s << u"'=2+3"_s;
    QTest::newRow("a formula with commas and quotes")
        << u"=HYPERLINK(\"http://x.example\",\"open\")"_s << u"\"'=HYPERLINK(\"\"http://x.example\"\",\"\"open\"\")\""_s;
    QTest::newRow("plus") << u"+1.csv"_s << u"'+1.csv"_s;
    QTest::newRow("minus") << u"-x.csv"_s << u"'-x.csv"_s;
    QTest::newRow("at") << u"@SUM.csv"_s << u"'@SUM.csv"_s;
    QTest::newRow("tab") << u"\tA.csv"_s << u"'\tA.csv"_s;
}

// Opened in a spreadsheet, the CSV report holds no live formula; the JSON
// report keeps the names as they are.
void tst_ImportRun::csvReportKeepsFormulasText()
{
    QFETCH(QString, name);
    QFETCH(QString, field);
    FileAccount account;
    account.name = name;
    const QList<QByteArray> csv = reportFileText(u"r.csv"_s, {account}, {}).split('\n');
    QVERIFY2(csv.value(1).startsWith((field + u',').toUtf8()), csv.value(1).constData());
    const QByteArray json = reportFileText(u"r.jsonl"_s, {account}, {});
    QCOMPARE(QJsonDocument::fromJson(json).object().value(u"file"_s).toString(), name);
}

// A comma file's "1,2" are two fields, no decimal comma: its "2.5" is a
// number with a decimal point.
void tst_ImportRun::decimalSignIsVotedOnCutFields()
{
    FakeWindow window{};
    window.files = {file(u"a.csv"_s, "id,v\n1,2\n2,2.5\n3,4\n")};
    window.read.cut = Cutting::ownSeparator();
    window.read.numbers = DecimalSign::Automatic;
    MemorySpreadsheet office;
    run(window, office);
    const auto &values = office.sheet(u"Sheet1"_s)->values;
    const auto value = values.find({2, 1});
    QVERIFY(value != values.end());
    QCOMPARE(value->second.value, 2.5);
}

QTEST_GUILESS_MAIN(tst_ImportRun)
#include "tst_importrun.moc"
