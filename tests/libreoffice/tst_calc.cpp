// SPDX-License-Identifier: GPL-3.0-or-later
// Against a real LibreOffice, started by the tests with a profile of their own.
#include "calcreader.h"
#include "core/import/spreadsheetmodule.h"
#include "core/text/stagingfile.h"
#include "fakewindow.h"
#include "libreoffice/libreofficeprovider.h"
#include "memoryspreadsheet.h"
#include "testfiles.h"

#include <QElapsedTimer>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;
using namespace quillora;
using namespace quillora::test;
using css::table::CellContentType_EMPTY;
using css::table::CellContentType_TEXT;
using css::table::CellContentType_VALUE;

namespace {
// A socket planted where a pipe's socket belongs: it listens but never answers.
class PlantedSocket
{
public:
    explicit PlantedSocket(const QString &path)
        : m_path(QFile::encodeName(path))
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, m_path.constData(), sizeof(address.sun_path));
        m_fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
        if (m_fd < 0 || ::bind(m_fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) != 0
            || ::listen(m_fd, 8) != 0)
            qFatal("cannot plant a socket at %s", m_path.constData());
    }
    ~PlantedSocket()
    {
        ::close(m_fd);
        ::unlink(m_path.constData());
    }
    // Whether anybody connected to it.
    bool wasConnectedTo() const
    {
        const int peer = ::accept(m_fd, nullptr, nullptr);
        if (peer >= 0)
            ::close(peer);
        return peer >= 0;
    }

private:
    QByteArray m_path;
    int m_fd = -1;
};
} // namespace

class tst_Calc : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void documentIsTheOneMeant_data();
    void documentIsTheOneMeant();
    void textStaysText();
    void numbersAndDatesWhereNothingChanges();
    void quotedFieldsArriveWhole();
    void blocksEqualSingleCells();
    void fileCalledSheet2KeepsItsSheet();
    void lineWiderThanTheSheet();
    void malformedTextArrivesAsReplacementCharacters();
    void stackedExportsShareTheirHeader();
    void fullSheetContinuesRightAfterIt();
    void closedBetweenTwoRuns();
    void killedDuringARun();
    void plantedPipeIsNeverConnectedTo_data();
    void plantedPipeIsNeverConnectedTo();
    void silentPipeMeetsTheDeadline();
    void givenUpConnectionIsMadeAnew();
    void hungOfficeIsGivenUp();

private:
    QString file(const QString &name, const QByteArray &bytes) { return writeFile(m_dir.filePath(name), bytes); }
    QString repeatedLines(const QString &name, const QByteArray &line, int count)
    {
        return file(name, line.repeated(count));
    }
    // A run of the first test file goes through and reads back.
    void firstFileImports()
    {
        FakeWindow window{};
        window.files = {m_files.first()};
        window.run(*m_office);
        QVERIFY2(window.errorTexts.isEmpty(), qPrintable(window.errorTexts.join(u'\n')));
        QCOMPARE(calcRows(document(), u"Sheet1"_s).value(0), QStringList{u"alpha beta,gamma\tdelta"_s});
    }
    css::uno::Reference<css::sheet::XSpreadsheetDocument> document() const { return m_office->lastDocument(); }

    QTemporaryDir m_dir;
    std::unique_ptr<lo::LibreOfficeProvider> m_office;
    QStringList m_files;
};

void tst_Calc::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("LibreOffice needs a display: run the tests under xvfb-run");
    const QString programFolder = findOfficeProgramFolder();
    QVERIFY2(!programFolder.isEmpty(), "LibreOffice is not installed");
    m_office = std::make_unique<lo::LibreOfficeProvider>(programFolder);
    // A LibreOffice that dies while a block is being sent must not take this
    // process with it.
    struct sigaction pipeAction{};
    QVERIFY(::sigaction(SIGPIPE, nullptr, &pipeAction) == 0);
    QVERIFY(pipeAction.sa_handler == SIG_IGN);
    m_office->start();
    QVERIFY(m_office->session().connected());

    const QString mixed = u"Grüße,日本\r\n😀 smile\n"_s;
    m_files = {file(u"a.txt"_s, "alpha beta,gamma\tdelta\r\n\r\n,lead,trail,\r\n x ab y ab z\r\n"),
               file(u"b.txt"_s, utf16(mixed, false)), file(u"c.txt"_s, "caf\xE9,\x80\rend"),
               file(u"d.txt"_s, "\xEF\xBB\xBF=1+1,007,1e5,TRUE\r\n"), file(u"empty.txt"_s, QByteArray())};
}

