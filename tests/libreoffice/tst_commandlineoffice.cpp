// SPDX-License-Identifier: GPL-3.0-or-later
// The real program from the command line, against a real LibreOffice: the
// files --output writes open in Calc as the window's document, and the
// user's own LibreOffice is never ended or disturbed.
#include "calcreader.h"
#include "documentreader.h"
#include "core/import/columnchoices.h"
#include "core/import/spreadsheetmodule.h"
#include "fakewindow.h"
#include "libreoffice/libreofficeprovider.h"
#include "memoryspreadsheet.h"
#include "testfiles.h"

#include <com/sun/star/util/XCloseable.hpp>
#include <com/sun/star/util/XModifiable.hpp>

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace Qt::Literals::StringLiterals;
using namespace quillora;
using namespace quillora::test;
using css::table::CellContentType_TEXT;
using css::table::CellContentType_VALUE;

namespace {
struct Finished
{
    int status = -1;
    QString err;
};

Finished runProgram(const QStringList &arguments, const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUILLORA_PROGRAM), arguments);
    if (!program.waitForFinished(180000))
        program.kill();
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            QString::fromUtf8(program.readAllStandardError())};
}
} // namespace

class tst_CommandLineOffice : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void documentIsTheWindowsDocument_data();
    void documentIsTheWindowsDocument();
    void folderWithExtension();
    void xlsxKeepsWhatXmlCannotCarry();
    void quotedFieldsInFiles_data();
    void quotedFieldsInFiles();
    void fourOutputsAgree_data();
    void fourOutputsAgree();
    void officeMissingExitsWithThree();
    void withoutArgumentsTheWindowOpens();
    void runsAtOnceLeaveTheUsersOfficeAlone();
    void signalLeavesTheDocumentEditableAsUsual();

private:
    QString file(const QString &name, const QByteArray &bytes) { return writeFile(m_dir.filePath(name), bytes); }

    QTemporaryDir m_dir;
    std::unique_ptr<lo::LibreOfficeProvider> m_office;
    QStringList m_files;
};

void tst_CommandLineOffice::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("LibreOffice needs a display here: run the tests under xvfb-run");
    // The user's LibreOffice, already running: the command uses it and
    // leaves it running.
    m_office = std::make_unique<lo::LibreOfficeProvider>(findOfficeProgramFolder());
    m_office->start();
    m_files = {file(u"orders.txt"_s, "code,formula,number,truth\r\n007,=1+1,1e5,TRUE\r\n,lead,,trail,\r\n"
                                     " space,two  spaces ,',_x0041_\r\n\r\nlast"),
               file(u"wide.txt"_s, utf16(u"Grüße,日本,😀\r\nlast"_s, false)),
               file(u"empty.txt"_s, QByteArray())};
}

void tst_CommandLineOffice::cleanupTestCase()
{
    if (m_office)
        stopOffice(m_office->session());
}

void tst_CommandLineOffice::documentIsTheWindowsDocument_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("sheetPerFile");
    QTest::newRow("ods, one sheet") << u"ods"_s << false;
    QTest::newRow("xlsx, one sheet") << u"xlsx"_s << false;
    QTest::newRow("ods, a sheet each") << u"ods"_s << true;
    QTest::newRow("xlsx, a sheet each") << u"xlsx"_s << true;
    QTest::newRow("fods, a sheet each") << u"fods"_s << true;
}

void tst_CommandLineOffice::documentIsTheWindowsDocument()
{
    QFETCH(QString, format);
    QFETCH(bool, sheetPerFile);
    FakeWindow window{};
    window.sheets.oneSheet = !sheetPerFile;
    window.read.cut = Cutting::at(u","_s);
    window.files = m_files;
    MemorySpreadsheet memory;
    window.run(memory);

    const QString output = m_dir.filePath(u"out-%1.%2"_s.arg(int(sheetPerFile)).arg(format));
    QStringList arguments{u"--split=comma"_s, u"-o"_s, output};
    if (sheetPerFile)
        arguments.append(u"--sheet-per-file"_s);
    const Finished finished = runProgram(arguments + m_files);
    QCOMPARE(finished.err, QString());
    QCOMPARE(finished.status, 0);
    QVERIFY(m_office->session().connected()); // still running, as it was

    // Calc opens it (no repair prompt stops a hidden load) and shows the
    // window's cells, every one of them text.
    const auto document = openCalcFile(m_office->session(), output);
    QCOMPARE(calcSheetNames(document), memory.sheetNames());
    for (const QString &name : memory.sheetNames())
        QCOMPARE(calcRows(document, name), MemorySpreadsheet::rowsOf(*memory.sheet(name)));
    const QString first = memory.sheetNames().last(); // the first file's sheet, or the only one
    const QStringList texts{u"007"_s, u"=1+1"_s, u"1e5"_s, u"TRUE"_s};
    for (int column = 0; column < texts.size(); ++column) {
        const CalcCell cell = calcCell(document, first, column, 1);
        QCOMPARE(cell.type, CellContentType_TEXT);
        QCOMPARE(cell.text, texts.at(column));
    }
    closeCalcFile(document);
}

