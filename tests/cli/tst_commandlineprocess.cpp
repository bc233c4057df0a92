// SPDX-License-Identifier: GPL-3.0-or-later
// The program itself from the command line, as a process, with no
// LibreOffice anywhere: --output needs none; a signal at any moment leaves
// nothing behind; the rename where the file system lacks RENAME_NOREPLACE.
#include "cli/helplayout.h"
#include "documentreader.h"
#include "testfiles.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringEncoder>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;
using namespace quillora::test;

class tst_CommandLineProcess : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void outputWithoutLibreOffice_data();
    void outputWithoutLibreOffice();
    void dryRunPrintsThePlan();
    void driftingYearIsPlannedAndStacked();
    void signalLeavesNothing_data();
    void signalLeavesNothing();
    void renameWithoutTheFlag_data();
    void renameWithoutTheFlag();
    void replacedFileKeepsOwnerAndGroup();
    void forcedOutputThatIsNoPlainFile_data();
    void forcedOutputThatIsNoPlainFile();
    void withoutADisplay_data();
    void withoutADisplay();
    void helpToAFullDisk();
    void helpInTheUsersLanguage_data();
    void helpInTheUsersLanguage();
    void helpFitsATerminalInEveryLanguage_data();
    void helpFitsATerminalInEveryLanguage();
    void temporaryFolderThatIsNotThere();
    void xlsxSheetsBeyondTheSoftFileLimit();
    void standardInputAndPipes_data();
    void standardInputAndPipes();
    void signalEndsAnyRead_data();
    void signalEndsAnyRead();
    void namesThatAreNotUtf8();

private:
    // A program environment without LibreOffice: nothing on the path, the
    // bridge pointed at an empty folder, a temporary folder of its own.
    QProcessEnvironment environment() const;
    QStringList leftIn(const QString &folder) const
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    std::optional<QTemporaryDir> m_dir;
    QString m_input;
    QString m_bigInput;
    QTemporaryDir m_caseDir; // what every test of the case reads
};

namespace {
constexpr int BigLines = 50000;

// The bytes a running program has written so far (its /proc/PID/io), -1
// once it is gone: how far a run has come, whatever the clock says.
qint64 writtenBy(qint64 pid)
{
    QFile io(u"/proc/%1/io"_s.arg(pid));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : io.readAll().split('\n')) {
        if (line.startsWith("wchar: "))
            return line.mid(7).toLongLong();
    }
    return -1;
}

// Waits until the program has written at least bytes or has ended; the
// most it was seen to write.
qint64 waitForWritten(QProcess &program, qint64 bytes)
{
    qint64 seen = 0;
    while (program.state() == QProcess::Running) {
        const qint64 written = writtenBy(program.processId());
        seen = std::max(seen, written);
        if (written < 0 || written >= bytes)
            break;
        QTest::qWait(1);
    }
    return seen;
}
} // namespace

void tst_CommandLineProcess::initTestCase()
{
    // Big enough that reading, writing and storing each take a while.
    QByteArray lines;
    for (int i = 0; i < BigLines; ++i)
        lines += QByteArray::number(i) + ",alpha,beta,gamma,delta,epsilon,zeta,eta\n";
    m_bigInput = writeFile(m_caseDir.filePath(u"big.txt"_s), lines);
}

void tst_CommandLineProcess::init()
{
    m_dir.emplace();
    QDir(m_dir->path()).mkpath(u"empty"_s);
    QDir(m_dir->path()).mkpath(u"tmp"_s);
    QDir(m_dir->path()).mkpath(u"out"_s);
    m_input = writeFile(m_dir->filePath(u"in/a.txt"_s), "007,=1+1,1e5,TRUE\n");
}

QProcessEnvironment tst_CommandLineProcess::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"UNO_PATH"_s, m_dir->filePath(u"empty"_s));
    environment.insert(u"PATH"_s, m_dir->filePath(u"empty"_s));
    environment.insert(u"TMPDIR"_s, m_dir->filePath(u"tmp"_s));
    environment.remove(u"DISPLAY"_s);
    // The program's own English, whatever the machine speaks.
    environment.remove(u"LANGUAGE"_s);
    environment.insert(u"LC_ALL"_s, u"C.UTF-8"_s);
    return environment;
}

void tst_CommandLineProcess::outputWithoutLibreOffice_data()
{
    addSuffixRows();
}