void tst_Calc::cleanupTestCase()
{
    if (m_office)
        stopOffice(m_office->session());
}

void tst_Calc::documentIsTheOneMeant_data()
{
    QTest::addColumn<bool>("oneSheet");
    QTest::addColumn<std::optional<QString>>("split");
    QTest::newRow("one sheet, whole lines") << true << std::optional<QString>();
    QTest::newRow("one sheet, space") << true << std::optional<QString>(u" "_s);
    QTest::newRow("one sheet, comma") << true << std::optional<QString>(u","_s);
    QTest::newRow("one sheet, tab") << true << std::optional<QString>(u"\t"_s);
    QTest::newRow("one sheet, own text") << true << std::optional<QString>(u"ab"_s);
    QTest::newRow("separate sheets, comma") << false << std::optional<QString>(u","_s);
    QTest::newRow("separate sheets, whole lines") << false << std::optional<QString>();
}

void tst_Calc::documentIsTheOneMeant()
{
    QFETCH(bool, oneSheet);
    QFETCH(std::optional<QString>, split);
    FakeWindow model;
    model.sheets.oneSheet = oneSheet;
    model.read.cut = Cutting::at(split);
    model.files = m_files;
    MemorySpreadsheet memory;
    model.run(memory);

    FakeWindow window = model;
    window.notices.clear();
    window.run(*m_office);
    QCOMPARE(window.errorTexts, QStringList());
    QCOMPARE(window.notices, QStringList{u"Done."_s});
    const QStringList names = calcSheetNames(document());
    QCOMPARE(names, memory.sheetNames());
    for (const QString &name : names)
        QCOMPARE(calcRows(document(), name), MemorySpreadsheet::rowsOf(*memory.sheet(name)));
}

void tst_Calc::textStaysText()
{
    FakeWindow window{};
    window.read.cut = Cutting::at(u","_s);
    window.files = {file(u"numbers.txt"_s, "007,1e5,TRUE,=1+1,-, 12 ,12/05,,'quoted\r\n")};
    window.run(*m_office);
    QCOMPARE(window.errorTexts, QStringList());
    const QStringList texts{u"007"_s, u"1e5"_s, u"TRUE"_s, u"=1+1"_s, u"-"_s, u" 12 "_s, u"12/05"_s};
    for (int column = 0; column < texts.size(); ++column) {
        const CalcCell cell = calcCell(document(), u"Sheet1"_s, column, 0);
        QCOMPARE(cell.type, CellContentType_TEXT);
        QCOMPARE(cell.text, texts.at(column));
    }
    QCOMPARE(calcCell(document(), u"Sheet1"_s, 7, 0).type, CellContentType_EMPTY);
    QCOMPARE(calcCell(document(), u"Sheet1"_s, 8, 0).text, u"'quoted"_s);
}

// With the options, numbers are numbers shown with their decimals, dates
// dates shown YYYY-MM-DD; everything else stays text as it stood.
void tst_Calc::numbersAndDatesWhereNothingChanges()
{
    FakeWindow window{};
    window.read.cut = Cutting::at(u";"_s);
    window.read.numbers = DecimalSign::Automatic;
    window.read.dates = true;
    window.files = {file(u"amounts.csv"_s, "1234,50;7;-0,5;2024-02-29;007;1,234.50;2023-02-29\r\n")};
    window.run(*m_office);
    QCOMPARE(window.errorTexts, QStringList());
    const QList<std::pair<css::table::CellContentType, QString>> cells{
        {CellContentType_VALUE, u"1234.50"_s}, {CellContentType_VALUE, u"7"_s},
        {CellContentType_VALUE, u"-0.5"_s},    {CellContentType_VALUE, u"2024-02-29"_s},
        {CellContentType_TEXT, u"007"_s},      {CellContentType_TEXT, u"1,234.50"_s},
        {CellContentType_TEXT, u"2023-02-29"_s}};
    for (int column = 0; column < cells.size(); ++column) {
        const CalcCell cell = calcCell(document(), u"Sheet1"_s, column, 0);
        QCOMPARE(cell.type, cells.at(column).first);
        QCOMPARE(cell.text, cells.at(column).second);
    }
}