void tst_CommandLineOffice::folderWithExtension()
{
    file(u"logs/one.log"_s, "1");
    file(u"logs/skip.txt"_s, "x");
    file(u"logs/deeper/two.LOG"_s, "2");
    const QString output = m_dir.filePath(u"logs.fods"_s);
    const Finished finished = runProgram({u"-q"_s, u"--extension=log"_s, u"--output"_s, output, m_dir.filePath(u"logs"_s)});
    QCOMPARE(finished.status, 0);
    const auto document = openCalcFile(m_office->session(), output);
    QCOMPARE(calcRows(document, u"Sheet1"_s), (QList<QStringList>{{u"1"_s}, {u"2"_s}}));
    closeCalcFile(document);
}

void tst_CommandLineOffice::xlsxKeepsWhatXmlCannotCarry()
{
    const QString output = m_dir.filePath(u"controls.xlsx"_s);
    const Finished finished =
        runProgram({u"-o"_s, output, file(u"controls.txt"_s, QByteArray("a\x01" "b\0c\xEF\xBF\xBE" "d", 9))});
    QCOMPARE(finished.err, QString());
    QCOMPARE(finished.status, 0);
    const auto document = openCalcFile(m_office->session(), output);
    QCOMPARE(calcRows(document, u"Sheet1"_s), QList<QStringList>{{u"a\u0001b\u0000c\uFFFEd"_s}});
    closeCalcFile(document);
}

void tst_CommandLineOffice::quotedFieldsInFiles_data()
{
    addSuffixRows();
}

void tst_CommandLineOffice::quotedFieldsInFiles()
{
    QFETCH(QString, suffix);
    const QString input = file(u"quoted.csv"_s, "\"Smith, John\",\"say \"\"hi\"\"\",\"two\r\nlines\"\r\n5\" disk,\"\"\r\n");
    const QString output = m_dir.filePath(u"quoted."_s + suffix);
    const Finished finished = runProgram({u"-f"_s, u"--quotes"_s, u"--split=comma"_s, u"-o"_s, output, input});
    QCOMPARE(finished.err, QString());
    QCOMPARE(finished.status, 0);
    const auto document = openCalcFile(m_office->session(), output);
    QCOMPARE(calcRows(document, u"Sheet1"_s),
             (QList<QStringList>{{u"Smith, John"_s, u"say \"hi\""_s, u"two\nlines"_s}, {u"5\" disk"_s}}));
    closeCalcFile(document);
}

// The same files through Calc (the window's run and the command line's) and
// into .ods, .fods and .xlsx, each read back by LibreOffice: every cell the
// same kind, showing the same text with the same value, no error cell
// anywhere, no number column too narrow to show its numbers.
void tst_CommandLineOffice::fourOutputsAgree_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("sum"); // a formula over the first sheet, and what it gives
    const QStringList edges{
        file(u"ragged.csv"_s, "1,2,3\n4\n\n5,,6\nx,y\n"),
        file(u"edges.csv"_s, "2.50,2024-02-29,0.125,-0.5\n"
                             "007,1900-03-01,1e5,-0\n"
                             "12345678901,1900-02-28,1234567.12345678,1.\n"
                             "123456789012345,1900-01-01,9999-12-31, 42\n"
                             "1234567890123456,2023-02-29,-12.30,0\n"
                             "a\xEF\xB7\x90" "b\xEF\xB7\x93_x0041_,\x01" "c,d\xEF\xBF\xBE,\n")};
    const QStringList typed{u"--numbers=point"_s, u"--dates"_s};
    QTest::newRow("as text") << edges << QStringList() << u"=COUNTA(A1:D20)=31"_s;
    QTest::newRow("numbers and dates") << edges << typed << u"=SUM(A1:C20)=1279987.94845678"_s;
    QTest::newRow("header drift") << QStringList{file(u"jan.csv"_s, "id,amount\n1,2.50\n2,\n"),
                                                 file(u"feb.csv"_s, "id,amount,extra\n3,4.25,x\n")}
                                  << (typed + QStringList{u"--header"_s, u"--report-sheet"_s}) << u"=SUM(B2:C4)=6.75"_s;
    // Dates in the order each file writes them, shown as it wrote them; a
    // column of postcodes, one with a leading zero, stays text as a whole.
    QTest::newRow("dates in each file's order")
        << QStringList{file(u"dmy.csv"_s, "31/12/2024,01067,1.5\n1.2.2024,80331,2\n"),
                       file(u"mdy.csv"_s, "12-31-2024,x\n2/1/2024,y\n"), file(u"either.csv"_s, "01/02/2024\n03/04/2024\n")}
        << typed << u"=SUM(A1:C6)=181963.5"_s;
    // Each kind chosen, and a column left out.
    QTest::newRow("column kinds chosen")
        << QStringList{file(u"chosen.csv"_s, "when,zip,amount,junk,id\n01/02/2024,01067,1.5,x,7\n03/04/2024,80331,2,y,8\n")}
        << (typed + QStringList{u"--header"_s, u"--column=when=date-dmy"_s, u"--column=zip=number"_s,
                                u"--column=junk=skip"_s, u"--column=5=text"_s, u"--column=amount=date-ymd"_s})
        << u"=SUM(A2:D3)=171039"_s;
    QTest::newRow("decimal commas") << QStringList{file(u"bank.csv"_s, "Müller, Hans;12,50;2024-02-01\n;-0,5;\n")}
                                    << QStringList{u"--numbers"_s, u"--dates"_s, u"--split=semicolon"_s}
                                    << u"=SUM(B1:B2)=12"_s;
}