void tst_CommandLineProcess::outputWithoutLibreOffice()
{
    QFETCH(QString, suffix);
    const QString output = m_dir->filePath(u"out/table."_s + suffix);
    QProcess program;
    program.setProcessEnvironment(environment());
    program.start(QStringLiteral(QUILLORA_PROGRAM), {u"--split=comma"_s, u"-o"_s, output, m_input});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.readAllStandardError(), QByteArray());
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(readDocument(output).rows.value(u"Sheet1"_s),
             (QList<QStringList>{{u"007"_s, u"=1+1"_s, u"1e5"_s, u"TRUE"_s}}));
    // Stacked exports: a title line skipped, the header once with columns
    // matched by name, each row's file; the reordered header is told.
    const QString stacked = m_dir->filePath(u"out/stacked."_s + suffix);
    program.start(QStringLiteral(QUILLORA_PROGRAM),
                  {u"--split=comma"_s, u"--skip-lines"_s, u"1"_s, u"--header"_s, u"--file-column"_s, u"-o"_s, stacked,
                   writeFile(m_dir->filePath(u"north/jan.csv"_s), "Bank export\nid,name\n1,x\n"),
                   writeFile(m_dir->filePath(u"south/jan.csv"_s), "Bank export\nname,id\ny,2\n")});
    QVERIFY(program.waitForFinished(60000));
    QVERIFY(program.readAllStandardError().contains("columns in another order: only in south/jan.csv"));
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(readDocument(stacked).rows.value(u"Sheet1"_s),
             (QList<QStringList>{{u"File"_s, u"id"_s, u"name"_s},
                                 {u"north/jan.csv"_s, u"1"_s, u"x"_s},
                                 {u"south/jan.csv"_s, u"2"_s, u"y"_s}}));
    // Sheets as listed: in the order given, named as their files are (cut
    // to 31 characters in .xlsx).
    const QString listed = m_dir->filePath(u"out/listed."_s + suffix);
    program.start(QStringLiteral(QUILLORA_PROGRAM),
                  {u"--sheets-as-listed"_s, u"-o"_s, listed, writeFile(m_dir->filePath(u"b/2024-02.csv"_s), "2"),
                   writeFile(m_dir->filePath(u"a/2024-01 quarterly export [north].csv"_s), "1")});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 0);
    const QString longSheet = u"2024-01 quarterly export _north_.csv"_s;
    QCOMPARE(readDocument(listed).sheetNames,
             (QStringList{u"2024-02.csv"_s, suffix == u"xlsx" ? longSheet.left(31) : longSheet}));
    QCOMPARE(leftIn(m_dir->filePath(u"tmp"_s)), QStringList());
}