void tst_Calc::quotedFieldsArriveWhole()
{
    FakeWindow window{};
    window.read.cut = Cutting::at(u","_s);
    window.read.quotes = true;
    window.files = {file(u"quoted.csv"_s, "\"Smith, John\",\"say \"\"hi\"\"\",\"two\r\nlines\",x\xB8y\r\nnext")};
    window.run(*m_office);
    QCOMPARE(window.errorTexts, QStringList());
    QCOMPARE(calcRows(document(), u"Sheet1"_s),
             (QList<QStringList>{{u"Smith, John"_s, u"say \"hi\""_s, u"two\nlines"_s, u"x\u00B8y"_s}, {u"next"_s}}));
}

void tst_Calc::blocksEqualSingleCells()
{
    m_office->start();
    auto doc = m_office->newDocument();
    doc->insertSheet(u"single"_s, 1);
    const QList<QStringList> rows{{u"a"_s, QString(), u"=2"_s},
                                  {},
                                  {u"x"_s},
                                  {QString(), QString(), QString(), u"far"_s},
                                  {u"0.5"_s, u"ä€😀"_s},
                                  // What Calc would strip, parse or trim.
                                  {u"'"_s, u"''"_s, u"'lead"_s, u"="_s, u"'=1"_s, u"1e5"_s, u"TRUE"_s, u" 12 "_s,
                                   u"\t-0.0"_s}};
    doc->sheetAt(0)->writeRows(3, RowBlock(std::vector<QStringList>(rows.begin(), rows.end())));
    auto single = doc->sheetAt(1);
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows.at(r).size(); ++c)
            single->setCellText(c, 3 + r, rows.at(r).at(c));
    }
    QCOMPARE(calcRows(document(), u"Sheet1"_s), calcRows(document(), u"single"_s));
    QCOMPARE(calcRows(document(), u"Sheet1"_s).value(6), (QStringList{QString(), QString(), QString(), u"far"_s}));
    QCOMPARE(calcRows(document(), u"Sheet1"_s).value(8), rows.last());
    QCOMPARE(calcCell(document(), u"Sheet1"_s, 1, 3).type, CellContentType_EMPTY);
    QCOMPARE(calcCell(document(), u"Sheet1"_s, 2, 3).type, CellContentType_TEXT);
}

void tst_Calc::fileCalledSheet2KeepsItsSheet()
{
    FakeWindow window{};
    window.sheets.oneSheet = false;
    window.files = {file(u"Sheet2"_s, "mine"), file(u"sheet1"_s, "also mine")};
    window.run(*m_office, [] { return 0.0; });
    QCOMPARE(window.errorTexts, QStringList());
    // "sheet1" is taken, as LibreOffice ignores case; the default sheet goes.
    QCOMPARE(calcSheetNames(document()), (QStringList{u"sheet11"_s, u"Sheet2"_s}));
    QCOMPARE(calcRows(document(), u"Sheet2"_s), QList<QStringList>{{u"mine"_s}});
}

void tst_Calc::lineWiderThanTheSheet()
{
    m_office->start();
    const int columns = m_office->newDocument()->limits().columns;
    QStringList cells;
    for (int i = 0; i < columns + 76; ++i)
        cells.append(QString::number(i));
    FakeWindow window{};
    window.read.cut = Cutting::at(u","_s);
    window.files = {file(u"wide.txt"_s, cells.join(u',').toUtf8() + "\r\nnext")};
    const ImportResult result = window.run(*m_office);
    QCOMPARE(window.errorSteps, QList<int>{184});
    QCOMPARE(result.cellsLeftOut, 76);
    const QList<QStringList> rows = calcRows(document(), u"Sheet1"_s);
    QCOMPARE(rows.value(0), cells.first(columns));
    QCOMPARE(rows.value(1), QStringList{u"next"_s});
}