void tst_CommandLineOffice::fourOutputsAgree()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, options);
    QFETCH(QString, sum);
    if (!options.contains(u"--split=semicolon"_s))
        options.append(u"--split=comma"_s);
    // The window's run, into Calc.
    FakeWindow window{};
    window.files = files;
    window.read.cut = Cutting::at(options.contains(u"--split=semicolon"_s) ? u";"_s : u","_s);
    window.read.header = options.contains(u"--header"_s);
    window.read.dates = options.contains(u"--dates"_s);
    window.sheets.reportSheet = options.contains(u"--report-sheet"_s);
    for (const QString &option : options) {
        if (option.startsWith(u"--column="_s))
            window.sheets.columnChoices.append(*columnChoiceOf(QStringView(option).sliced(9)));
    }
    if (options.contains(u"--numbers"_s))
        window.read.numbers = DecimalSign::Automatic;
    else if (options.contains(u"--numbers=point"_s))
        window.read.numbers = DecimalSign::Point;
    window.run(*m_office);
    QCOMPARE(window.errorTexts, QStringList());
    QList<css::uno::Reference<css::sheet::XSpreadsheetDocument>> documents{m_office->lastDocument()};
    QStringList outputs{u"the window into Calc"_s};

    // The command line's run into Calc: the document it opened is the new one.
    const auto before = calcDocuments(m_office->session());
    Finished finished = runProgram(QStringList{u"-q"_s} + options + files);
    QVERIFY2(finished.status <= 1, qPrintable(finished.err));
    for (const auto &document : calcDocuments(m_office->session())) {
        if (!before.contains(document))
            documents.append(document);
    }
    QCOMPARE(documents.size(), 2);
    outputs.append(u"the command line into Calc"_s);
    for (const QString &suffix : {u"ods"_s, u"fods"_s, u"xlsx"_s}) {
        const QString output = m_dir.filePath(u"agree-%1.%2"_s.arg(QString::fromLatin1(QTest::currentDataTag()), suffix));
        finished = runProgram(QStringList{u"-q"_s, u"-f"_s, u"-o"_s, output} + options + files);
        QVERIFY2(finished.status <= 1, qPrintable(finished.err));
        documents.append(openCalcFile(m_office->session(), output));
        outputs.append(suffix);
    }

    const auto [formula, expected] = std::pair(sum.section(u'=', 0, 1), sum.section(u'=', 2));
    // The files' rows, and the sheet listing the files where asked for.
    const QStringList sheets = window.sheets.reportSheet ? QStringList{u"Sheet1"_s, u"Files"_s} : QStringList{u"Sheet1"_s};
    QList<QList<QStringList>> first;
    for (qsizetype i = 0; i < documents.size(); ++i) {
        const auto &document = documents.at(i);
        for (qsizetype s = 0; s < sheets.size(); ++s) {
            const QList<QStringList> cells = calcCellStates(document, sheets[s]);
            for (const QStringList &row : cells) {
                for (const QString &cell : row)
                    QVERIFY2(!cell.startsWith(u"error:"_s), qPrintable(outputs.at(i) + u": "_s + cell));
            }
            if (first.size() <= s)
                first.append(cells);
            // An .ods or .fods file cannot hold control characters, U+FFFE nor
            // U+FFFF: they are left out, with a report.
            QList<QStringList> meant = first.at(s);
            if (outputs.at(i).contains(u"ods"_s)) {
                for (QStringList &row : meant) {
                    for (QString &cell : row)
                        cell.remove(QRegularExpression(u"[\\x01\\x{FFFE}]"_s));
                }
            }
            QVERIFY2(cells == meant, qPrintable(outputs.at(i) + u" "_s + sheets[s]));
        }
        const QStringList narrow = calcNarrowNumberColumns(document, u"Sheet1"_s);
        QVERIFY2(narrow.isEmpty(), qPrintable(outputs.at(i) + u": "_s + narrow.join(u", "_s)));
        QCOMPARE(calcFormulaValue(document, u"Sheet1"_s, formula), expected.toDouble());
        closeCalcFile(document);
    }
}