void tst_CommandLineProcess::dryRunPrintsThePlan()
{
    // A folder of mixed files: each file's line, the sheet, and nothing
    // written (not even the output named), nothing started.
    const QString folder = m_dir->filePath(u"mixed"_s);
    writeFile(folder + u"/a.csv"_s, "id,name\n1,x\n2,y\n");
    writeFile(folder + u"/b.csv"_s, QByteArray(QStringEncoder("Shift_JIS").encode(u"名前;都市\n山田;東京\n"_s)));
    writeFile(folder + u"/c.txt"_s, QByteArray("\xFF\xFE" "o\0k\0", 6));
    const QString output = m_dir->filePath(u"out/plan.ods"_s);
    QProcess program;
    program.setProcessEnvironment(environment());
    program.start(QStringLiteral(QUILLORA_PROGRAM), {u"--dry-run"_s, u"--split=comma"_s, u"--header"_s, u"-o"_s, output, folder});
    QVERIFY(program.waitForFinished(60000));
    // The notes the import would give (three header changes, a file cut
    // nowhere), and no report.
    const QStringList notes = QString::fromUtf8(program.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(notes.size(), 4);
    QCOMPARE(notes.last(), u"quillora: b.csv: every row is one cell, where the other files have 2; it looks separated by "
                           u"semicolons."_s);
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()).split(u'\n'),
             (QStringList{u"a.csv: UTF-8 (found), 3 rows, widest 2 cells"_s,
                          u"b.csv: Shift_JIS (found), 2 rows, widest 1 cell, looks separated by semicolons"_s,
                          u"c.txt: UTF-16LE (found), 1 row, widest 1 cell"_s, u"columns: id, name, 名前;都市, ok"_s,
                          u"  \"id\", \"name\": only in a.csv"_s, u"  \"名前;都市\": only in b.csv"_s,
                          u"  \"ok\": only in c.txt"_s, u"sheet Sheet1: 4 rows"_s, QString()}));
    QVERIFY(!QFile::exists(output));
    QCOMPARE(leftIn(m_dir->filePath(u"tmp"_s)), QStringList());

    // A stream is the import's alone: the plan does not wait for it, nor use it up.
    program.start(QStringLiteral(QUILLORA_PROGRAM), {u"--dry-run"_s, u"-"_s});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.readAllStandardOutput(), QByteArray("stdin: a stream, read by the import alone: not in this plan\n"));
    QCOMPARE(program.exitCode(), 0);

    // The sheets it names, with their rows, are those of the document
    // written, and so is its report of each file: the same rows as the
    // document's report sheet.
    for (const QString &ending : {u"jsonl"_s, u"csv"_s}) {
        const QStringList mode = ending == u"csv" ? QStringList{u"--sheet-per-file"_s} : QStringList();
        const QStringList arguments = mode + QStringList{u"--split=comma"_s, u"--header"_s, u"--report-sheet"_s,
                                                         u"-f"_s, u"-o"_s, output, folder};
        const QString planReport = m_dir->filePath(u"plan."_s + ending);
        const QString runReport = m_dir->filePath(u"run."_s + ending);
        program.start(QStringLiteral(QUILLORA_PROGRAM),
                      QStringList{u"--dry-run"_s, u"--report="_s + planReport} + arguments);
        QVERIFY(program.waitForFinished(60000));
        QStringList planned;
        for (const QString &line : QString::fromUtf8(program.readAllStandardOutput()).split(u'\n')) {
            if (line.startsWith(u"sheet "_s))
                planned.append(line);
        }
        program.start(QStringLiteral(QUILLORA_PROGRAM), QStringList{u"--report="_s + runReport} + arguments);
        QVERIFY(program.waitForFinished(60000));
        const ReadDocument document = readDocument(output);
        QStringList written;
        for (const QString &name : document.sheetNames) {
            const qsizetype rows = document.rows.value(name).size();
            written.append(u"sheet %1: %2 %3"_s.arg(name).arg(rows).arg(rows == 1 ? u"row" : u"rows"));
        }
        QCOMPARE(planned, written);
        QCOMPARE(document.sheetNames.last(), u"Files"_s);
        const QByteArray report = readFile(runReport);
        QCOMPARE(readFile(planReport), report);
        if (ending == u"csv") {
            QVERIFY(report.startsWith("file,sheet,first_row,last_row,encoding,encoding_taken,separator,"));
            continue;
        }
        QList<QStringList> fromReport;
        for (const QByteArray &line : report.split('\n')) {
            if (line.isEmpty())
                continue;
            const QJsonObject object = QJsonDocument::fromJson(line).object();
            QStringList row;
            for (const QString &key : {u"file"_s, u"sheet"_s, u"first_row"_s, u"last_row"_s, u"encoding"_s,
                                       u"encoding_taken"_s, u"separator"_s, u"quoting"_s, u"decimal_sign"_s,
                                       u"lines_skipped"_s, u"rows"_s, u"columns"_s, u"header_changes"_s, u"notes"_s,
                                       u"column_kinds"_s})
                row.append(object.value(key).toVariant().toString());
            while (!row.isEmpty() && row.last().isEmpty())
                row.removeLast();
            fromReport.append(row);
        }
        QCOMPARE(fromReport, document.rows.value(u"Files"_s).mid(1));
        // Counts are numbers a script adds up as they are.
        QVERIFY(QJsonDocument::fromJson(report.split('\n').first()).object().value(u"rows"_s).isDouble());
        QCOMPARE(fromReport.size(), 3);
    }
}

void tst_CommandLineProcess::driftingYearIsPlannedAndStacked()
{
    // A year of exports: a column added in April, one renamed in July, one
    // month from a European program with semicolons and decimal commas.
    const QString folder = m_dir->filePath(u"year"_s);
    for (int month = 1; month <= 12; ++month) {
        QStringList columns{u"date"_s, month < 7 ? u"customer"_s : u"client"_s, u"amount"_s};
        if (month >= 4)
            columns.insert(2, u"region"_s);
        const QString separator = month == 10 ? u";"_s : u","_s;
        const QString amount = month == 10 ? u"10,50"_s : u"10.50"_s;
        QStringList row{u"2024-%1-01"_s.arg(month, 2, 10, QChar(u'0')), u"c%1"_s.arg(month)};
        if (month >= 4)
            row.append(u"north"_s);
        row.append(amount);
        writeFile(folder + u"/2024-%1.csv"_s.arg(month, 2, 10, QChar(u'0')),
                  (columns.join(separator) + u'\n' + row.join(separator) + u'\n').toUtf8());
    }
    const QStringList arguments{u"--split=auto"_s, u"--header"_s, u"--rename=client=customer"_s, folder};
    QProcess program;
    program.setProcessEnvironment(environment());
    program.start(QStringLiteral(QUILLORA_PROGRAM), QStringList{u"--dry-run"_s} + arguments);
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 0);
    const QStringList plan = QString::fromUtf8(program.readAllStandardOutput()).split(u'\n');
    QVERIFY2(plan.contains(u"2024-10.csv: UTF-8 (found), 2 rows, widest 4 cells, separated by semicolons"_s),
             qPrintable(plan.join(u'\n')));
    const qsizetype columns = plan.indexOf(u"columns: date, customer, amount, region"_s);
    QVERIFY2(columns >= 0, qPrintable(plan.join(u'\n')));
    QCOMPARE(plan.mid(columns + 1, 2), (QStringList{u"  \"region\": from 2024-04.csv on, 9 files"_s,
                                                    u"sheet Sheet1: 13 rows"_s}));

    // Written, every month's cells stand under their names.
    const QString output = m_dir->filePath(u"year.xlsx"_s);
    program.start(QStringLiteral(QUILLORA_PROGRAM), QStringList{u"-o"_s, output} + arguments);
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 0);
    const QList<QStringList> rows = readDocument(output).rows.value(u"Sheet1"_s);
    QCOMPARE(rows.size(), 13);
    QCOMPARE(rows.at(0), (QStringList{u"date"_s, u"customer"_s, u"amount"_s, u"region"_s}));
    QCOMPARE(rows.at(1), (QStringList{u"2024-01-01"_s, u"c1"_s, u"10.50"_s}));
    QCOMPARE(rows.at(10), (QStringList{u"2024-10-01"_s, u"c10"_s, u"10,50"_s, u"north"_s}));
}

