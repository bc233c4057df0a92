// The real program from the command line, against a real LibreOffice.
#include "calcreader.h"
#include "core/import/spreadsheetmodule.h"
#include "fakewindow.h"
#include "libreoffice/libreofficeprovider.h"
#include "memoryspreadsheet.h"
#include "testfiles.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace quillora;
using namespace quillora::test;
using css::table::CellContentType_TEXT;

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
    void officeMissingExitsWithThree();
    void withoutArgumentsTheWindowOpens();
    void officeStartedForTheRunIsEnded();

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
    m_files = {file(u"orders.txt"_s, "code,formula,number,truth\r\n007,=1+1,1e5,TRUE\r\n,lead,,trail,\r\n"),
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

void tst_CommandLineOffice::officeMissingExitsWithThree()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"UNO_PATH"_s, m_dir.path());
    const QString output = m_dir.filePath(u"never.ods"_s);
    const Finished finished = runProgram({u"-o"_s, output, m_files.first()}, environment);
    QCOMPARE(finished.status, 3);
    QCOMPARE(finished.err, u"quillora: LibreOffice is not available: LibreOffice was not found.\n"_s);
    QVERIFY(!QFileInfo::exists(output));
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

void tst_CommandLineOffice::officeStartedForTheRunIsEnded()
{
    stopOffice(m_office->session());
    QVERIFY(!officeRuns(m_office->session()));
    const QString output = m_dir.filePath(u"alone.ods"_s);
    // No display either: the office the command starts has no window.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"DISPLAY"_s);
    const Finished finished = runProgram({u"-o"_s, output, m_files.first()}, environment);
    QCOMPARE(finished.err, QString());
    QCOMPARE(finished.status, 0);
    QVERIFY(QFileInfo(output).size() > 0);
    QVERIFY(!officeRuns(m_office->session()));
}

QTEST_GUILESS_MAIN(tst_CommandLineOffice)
#include "tst_commandlineoffice.moc"