void tst_CommandLineOffice::officeMissingExitsWithThree()
{
    // Only a run into Calc needs LibreOffice; --output does not (see
    // tst_commandlineprocess).
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"UNO_PATH"_s, m_dir.path());
    const Finished finished = runProgram({m_files.first()}, environment);
    QCOMPARE(finished.status, 3);
    QCOMPARE(finished.err, u"quillora: LibreOffice is not available: LibreOffice was not found.\n"_s);
}

void tst_CommandLineOffice::withoutArgumentsTheWindowOpens()
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUILLORA_PROGRAM), QStringList());
    QVERIFY(program.waitForStarted());
    // A command-line run would be over by now; the window waits for its user.
    QVERIFY(!program.waitForFinished(3000));
    program.kill();
    program.waitForFinished();
}

void tst_CommandLineOffice::runsAtOnceLeaveTheUsersOfficeAlone()
{
    // The user's own work, unsaved, in the LibreOffice every run shares.
    const auto own = m_office->newDocument();
    own->sheetAt(0)->setCellText(0, 0, u"unsaved work"_s);
    const css::uno::Reference<css::util::XModifiable> modified(m_office->lastDocument(), css::uno::UNO_QUERY_THROW);
    QVERIFY(modified->isModified());

    // Two runs into Calc and two into files, all at once.
    std::vector<std::unique_ptr<QProcess>> programs;
    const QList<QStringList> runs{{m_files.first()},
                                  {u"--sheet-per-file"_s, m_files.first(), m_files.at(1)},
                                  {u"-o"_s, m_dir.filePath(u"together.ods"_s), m_files.first()},
                                  {u"-o"_s, m_dir.filePath(u"together.xlsx"_s), m_files.at(1)}};
    for (const QStringList &arguments : runs) {
        programs.push_back(std::make_unique<QProcess>());
        programs.back()->start(QStringLiteral(QUILLORA_PROGRAM), arguments);
    }
    for (const auto &program : programs) {
        QVERIFY(program->waitForFinished(180000));
        QCOMPARE(program->readAllStandardError(), QByteArray());
        QCOMPARE(program->exitCode(), 0);
    }
    QVERIFY(m_office->session().connected());
    QVERIFY(modified->isModified());
    QCOMPARE(calcRows(m_office->lastDocument(), u"Sheet1"_s), QList<QStringList>{{u"unsaved work"_s}});
}

// Ended by a signal while it writes, the run leaves its document as the
// user expects it: edits can be undone, rows fit their text.
void tst_CommandLineOffice::signalLeavesTheDocumentEditableAsUsual()
{
    const QString big = file(u"big.csv"_s, QByteArray("a,b,c,d\n").repeated(400000));
    const auto before = calcDocuments(m_office->session());
    QProcess program;
    program.start(QStringLiteral(QUILLORA_PROGRAM), {u"--split=comma"_s, big});
    // Its document open in the office (beside the user's), it is writing
    // the rows.
    css::uno::Reference<css::sheet::XSpreadsheetDocument> document;
    const auto found = [&] {
        for (const auto &open : calcDocuments(m_office->session())) {
            if (!before.contains(open))
                document = open;
        }
        return document.is();
    };
    QTRY_VERIFY_WITH_TIMEOUT(found(), 60000);
    QTRY_COMPARE_WITH_TIMEOUT(calcCell(document, u"Sheet1"_s, 0, 0).text, u"a"_s, 60000);
    ::kill(pid_t(program.processId()), SIGTERM);
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 128 + SIGTERM);
    QVERIFY(calcEditsAsUsual(document));
    css::uno::Reference<css::util::XCloseable>(document, css::uno::UNO_QUERY_THROW)->close(true);
}

QTEST_GUILESS_MAIN(tst_CommandLineOffice)
#include "tst_commandlineoffice.moc"