void tst_CommandLineProcess::signalLeavesNothing_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<bool>("twice");
    QTest::newRow("INT, ods") << SIGINT << u"ods"_s << false;
    QTest::newRow("TERM, xlsx") << SIGTERM << u"xlsx"_s << false;
    QTest::newRow("HUP, fods") << SIGHUP << u"fods"_s << false;
    QTest::newRow("INT twice, xlsx") << SIGINT << u"xlsx"_s << true;
    QTest::newRow("TERM twice, ods") << SIGTERM << u"ods"_s << true;
    // Nothing can be done about KILL: the file being stored has no name.
    QTest::newRow("KILL, xlsx") << SIGKILL << u"xlsx"_s << false;
    QTest::newRow("KILL, fods") << SIGKILL << u"fods"_s << false;
}

void tst_CommandLineProcess::signalLeavesNothing()
{
    QFETCH(int, signal);
    QFETCH(QString, suffix);
    QFETCH(bool, twice);
    const QString name = signal == SIGINT ? u"SIGINT"_s : signal == SIGTERM ? u"SIGTERM"_s : u"SIGHUP"_s;
    const QString output = m_dir->filePath(u"out/big."_s + suffix);
    const QStringList arguments{u"-q"_s, u"--split=comma"_s, u"-o"_s, output, m_bigInput};
    // A whole run first, to know how much it writes: the signal comes when
    // a share of that is written (reading, writing rows, storing).
    QProcess whole;
    whole.setProcessEnvironment(environment());
    whole.start(QStringLiteral(QUILLORA_PROGRAM), arguments + QStringList{u"-f"_s});
    QVERIFY(whole.waitForStarted());
    const qint64 total = waitForWritten(whole, std::numeric_limits<qint64>::max());
    QVERIFY(whole.state() == QProcess::NotRunning || whole.waitForFinished(120000));
    QCOMPARE(whole.exitCode(), 0);
    QFile::remove(output);
    for (const qint64 written : {qint64(0), total / 4, total / 2, total * 3 / 4, total * 9 / 10}) {
        QProcess program;
        program.setProcessEnvironment(environment());
        program.start(QStringLiteral(QUILLORA_PROGRAM), arguments);
        QVERIFY(program.waitForStarted());
        waitForWritten(program, written);
        const qint64 pid = program.processId();
        if (pid > 0) {
            ::kill(pid_t(pid), signal);
            if (twice)
                ::kill(pid_t(pid), signal);
        }
        // It may have ended while the test waited.
        QVERIFY(program.state() == QProcess::NotRunning || program.waitForFinished(60000));
        const QByteArray err = program.readAllStandardError();
        if (program.exitStatus() == QProcess::CrashExit) {
            // Before the program could take signals: ended by it, as any program.
            QCOMPARE(program.exitCode(), signal);
        } else if (program.exitCode() == 0) {
            // Done before the signal came: the document is whole.
            QCOMPARE(err, QByteArray());
            QCOMPARE(readDocument(output).rows.value(u"Sheet1"_s).size(), BigLines);
            QFile::remove(output);
        } else {
            QCOMPARE(program.exitCode(), 128 + signal);
            QCOMPARE(QString::fromUtf8(err), u"quillora: interrupted by %1.\n"_s.arg(name));
        }
        QCOMPARE(leftIn(m_dir->filePath(u"out"_s)), QStringList());
        QCOMPARE(leftIn(m_dir->filePath(u"tmp"_s)), QStringList());
    }
}

