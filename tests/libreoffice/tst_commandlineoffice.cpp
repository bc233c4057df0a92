// SPDX-License-Identifier: GPL-3.0-or-later
// The real program from the command line, against a real LibreOffice: the
// files --output writes open in Calc as the window's document, and the
// user's own LibreOffice is never ended or disturbed.
#include "calcreader.h"
#include "documentreader.h"
#include "core/import/spreadsheetmodule.h"
#include "fakewindow.h"
#include "libreoffice/libreofficeprovider.h"
#include "memoryspreadsheet.h"
#include "testfiles.h"

#include <com/sun/star/util/XModifiable.hpp>

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

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
    void numbersAndDatesRoundTrip_data();
    void numbersAndDatesRoundTrip();
    void officeMissingExitsWithThree();
    void withoutArgumentsTheWindowOpens();
    void runsAtOnceLeaveTheUsersOfficeAlone();

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
    FakeWindow window;
    window.oneSheet = !sheetPerFile;
    window.split = u","_s;
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

// Numbers and dates stored where nothing changes: Calc shows every cell as
// its source text was, sums the amounts to their exact decimal sum, and
// stores numbers as numbers; without the options every cell is text.
void tst_CommandLineOffice::numbersAndDatesRoundTrip_data()
{
    addSuffixRows();
}

void tst_CommandLineOffice::numbersAndDatesRoundTrip()
{
    QFETCH(QString, suffix);
    QStringList lines;
    qint64 cents = 0;
    for (int i = 0; i < 200; ++i) {
        const qint64 amount = qint64(i) * 7919 % 1000003 - 500000;
        cents += amount;
        const QString shown = u"%1%2.%3"_s.arg(amount < 0 ? u"-"_s : QString()).arg(std::abs(amount) / 100).arg(
            std::abs(amount) % 100, 2, 10, QChar(u'0'));
        lines.append(u"%1,%2,2024-%3-%4,007,1e5,%5"_s.arg(i).arg(shown).arg(i % 12 + 1, 2, 10, QChar(u'0'))
                         .arg(i % 28 + 1, 2, 10, QChar(u'0')).arg(i % 2 ? u"0.5"_s : u"12345678901234567"_s));
    }
    const QString input = file(u"amounts.csv"_s, (lines.join(u'\n') + u'\n').toUtf8());
    for (const bool typed : {true, false}) {
        const QString output = m_dir.filePath(u"amounts-%1.%2"_s.arg(int(typed)).arg(suffix));
        QStringList arguments{u"-f"_s, u"--split=comma"_s, u"-o"_s, output, input};
        if (typed)
            arguments << u"--numbers=point"_s << u"--dates"_s;
        const Finished finished = runProgram(arguments);
        QCOMPARE(finished.err, QString());
        QCOMPARE(finished.status, 0);
        const auto document = openCalcFile(m_office->session(), output);
        QList<QStringList> expected;
        for (const QString &line : std::as_const(lines))
            expected.append(line.split(u','));
        QCOMPARE(calcRows(document, u"Sheet1"_s).mid(0, lines.size()), expected);
        const auto type = [&](int column) { return calcCell(document, u"Sheet1"_s, column, 3).type; };
        const auto number = typed ? CellContentType_VALUE : CellContentType_TEXT;
        QCOMPARE(type(1), number);
        QCOMPARE(type(2), number);
        QCOMPARE(type(3), CellContentType_TEXT);
        QCOMPARE(type(5), number);
        if (typed)
            QCOMPARE(qRound64(calcFormulaValue(document, u"Sheet1"_s, u"=SUM(B1:B200)*100"_s)), cents);
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

QTEST_GUILESS_MAIN(tst_CommandLineOffice)
#include "tst_commandlineoffice.moc"