void tst_Calc::malformedTextArrivesAsReplacementCharacters()
{
    // Unpaired surrogates and values past U+10FFFF cannot cross to
    // LibreOffice; as U+FFFD they do, each file's are reported, and the
    // files after them arrive too.
    FakeWindow window{};
    window.files = {file(u"before.txt"_s, "before"),
                    file(u"utf16.txt"_s, QByteArray("\xFF\xFE" "a\0\0\xD8" "b\0", 8)),
                    file(u"utf32.txt"_s, QByteArray("\xFF\xFE\0\0" "c\0\0\0" "\0\0\x11\0", 12)),
                    file(u"after.txt"_s, "after")};
    const ImportResult result = window.run(*m_office);
    QCOMPARE(window.errorTexts.size(), 2);
    QVERIFY(window.errorTexts.first().contains(u"utf16.txt\" was read as UTF-16LE, but 1 character could not be read"_s));
    QVERIFY(window.errorTexts.last().contains(u"utf32.txt\" was read as UTF-32LE"_s));
    QCOMPARE(result.filesImported, 4);
    const QString bad(QChar::ReplacementCharacter);
    QCOMPARE(calcRows(document(), u"Sheet1"_s), (QList<QStringList>{{u"before"_s},
                                                                    {u"a"_s + bad + u"b"_s},
                                                                    {u"c"_s + bad},
                                                                    {u"after"_s}}));
}

void tst_Calc::stackedExportsShareTheirHeader()
{
    // A title skipped, the header once with columns matched by name, a
    // column that only the second file has, and each row's file.
    FakeWindow window{};
    window.files = {file(u"jan.csv"_s, "Exported 2026-01\r\nid,name\r\n1,x\r\n"),
                    file(u"feb.csv"_s, "Exported 2026-02\r\nname,city,id\r\ny,Rome,2\r\n")};
    window.read.cut = Cutting::at(u","_s);
    window.read.linesToSkip = 1;
    window.read.header = true;
    window.read.fileColumn = FileColumn::Name;
    window.run(*m_office);
    QCOMPARE(window.errorTexts, QStringList());
    // One line a change: the column feb.csv adds, the order it has.
    QCOMPARE(window.notes.size(), 2);
    QCOMPARE(calcRows(document(), u"Sheet1"_s), (QList<QStringList>{{u"File"_s, u"id"_s, u"name"_s, u"city"_s},
                                                                    {u"jan.csv"_s, u"1"_s, u"x"_s},
                                                                    {u"feb.csv"_s, u"2"_s, u"y"_s, u"Rome"_s}}));
}

void tst_Calc::fullSheetContinuesRightAfterIt()
{
    // A file's sheet full: the rest right after it, under its header.
    QByteArray lines = "name\n";
    lines.reserve(2 * 1048601);
    for (int i = 0; i < 1048600; ++i)
        lines += i == 1048575 ? "next\n" : "x\n";
    FakeWindow window{};
    window.files = {file(u"many.txt"_s, lines)};
    window.read.header = true;
    window.sheets.continueSheets = true;
    window.sheets.oneSheet = false;
    window.run(*m_office);
    QCOMPARE(window.errorTexts, QStringList());
    QCOMPARE(calcSheetNames(document()).mid(0, 2), (QStringList{u"manytxt"_s, u"manytxt (2)"_s}));
    const QList<QStringList> rest = calcRows(document(), u"manytxt (2)"_s);
    QCOMPARE(rest.size(), 1 + 1048600 - 1048575);
    QCOMPARE(rest.value(1), QStringList{u"next"_s});
}

void tst_Calc::closedBetweenTwoRuns()
{
    stopOffice(m_office->session());
    QVERIFY(!officeRuns(m_office->session()));
    firstFileImports();
}

void tst_Calc::killedDuringARun()
{
    const QString big = repeatedLines(u"big.txt"_s, "one,two,three,four,five,six\n", 200000);
    FakeWindow window{};
    window.read.cut = Cutting::at(u","_s);
    window.files = {big, big};
    bool killed = false;
    // Killed as soon as the run has its new document.
    m_office->start();
    const auto before = m_office->lastDocument();
    // Told apart by their proxies: comparing UNO references asks the
    // objects, a call across a connection that is going away.
    window.onYield = [&, before] {
        if (!killed && m_office->lastDocument().get() != before.get()) {
            killed = true;
            killOffice(m_office->session());
        }
    };
    window.run(*m_office);
    QVERIFY(killed);
    QCOMPARE(window.errorSteps.size(), 1);
    QVERIFY2(window.errorTexts.first().contains(u"LibreOffice"_s), qPrintable(window.errorTexts.first()));
    QCOMPARE(window.notices, QStringList{u"Done."_s});

    firstFileImports();
}

void tst_Calc::plantedPipeIsNeverConnectedTo_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("a plain file") << u"file"_s;
    QTest::newRow("a link to a socket of ours") << u"link"_s;
    QTest::newRow("another user's socket") << u"foreign"_s;
}