void tst_CommandLineProcess::renameWithoutTheFlag_data()
{
    QTest::addColumn<bool>("hardLinks");
    QTest::newRow("hard links") << true;
    QTest::newRow("no hard links") << false;
}

void tst_CommandLineProcess::renameWithoutTheFlag()
{
    QFETCH(bool, hardLinks);
    QProcessEnvironment shimmed = environment();
    shimmed.insert(u"LD_PRELOAD"_s, QStringLiteral(QUILLORA_RENAME_SHIM));
    if (!hardLinks)
        shimmed.insert(u"QUILLORA_SHIM_NO_LINK"_s, u"1"_s);
    const QString output = m_dir->filePath(u"out/linked.ods"_s);
    QProcess program;
    program.setProcessEnvironment(shimmed);
    program.start(QStringLiteral(QUILLORA_PROGRAM), {u"-o"_s, output, m_input});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.readAllStandardError(), QByteArray());
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(leftIn(m_dir->filePath(u"out"_s)), QStringList{u"linked.ods"_s});
    QCOMPARE(readDocument(output).rows.value(u"Sheet1"_s), QList<QStringList>{{u"007,=1+1,1e5,TRUE"_s}});
}

void tst_CommandLineProcess::replacedFileKeepsOwnerAndGroup()
{
    if (::geteuid() != 0)
        QSKIP("only root may give a file to another user");
    const QString input = writeFile(m_dir->filePath(u"owned.txt"_s), "a\n");
    const QString output = writeFile(m_dir->filePath(u"out/owned.ods"_s), "old");
    QVERIFY(::chown(QFile::encodeName(output).constData(), 65534, 65534) == 0);
    QVERIFY(::chmod(QFile::encodeName(output).constData(), 0640) == 0);
    QProcess program;
    program.setProcessEnvironment(environment());
    program.start(QStringLiteral(QUILLORA_PROGRAM), {u"-q"_s, u"-f"_s, u"-o"_s, output, input});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 0);
    struct stat info{};
    QCOMPARE(::stat(QFile::encodeName(output).constData(), &info), 0);
    QCOMPARE(info.st_uid, uid_t(65534));
    QCOMPARE(info.st_gid, gid_t(65534));
    QCOMPARE(info.st_mode & 07777, mode_t(0640));
}

void tst_CommandLineProcess::forcedOutputThatIsNoPlainFile_data()
{
    // FILE as --force finds it: a link is written through to its file, as
    // cp does; what no document can replace is refused before the import.
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<QString>("says");
    QTest::newRow("a link") << u"printf x > target.ods; ln -s target.ods out.ods"_s << QString();
    QTest::newRow("a dangling link") << u"ln -s nowhere.ods out.ods"_s
                                     << u"it is a link to a file that is not there"_s;
    QTest::newRow("a folder") << u"mkdir out.ods"_s << u"it is a folder"_s;
    QTest::newRow("a FIFO") << u"mkfifo out.ods"_s << u"it is not a file"_s;
}

void tst_CommandLineProcess::forcedOutputThatIsNoPlainFile()
{
    QFETCH(QString, setUp);
    QFETCH(QString, says);
    const QString folder = m_dir->filePath(u"out"_s);
    QProcess prepare;
    prepare.setWorkingDirectory(folder);
    prepare.start(u"bash"_s, {u"-c"_s, setUp});
    QVERIFY(prepare.waitForFinished());
    const QStringList before = leftIn(folder);
    QProcess program;
    program.setProcessEnvironment(environment());
    program.setWorkingDirectory(folder);
    program.start(QStringLiteral(QUILLORA_PROGRAM), {u"-f"_s, u"-o"_s, u"out.ods"_s, m_input});
    QVERIFY(program.waitForFinished(20000));
    const QString err = QString::fromUtf8(program.readAllStandardError());
    QCOMPARE(leftIn(folder), before);
    if (says.isEmpty()) {
        QCOMPARE(err, QString());
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(QFileInfo(m_dir->filePath(u"out/out.ods"_s)).isSymLink());
        QCOMPARE(readDocument(m_dir->filePath(u"out/target.ods"_s)).rows.value(u"Sheet1"_s).size(), 1);
    } else {
        QCOMPARE(err, u"quillora: out.ods cannot be replaced: %1.\n"_s.arg(says));
        QCOMPARE(program.exitCode(), 1);
    }
}

void tst_CommandLineProcess::withoutADisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("says");
    QTest::newRow("the window") << QStringList() << QString() << u"no display to open the window on"_s;
    QTest::newRow("a run into Calc") << QStringList{u"a.txt"_s} << QString()
                                     << u"no display to show the document in Calc on"_s;
    // Named, but nobody answers there: the same, not Qt's abort.
    QTest::newRow("a display that is gone") << QStringList{u"--window"_s, u"a.txt"_s} << u":77"_s
                                            << u"no display to open the window on"_s;
    QTest::newRow("a display that is gone, Calc") << QStringList{u"a.txt"_s} << u":77"_s
                                                  << u"no display to show the document in Calc on"_s;
}

void tst_CommandLineProcess::withoutADisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, display);
    QFETCH(QString, says);
    QProcessEnvironment bare = environment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        bare.remove(QString::fromLatin1(name));
    if (!display.isEmpty())
        bare.insert(u"DISPLAY"_s, display);
    QProcess program;
    program.setProcessEnvironment(bare);
    program.setWorkingDirectory(m_dir->filePath(u"in"_s));
    program.start(QStringLiteral(QUILLORA_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 2);
    const QString err = QString::fromUtf8(program.readAllStandardError());
    QVERIFY2(err.startsWith(u"quillora: "_s) && err.contains(says) && err.count(u'\n') == 1, qPrintable(err));
    // What to do instead is in the line.
    QVERIFY(err.contains(u"--output FILE"_s));
}

void tst_CommandLineProcess::helpToAFullDisk()
{
    QProcess program;
    program.setStandardOutputFile(u"/dev/full"_s);
    program.start(QStringLiteral(QUILLORA_PROGRAM), {u"--help"_s});
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitCode(), 1);
}

void tst_CommandLineProcess::helpFitsATerminalInEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("file"); // FILE's placeholder, as the language names it
    for (const auto &[language, file] : {std::pair{"", "FILE"}, {"de", "DATEI"}, {"fr", "FICHIER"}, {"es", "ARCHIVO"},
                                         {"it", "FILE"}, {"pt_BR", "ARQUIVO"}, {"pl", "PLIK"}, {"ru", "ФАЙЛ"},
                                         {"ja", "FILE"}, {"zh_CN", "FILE"}, {"ko", "FILE"}})
        QTest::newRow(*language ? language : "C") << QString::fromUtf8(language) << QString::fromUtf8(file);
}

// Not a terminal: 80 columns, a wide character taking two.
void tst_CommandLineProcess::helpFitsATerminalInEveryLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, file);
    QProcessEnvironment speaking = environment();
    if (!language.isEmpty())
        speaking.insert(u"LANGUAGE"_s, language);
    QProcess program;
    program.setProcessEnvironment(speaking);
    program.start(QStringLiteral(QUILLORA_PROGRAM), {u"--help"_s});
    QVERIFY(program.waitForFinished(20000));
    const QString help = QString::fromUtf8(program.readAllStandardOutput());
    for (const QString &line : help.split(u'\n'))
        QVERIFY2(quillora::displayWidth(line) <= 80, qPrintable(line));
    QVERIFY2(help.contains(u"--output <%1>"_s.arg(file)), qPrintable(help.left(600)));
    // Every option and the rules after them are there.
    QVERIFY(help.contains(u"--continue-sheets"_s) && help.contains(u"128+N"_s));
}

void tst_CommandLineProcess::helpInTheUsersLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("usage");
    QTest::addColumn<QString>("rows"); // a dry run's count, as the language writes it
    QTest::newRow("LANGUAGE alone") << QString() << u"de"_s << u"Aufruf: quillora"_s << u"12.346 Zeilen"_s;
    QTest::newRow("LANGUAGE over LANG") << u"C.UTF-8"_s << u"ja"_s << u"使い方: quillora"_s << u"12,346 行"_s;
    QTest::newRow("French") << u"C.UTF-8"_s << u"fr"_s << u"Usage : quillora"_s << u"12\u202F346 lignes"_s;
    QTest::newRow("C") << u"C.UTF-8"_s << QString() << u"Usage: quillora"_s << u"12346 rows"_s;
}

// Help and the usage report in the user's language, Qt's own lines too;
// the exit statuses are the same in every language.
void tst_CommandLineProcess::helpInTheUsersLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QString, language);
    QFETCH(QString, usage);
    QFETCH(QString, rows);
    QProcessEnvironment speaking = environment();
    for (const QString &name : {u"LC_ALL"_s, u"LC_MESSAGES"_s, u"LANG"_s, u"LANGUAGE"_s})
        speaking.remove(name);
    if (!locale.isEmpty())
        speaking.insert(u"LANG"_s, locale);
    if (!language.isEmpty())
        speaking.insert(u"LANGUAGE"_s, language);
    QProcess program;
    program.setProcessEnvironment(speaking);
    program.start(QStringLiteral(QUILLORA_PROGRAM), {u"--help"_s});
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitCode(), 0);
    const QString help = QString::fromUtf8(program.readAllStandardOutput());
    QVERIFY2(help.startsWith(usage), qPrintable(help.left(200)));
    if (language == u"de") {
        QVERIFY(help.contains(u"Optionen:"_s));
        // The placeholders as the text under them names them.
        QVERIFY(help.contains(u"--output <DATEI>"_s) && help.contains(u"--rename <ALT=NEU>"_s));
    }
    program.start(QStringLiteral(QUILLORA_PROGRAM), {u"--split=nowhere"_s, u"x"_s});
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitCode(), 2);
    QByteArray lines;
    for (int i = 0; i < 12345; ++i)
        lines += "1\n";
    program.start(QStringLiteral(QUILLORA_PROGRAM), {u"--dry-run"_s, writeFile(m_dir->filePath(u"n.txt"_s), lines)});
    QVERIFY(program.waitForFinished(20000));
    const QString plan = QString::fromUtf8(program.readAllStandardOutput());
    QVERIFY2(plan.contains(rows), qPrintable(plan));
}