void tst_Calc::plantedPipeIsNeverConnectedTo()
{
    QFETCH(QString, kind);
    const QString pipe = u"quillora-planted-%1-%2"_s.arg(kind).arg(::getpid());
    const QString path = lo::OfficeSession::pipeSocketPath(pipe);
    std::optional<PlantedSocket> socket;
    if (kind == u"file"_s) {
        writeFile(path, "planted");
    } else if (kind == u"link"_s) {
        socket.emplace(path + u"-target"_s);
        QVERIFY(QFile::link(path + u"-target"_s, path));
    } else {
        if (::getuid() != 0)
            QSKIP("only root can plant a socket owned by another user");
        socket.emplace(path);
        QVERIFY(::chown(QFile::encodeName(path).constData(), 65534, 65534) == 0);
    }
    const auto removePlanted = qScopeGuard([&] { QFile::remove(path); });

    // One connection to a LibreOffice per process, as in the program: two
    // bridges to one office would share the proxies of its objects.
    m_office.reset();
    const auto reconnect = qScopeGuard([&] {
        m_office = std::make_unique<lo::LibreOfficeProvider>(findOfficeProgramFolder());
        m_office->start();
    });
    {
        // The running LibreOffice is asked to accept on a name of our own instead.
        lo::LibreOfficeProvider office(findOfficeProgramFolder(), std::chrono::seconds(60), pipe);
        office.start();
        QVERIFY(office.session().connected());
        QVERIFY(office.session().pipeName() != pipe);
        QVERIFY(office.session().pipeName().startsWith(lo::OfficeSession::defaultPipeName()));
        if (socket)
            QVERIFY(!socket->wasConnectedTo());
    }
}

void tst_Calc::silentPipeMeetsTheDeadline()
{
    // Something of ours accepts on the pipe but never answers.
    const QString pipe = u"quillora-silent-%1"_s.arg(::getpid());
    const PlantedSocket silent(lo::OfficeSession::pipeSocketPath(pipe));
    lo::LibreOfficeProvider office(findOfficeProgramFolder(), std::chrono::seconds(2), pipe);
    QElapsedTimer timer;
    timer.start();
    FakeWindow window{};
    window.files = {m_files.first()};
    window.run(office);
    QVERIFY2(timer.elapsed() < 10000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(silent.wasConnectedTo());
    QCOMPARE(window.errorTexts, QStringList{u"LibreOffice did not answer within 2 seconds."_s});
    QCOMPARE(window.notices, QStringList{u"Done."_s});
}

void tst_Calc::givenUpConnectionIsMadeAnew()
{
    // As after a call that did not answer in time: the next run connects
    // again to the same LibreOffice.
    m_office->start();
    m_office->abandon();
    firstFileImports();
}

void tst_Calc::hungOfficeIsGivenUp()
{
    // LibreOffice stops answering once the run has its document.
    FakeWindow window{};
    window.read.cut = Cutting::at(u","_s);
    window.files = {repeatedLines(u"hung.txt"_s, "one,two,three\n", 100000)};
    m_office->start();
    const auto before = m_office->lastDocument();
    bool stopped = false;
    window.onYield = [&, before] {
        if (!stopped && m_office->lastDocument().get() != before.get()) {
            stopped = true;
            signalOffice(m_office->session(), u"STOP"_s);
        }
    };
    // A LibreOffice stopped half way through a call is no use afterwards.
    const auto resume = qScopeGuard([&] {
        signalOffice(m_office->session(), u"CONT"_s);
        killOffice(m_office->session());
    });
    QElapsedTimer timer;
    timer.start();
    window.run(*m_office, [] { return 0.5; }, {std::chrono::seconds(60), std::chrono::seconds(3)});
    QVERIFY(stopped);
    QVERIFY2(timer.elapsed() < 20000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY2(window.errorTexts.size() == 1, qPrintable(window.errorTexts.join(u'\n') + window.notices.join(u'\n')));
    QVERIFY2(window.errorTexts.first().startsWith(u"LibreOffice did not answer within 3 seconds"_s),
             qPrintable(window.errorTexts.first()));
    QCOMPARE(window.notices, QStringList{u"Done."_s});
}

QTEST_GUILESS_MAIN(tst_Calc)
#include "tst_calc.moc"