void tst_CommandLineProcess::temporaryFolderThatIsNotThere()
{
    // The report names the folder as the user set it.
    QProcessEnvironment missing = environment();
    missing.insert(u"TMPDIR"_s, u"/nonexistent/tmp"_s);
    QProcess program;
    program.setProcessEnvironment(missing);
    program.start(QStringLiteral(QUILLORA_PROGRAM), {u"-o"_s, m_dir->filePath(u"out/t.ods"_s), m_input});
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitCode(), 1);
    const QString err = QString::fromUtf8(program.readAllStandardError());
    QVERIFY2(err.contains(u"in /nonexistent/tmp: No such file or directory"_s), qPrintable(err));
}

void tst_CommandLineProcess::xlsxSheetsBeyondTheSoftFileLimit()
{
    // libxlsxwriter keeps a file per sheet: more sheets than a process may
    // hold files open at its soft limit, which the command line raises.
    for (int i = 0; i < 1500; ++i)
        writeFile(m_dir->filePath(u"many/f%1.txt"_s.arg(i)), QByteArray::number(i));
    const QString output = m_dir->filePath(u"out/many.xlsx"_s);
    QProcess program;
    program.setProcessEnvironment(environment());
    program.start(u"bash"_s, {u"-c"_s, u"ulimit -Sn 256; \"$0\" --sheet-per-file -o \"$1\" \"$2\""_s,
                              QStringLiteral(QUILLORA_PROGRAM), output, m_dir->filePath(u"many"_s)});
    QVERIFY(program.waitForFinished(120000));
    QCOMPARE(program.readAllStandardError(), QByteArray());
    QCOMPARE(program.exitCode(), 0);
    const ReadDocument document = readDocument(output);
    QCOMPARE(document.sheetNames.size(), 1500);
    QCOMPARE(document.rows.value(u"f0txt"_s), QList<QStringList>{{u"0"_s}});
}

void tst_CommandLineProcess::standardInputAndPipes_data()
{
    // "-" is standard input, read once from where the caller left it; a
    // process substitution is a pipe. Rows of the sheets, the first sheet
    // first, then what is said.
    QTest::addColumn<QString>("script");
    QTest::addColumn<QList<QList<QStringList>>>("sheets");
    QTest::addColumn<QString>("says");
    QTest::newRow("a pipe and standard input")
        << u"\"$0\" --sheet-per-file --split=comma -o \"$1\" <(printf 'p,q\\n') - < <(printf 'a,b\\r\\nc')"_s
        << QList<QList<QStringList>>{{{u"a"_s, u"b"_s}, {u"c"_s}}, {{u"p"_s, u"q"_s}}} << QString();
    QTest::newRow("standard input twice")
        << u"printf 'a\\n' | \"$0\" --sheet-per-file -o \"$1\" - -"_s << QList<QList<QStringList>>{{{u"a"_s}}}
        << u"quillora: standard input is read for the first \"-\"; another one has nothing left and is left out.\n"_s;
    QTest::newRow("a file, partly read already")
        << u"printf 'one\\ntwo\\nthree\\n' > \"$1.in\"; (read x; \"$0\" -o \"$1\" -) < \"$1.in\"; /bin/rm \"$1.in\""_s
        << QList<QList<QStringList>>{{{u"two"_s}, {u"three"_s}}} << QString();
    // Compressed (gzip -c of "a,b\nc\n"), a stream is the text it holds, as
    // a file is.
    QTest::newRow("compressed standard input")
        << u"printf '\\x1f\\x8b\\x08\\x00\\x00\\x00\\x00\\x00\\x00\\x03\\x4b\\xd4\\x49\\xe2\\x4a\\xe6\\x02\\x00"
           "\\x7d\\xd4\\xe6\\x44\\x06\\x00\\x00\\x00' | \"$0\" --split=comma -o \"$1\" -"_s
        << QList<QList<QStringList>>{{{u"a"_s, u"b"_s}, {u"c"_s}}} << QString();
    QTest::newRow("/dev/null") << u"\"$0\" -o \"$1\" - < /dev/null"_s << QList<QList<QStringList>>{{}} << QString();
    QTest::newRow("reports name it stdin")
        << u"printf 'a\\377\\n' | \"$0\" --encoding=UTF-8 -o \"$1\" -"_s
        << QList<QList<QStringList>>{{{u"a\uFFFD"_s}}}
        << u"quillora: The file \"stdin\" was read as UTF-8, but 1 character could not be read and is U+FFFD. If it "
           "is in another encoding, import it on its own with --encoding (--list-encodings lists the usual ones).\n"_s;
}

void tst_CommandLineProcess::standardInputAndPipes()
{
    QFETCH(QString, script);
    QFETCH(QList<QList<QStringList>>, sheets);
    QFETCH(QString, says);
    const QString output = m_dir->filePath(u"out/piped.ods"_s);
    QProcess program;
    program.setProcessEnvironment(environment());
    program.start(u"bash"_s, {u"-c"_s, script, QStringLiteral(QUILLORA_PROGRAM), output});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(QString::fromUtf8(program.readAllStandardError()), says);
    QCOMPARE(program.exitCode(), says.isEmpty() ? 0 : 1);
    const ReadDocument document = readDocument(output);
    QCOMPARE(document.sheetNames.size(), sheets.size());
    for (qsizetype i = 0; i < sheets.size(); ++i)
        QCOMPARE(document.rows.value(document.sheetNames.at(i)), sheets.at(i));
}

void tst_CommandLineProcess::signalEndsAnyRead_data()
{
    QTest::addColumn<bool>("fifo");
    QTest::newRow("a pipe that never ends") << false;
    QTest::newRow("a FIFO nobody writes to") << true;
}

void tst_CommandLineProcess::signalEndsAnyRead()
{
    // One signal ends the run however long or quiet the stream it reads.
    QFETCH(bool, fifo);
    const QString output = m_dir->filePath(u"out/stream.ods"_s);
    const QString fifoPath = m_dir->filePath(u"stream.fifo"_s);
    QProcess yes;
    QProcess program;
    program.setProcessEnvironment(environment());
    if (fifo) {
        QCOMPARE(::mkfifo(QFile::encodeName(fifoPath).constData(), 0600), 0);
    } else {
        yes.setStandardOutputProcess(&program);
        yes.start(u"yes"_s, {u"x"_s});
    }
    program.start(QStringLiteral(QUILLORA_PROGRAM), {u"-o"_s, output, fifo ? fifoPath : u"-"_s});
    QVERIFY(program.waitForStarted());
    QTest::qWait(700);
    QVERIFY(program.processId() > 0);
    QCOMPARE(program.state(), QProcess::Running);
    ::kill(pid_t(program.processId()), SIGINT);
    QVERIFY(program.waitForFinished(3000));
    QCOMPARE(program.exitCode(), 128 + SIGINT);
    yes.kill();
    yes.waitForFinished();
    QCOMPARE(leftIn(m_dir->filePath(u"out"_s)), QStringList());
    QCOMPARE(leftIn(m_dir->filePath(u"tmp"_s)), QStringList());
}

void tst_CommandLineProcess::namesThatAreNotUtf8()
{
    // Latin-1 names, as old archives bring them: read, written under the
    // very name given, and shown escaped in reports.
    QProcess program;
    program.setProcessEnvironment(environment());
    program.setWorkingDirectory(m_dir->filePath(u"out"_s));
    program.start(u"bash"_s, {u"-c"_s, u"printf 'a,b\\n' > \"$(printf 'caf\\351.txt')\"; "
                                      u"\"$0\" --split=comma -o \"$(printf 'caf\\351.xlsx')\" \"$(printf 'caf\\351.txt')\" "
                                      u"\"$(printf 'gone\\377.txt')\"; echo \"status $?\"; /bin/ls | /usr/bin/od -An -c"_s,
                              QStringLiteral(QUILLORA_PROGRAM)});
    QVERIFY(program.waitForFinished(60000));
    const QString out = QString::fromLatin1(program.readAllStandardOutput()).simplified();
    QCOMPARE(QString::fromUtf8(program.readAllStandardError()),
             u"quillora: The file \"gone\\xff.txt\" cannot be read: File not found\n"_s);
    QVERIFY2(out.startsWith(u"status 1"_s), qPrintable(out));
    QVERIFY2(out.contains(u"c a f 351 . t x t \\n c a f 351 . x l s x \\n"_s), qPrintable(out));
}

QTEST_GUILESS_MAIN(tst_CommandLineProcess)
#include "tst_commandlineprocess.moc"
