// SPDX-License-Identifier: GPL-3.0-or-later
// The command line without LibreOffice: parsing, and runs over the in-memory
// spreadsheet and into files by the document writer (exit statuses, reports,
// the output file's safety).
#include "cli/commandline.h"
#include "cli/commandlineoptions.h"
#include "cli/commandlineimport.h"
#include "cli/interruption.h"
#include "documentreader.h"
#include "memoryspreadsheet.h"
#include "packedfiles.h"
#include "testfiles.h"

#include <csignal>
#include <sys/resource.h>

#include <QFile>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QTest>
#include <QTextStream>

using namespace Qt::Literals::StringLiterals;
using namespace quillora;
using namespace quillora::test;

using Action = ParsedCommandLine::Action;

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void usageErrors_data();
    void usageErrors();
    void options_data();
    void options();
    void extensionsAndHelp();
    void controlCharactersAreShownEscaped();
    void outputFileIsNeverImported();
    void exitStatuses_data();
    void exitStatuses();
    void completionKnowsEveryOption();
    void compressedTextAsItIs_data();
    void compressedTextAsItIs();
    void outputIsRenamedIntoPlace();
    void failedWriteKeepsTheFile();
    void nothingWrittenWhenNoFileIsRead();
    void interruptedRunWritesNothing();
    void folderWithExtension();
    void progressOnlyOnATerminal_data();
    void progressOnlyOnATerminal();

private:
    struct Run
    {
        int status = -1;
        QString err;
        QString out;
    };
    Run run(const QStringList &arguments, bool terminal = false);
    QString file(const QString &name, const QByteArray &bytes) { return writeFile(m_dir->filePath(name), bytes); }

    std::optional<QTemporaryDir> m_dir;
    MemorySpreadsheet m_office;
};

void tst_CommandLine::init()
{
    m_dir.emplace();
    m_office.documents.clear();
    m_office.beforeCall = nullptr;
    m_office.limits = MemorySpreadsheet().limits;
    Interruption::reset();
}

tst_CommandLine::Run tst_CommandLine::run(const QStringList &arguments, bool terminal)
{
    const ParsedCommandLine parsed = parseCommandLine(QStringList{u"quillora"_s} + arguments);
    if (parsed.action != Action::Import)
        qFatal("not an import: %s", qPrintable(parsed.text));
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    Console console{outStream, errStream, terminal};
    Run result;
    if (parsed.options.output.isEmpty()) {
        result.status = CommandLineImport(parsed.options, console, m_office).run();
    } else {
        writer::DocumentWriter writer(parsed.options.format);
        result.status = CommandLineImport(parsed.options, console, writer, CommandLineImport::storedBy(writer)).run();
    }
    errStream.flush();
    outStream.flush();
    result.err = err;
    result.out = out;
    return result;
}

void tst_CommandLine::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("reason");
    static const QTemporaryDir folder;
    const QString existing = writeFile(folder.filePath(u"existing.ods"_s), "x");
    QTest::newRow("unknown option") << QStringList{u"--bogus"_s, u"a"_s} << u"Unknown option 'bogus'."_s;
    QTest::newRow("no path") << QStringList{u"--split=comma"_s} << u"no PATH given."_s;
    QTest::newRow("both split options") << QStringList{u"--split=tab"_s, u"--separator=;"_s, u"a"_s}
                                        << u"--split and --separator exclude each other."_s;
    QTest::newRow("unknown split") << QStringList{u"--split=colon"_s, u"a"_s}
                                   << u"--split takes space, comma, tab, semicolon, pipe or auto, not \"colon\"."_s;
    QTest::newRow("empty separator") << QStringList{u"--separator="_s, u"a"_s}
                                     << u"--separator needs a text to cut at."_s;
    QTest::newRow("separator with a line break") << QStringList{u"--separator=;\n"_s, u"a"_s}
                                                 << u"--separator cannot hold a line break: a line break ends the "
                                                    u"line, not a cell."_s;
    QTest::newRow("unknown output format") << QStringList{u"-o"_s, u"out.csv"_s, u"a"_s}
                                           << u"out.csv: the file must end in .ods, .xlsx or .fods."_s;
    QTest::newRow("output exists") << QStringList{u"--output"_s, existing, u"a"_s}
                                   << existing + u" exists; --force replaces it."_s;
    // What a run writes is checked before anything is read: never an input
    // (--force or not), never the other output, never a folder.
    const QString input = writeFile(folder.filePath(u"in.csv"_s), "1,2\n");
    QTest::newRow("report exists") << QStringList{u"--report"_s, existing, u"a"_s}
                                   << existing + u" exists; --force replaces it."_s;
    QTest::newRow("report is a folder") << QStringList{u"-f"_s, u"--report"_s, folder.path(), u"a"_s}
                                        << folder.path() + u" is a folder; --report needs a file."_s;
    QTest::newRow("report is the output")
        << QStringList{u"-f"_s, u"-o"_s, existing, u"--report"_s, existing, u"a"_s}
        << u"--report and --output both name %1: the report would replace the document."_s.arg(existing);
    QTest::newRow("report is an input") << QStringList{u"-f"_s, u"--report"_s, input, input, u"a"_s}
                                        << input + u" is a file to import; it cannot also be written."_s;
    QTest::newRow("output is an input, by another name")
        << QStringList{u"-f"_s, u"-o"_s, existing, folder.path() + u"/./existing.ods"_s}
        << existing + u" is a file to import; it cannot also be written."_s;
    QTest::newRow("lines to skip that are no number") << QStringList{u"--skip-lines=-1"_s, u"a"_s}
                                                      << u"--skip-lines takes a number of lines, not \"-1\"."_s;
    QTest::newRow("unknown file column") << QStringList{u"--file-column=full"_s, u"a"_s}
                                         << u"--file-column takes relative, name or path, not \"full\"."_s;
    QTest::newRow("unknown column kind") << QStringList{u"--column=when=datum"_s, u"a"_s}
                                         << u"--column takes NAME=TYPE, TYPE one of text, number, date-dmy, date-mdy, "
                                            u"date-ymd, skip, not \"when=datum\"."_s;
    QTest::newRow("unknown encoding") << QStringList{u"--encoding=klingon-8"_s, u"a"_s}
                                      << u"unknown encoding \"klingon-8\"; --list-encodings lists the usual ones."_s;
}

void tst_CommandLine::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, reason);
    QMap<QString, QByteArray> before;
    for (const QString &argument : arguments) {
        if (QFileInfo(argument).isFile())
            before.insert(argument, readFile(argument));
    }
    const ParsedCommandLine parsed = parseCommandLine(QStringList{u"quillora"_s} + arguments);
    QCOMPARE(parsed.action, Action::UsageError);
    QCOMPARE(parsed.text, reason);
    // The whole command says so in two lines and exits with 2.
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    Console console{outStream, errStream, false};
    QCOMPARE(runQuilloraCommand(QStringList{u"quillora"_s} + arguments, console, m_dir->path()), ExitStatus::Usage);
    errStream.flush();
    QCOMPARE(err, u"quillora: "_s + reason + u"\nTry 'quillora --help' for more information.\n"_s);
    QVERIFY(out.isEmpty());
    // Nothing named was touched.
    for (const auto &[path, bytes] : before.asKeyValueRange())
        QCOMPARE(readFile(path), bytes);
}

void tst_CommandLine::options_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<std::optional<QString>>("split");
    QTest::addColumn<bool>("sheetPerFile");
    QTest::addColumn<DocumentFormat>("format");
    QTest::newRow("whole lines, one sheet") << QStringList{u"b"_s, u"a"_s} << std::optional<QString>() << false
                                            << DocumentFormat::Ods;
    QTest::newRow("space") << QStringList{u"--split=space"_s, u"a"_s} << std::optional<QString>(u" "_s) << false
                           << DocumentFormat::Ods;
    QTest::newRow("semicolon") << QStringList{u"--split=semicolon"_s, u"a"_s} << std::optional<QString>(u";"_s)
                               << false << DocumentFormat::Ods;
    QTest::newRow("pipe") << QStringList{u"--split=pipe"_s, u"a"_s} << std::optional<QString>(u"|"_s) << false
                          << DocumentFormat::Ods;
    QTest::newRow("tab, a sheet each, xlsx")
        << QStringList{u"--split"_s, u"tab"_s, u"--sheet-per-file"_s, u"-o"_s, u"new.XLSX"_s, u"a"_s}
        << std::optional<QString>(u"\t"_s) << true << DocumentFormat::Xlsx;
    QTest::newRow("own separator, fods") << QStringList{u"--separator=||"_s, u"--output=x.fods"_s, u"a"_s}
                                         << std::optional<QString>(u"||"_s) << false << DocumentFormat::Fods;
    QTest::newRow("comma, quotes") << QStringList{u"--split=comma"_s, u"--quotes"_s, u"a"_s}
                                   << std::optional<QString>(u","_s) << false << DocumentFormat::Ods;
    QTest::newRow("compact short options") << QStringList{u"-qo"_s, u"new.xlsx"_s, u"a"_s}
                                           << std::optional<QString>() << false << DocumentFormat::Xlsx;
    QTest::newRow("value joined to its option") << QStringList{u"-q"_s, u"-onew.fods"_s, u"a"_s}
                                                << std::optional<QString>() << false << DocumentFormat::Fods;
}

void tst_CommandLine::extensionsAndHelp()
{
    for (const QString &extension : {u"txt"_s, u".txt"_s, u"*.txt"_s})
        QCOMPARE(parseCommandLine({u"quillora"_s, u"--extension="_s + extension, u"a"_s}).options.extension, u"txt"_s);
    QCOMPARE(parseCommandLine({u"quillora"_s, u"--help-all"_s}).action, Action::Help);
    // Help as a Unix user reads it: usage, one line, the options, the rest.
    const QString help = parseCommandLine({u"quillora"_s, u"--help"_s}).text;
    qsizetype at = 0;
    for (const QString &part : QStringList{u"Usage: quillora [OPTION]... PATH...\n  or:  quillora [--window"_s,
                                           u"\nLoad text files into a spreadsheet"_s, u"\n\nOptions:\n"_s,
                                           u"--sheets-as-listed"_s, u"\nExit status:\n"_s, u"\nReport bugs at "_s}) {
        at = help.indexOf(part, at);
        QVERIFY2(at >= 0, qPrintable(part));
    }
    QVERIFY(!parseCommandLine({u"quillora"_s, u"--sheets-as-listed"_s, u"a"_s}).options.sheets.oneSheet);
    QCOMPARE(parseCommandLine({u"quillora"_s, u"-fq"_s, u"a"_s}).options.force, true);
    // The head of stacked exports; --file-column alone is relative, and
    // takes no path as its value.
    const ParsedCommandLine stacked =
        parseCommandLine({u"quillora"_s, u"--skip-lines=2"_s, u"--header"_s, u"--file-column"_s, u"a"_s});
    QCOMPARE(stacked.options.read.linesToSkip, 2);
    QVERIFY(stacked.options.read.header);
    QCOMPARE(stacked.options.read.fileColumn, FileColumn::Relative);
    QCOMPARE(stacked.options.paths, QStringList{u"a"_s});
    QCOMPARE(parseCommandLine({u"quillora"_s, u"--file-column=path"_s, u"a"_s}).options.read.fileColumn, FileColumn::Path);
    QVERIFY(parseCommandLine({u"quillora"_s, u"--skip-lines=auto"_s, u"a"_s}).options.read.skipToTable);
    // An "=" of a name is written "\=".
    QCOMPARE(parseCommandLine({u"quillora"_s, u"--rename=k\\=v=w"_s, u"a"_s}).options.sheets.renames,
             (QList<std::pair<QString, QString>>{{u"k=v"_s, u"w"_s}}));
    // A column by name (an "=" of it stays) or by number.
    QCOMPARE(parseCommandLine({u"quillora"_s, u"--column=a=b=date-dmy"_s, u"--column=3=Skip"_s, u"a"_s})
                 .options.sheets.columnChoices,
             (QList<ColumnChoice>{{u"a=b"_s, 0, ColumnKind::DateDmy}, {{}, 3, ColumnKind::Skip}}));
    // --window anywhere before "--" opens the window with the rest listed.
    QCOMPARE(windowPaths({u"quillora"_s, u"a"_s, u"--window"_s, u"b"_s}), std::optional(QStringList{u"a"_s, u"b"_s}));
    QCOMPARE(windowPaths({u"quillora"_s, u"--window"_s}), std::optional(QStringList()));
    QCOMPARE(windowPaths({u"quillora"_s, u"--"_s, u"--window"_s}), std::nullopt);
    QCOMPARE(windowPaths({u"quillora"_s, u"a"_s}), std::nullopt);
    // Encodings by any case of any of their names; auto finds each file's.
    QCOMPARE(parseCommandLine({u"quillora"_s, u"--encoding=SHIFT_JIS"_s, u"a"_s}).options.read.encoding->name,
             QByteArray("Shift_JIS"));
    QCOMPARE(parseCommandLine({u"quillora"_s, u"--encoding=cp1251"_s, u"a"_s}).options.read.encoding->name,
             QByteArray("windows-1251"));
    QVERIFY(!parseCommandLine({u"quillora"_s, u"--encoding=Auto"_s, u"a"_s}).options.read.encoding);
    const ParsedCommandLine list = parseCommandLine({u"quillora"_s, u"--list-encodings"_s});
    QCOMPARE(list.action, Action::ListEncodings);
    QVERIFY(list.text.contains(u"\nShift_JIS       Japanese (Shift_JIS)\n"_s));
}

void tst_CommandLine::options()
{
    QFETCH(QStringList, arguments);
    QFETCH(std::optional<QString>, split);
    QFETCH(bool, sheetPerFile);
    QFETCH(DocumentFormat, format);
    const ParsedCommandLine parsed = parseCommandLine(QStringList{u"quillora"_s} + arguments);
    QCOMPARE(parsed.action, Action::Import);
    QCOMPARE(parsed.options.read.cut.givenText(), split);
    QCOMPARE(!parsed.options.sheets.oneSheet, sheetPerFile);
    QCOMPARE(parsed.options.format, format);
    QCOMPARE(parsed.options.paths.last(), u"a"_s);
    QCOMPARE(parsed.options.read.quotes, arguments.contains(u"--quotes"_s));
}

void tst_CommandLine::exitStatuses_data()
{
    QTest::addColumn<QString>("problem");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("report");
    QTest::newRow("every file whole") << QString() << 0 << QString();
    // A packed file that cannot be read is told, naming it; the rest lands.
    QTest::newRow("archive cut short") << u"cut"_s << 1 << u"The file \"%1/b.csv.gz\" cannot be read"_s;
    QTest::newRow("member with a password") << u"password"_s << 1 << u"b.zip › b.csv\" cannot be read: it needs a password"_s;
    QTest::newRow("member packed unknown") << u"method"_s << 1 << u"b.zip › b.csv\" cannot be read: "_s;
    QTest::newRow("member leading out") << u"climbs"_s << 1 << u"b.zip\" holds files whose names lead out of it: ../b.csv"_s;
    QTest::newRow("gzip check sum wrong") << u"crc"_s << 1 << u"b.csv.gz\" cannot be read: its check sum does not match"_s;
    QTest::newRow("a zip archive in a zip archive") << u"zipzip"_s << 1 << u"b.zip › c.zip\" cannot be read: it is a .zip archive inside the archive"_s;
    QTest::newRow("a tar archive compressed") << u"tar"_s << 1 << u"b.tar.gz\" cannot be read: it holds an archive of files (tar)"_s;
    QTest::newRow("unpacks past any text") << u"bomb"_s << 1 << u"cannot be read: it unpacks to more than 500 times its size"_s;
    QTest::newRow("members unpack past any text together")
        << u"members"_s << 1 << u"b.zip › b2.csv\" cannot be read: with the members before it, the archive"_s;
    QTest::newRow("a file missing") << u"missing"_s << 1 << u"The file \"%1/missing.txt\" cannot be read: File not found"_s;
    // A file read whole is told of, and is no failure; replaced bytes are.
    QTest::newRow("stray bytes") << u"stray"_s << 0 << u"1 byte that is not UTF-8 was read as windows-1252"_s;
    QTest::newRow("UTF-8 read as a code page") << u"mixed"_s << 0 << u"It also holds 1 valid UTF-8 sequence"_s;
    QTest::newRow("bytes replaced") << u"replaced"_s << 1
                                    << u"was read as UTF-8, but 1 character could not be read and is U+FFFD. If it "
                                       u"is in another encoding, import it on its own with --encoding"_s;
    QTest::newRow("cells that do not fit") << u"narrow"_s << 1 << u"could not be written"_s;
    QTest::newRow("LibreOffice lost") << u"lost"_s << 3 << u"gone"_s;
}

void tst_CommandLine::exitStatuses()
{
    QFETCH(QString, problem);
    QFETCH(int, status);
    QFETCH(QString, report);
    if (report.contains(u"%1"_s))
        report = report.arg(m_dir->path());
    QStringList paths{file(u"a.txt"_s, "1,2,3\r\n")};
    if (problem == u"missing")
        paths.append(m_dir->filePath(u"missing.txt"_s));
    if (problem == u"narrow")
        m_office.limits.columns = 2;
    if (problem == u"stray" || problem == u"replaced")
        paths.append(file(u"b.txt"_s, QByteArray("d\xC3\xA9j\xC3\xA0 ").repeated(8) + "caf\xE9"));
    if (problem == u"mixed")
        paths.append(file(u"b.txt"_s, QByteArray("d\xC3\xA9j\xE0 ") + QByteArray("\xE9t\xE9 \xE0 c\xF4t\xE9 ").repeated(40)));
    if (problem == u"replaced")
        paths.prepend(u"--encoding=utf-8"_s);
    const QByteArray b = "4,5,6\r\n";
    if (problem == u"cut")
        paths.append(file(u"b.csv.gz"_s, compressed(b.repeated(1000), "gzip").chopped(40)));
    if (problem == u"password")
        paths.append(file(u"b.zip"_s, zipOf({{u"b.csv"_s, b}}, "secret")) + u"/b.csv"_s);
    if (problem == u"method")
        paths.append(file(u"b.zip"_s, withUnknownMethod(zipOf({{u"b.csv"_s, b}}))) + u"/b.csv"_s);
    if (problem == u"climbs")
        paths.append(file(u"b.zip"_s, zipOf({{u"../b.csv"_s, b}, {u"c.csv"_s, b}})));
    if (problem == u"crc") {
        QByteArray damaged = compressed(b.repeated(1000), "gzip");
        damaged[damaged.size() - 8] = char(damaged[damaged.size() - 8] ^ 0x40);
        paths.append(file(u"b.csv.gz"_s, damaged));
    }
    if (problem == u"zipzip")
        paths.append(file(u"b.zip"_s, zipOf({{u"c.zip"_s, zipOf({{u"c.csv"_s, b}})}})) + u"/c.zip"_s);
    if (problem == u"tar")
        paths.append(file(u"b.tar.gz"_s, tarGzOf({{u"b.csv"_s, b}})));
    if (problem == u"bomb")
        paths.append(file(u"b.csv.zst"_s, compressed(QByteArray(100 << 20, 'x'), "zstd")));
    if (problem == u"missing") {
        // The plan says why, where a file read says its encoding and rows.
        const Run plan = run(QStringList{u"--dry-run"_s, u"--split=comma"_s} + paths);
        QVERIFY2(plan.out.contains(u"missing.txt: not read: The file \""_s + paths.last() + u"\" cannot be read: File not found\n"_s),
                 qPrintable(plan.out));
    }
    if (problem == u"members") {
        const QByteArray big(34 << 20, 'x');
        paths.append(file(u"b.zip"_s, zipOf({{u"b1.csv"_s, big}, {u"b2.csv"_s, big}, {u"b3.csv"_s, big}})));
    }
    if (problem == u"lost")
        m_office.beforeCall = [](const QString &operation) {
            if (operation == u"writeRows")
                throw SpreadsheetLost(u"gone"_s);
        };
    const Run result = run(QStringList{u"--split=comma"_s} + paths);
    QVERIFY2(result.status == status, qPrintable(result.err));
    if (report.isEmpty()) {
        QCOMPARE(result.err, QString());
    } else {
        QVERIFY2(result.err.startsWith(u"quillora: "_s) && result.err.contains(report), qPrintable(result.err));
        // Each member after the archive's limit is told.
        QVERIFY2(result.err.count(u'\n') == (problem == u"members" ? 2 : 1), qPrintable(result.err));
    }
    // The file before a packed one whole, whatever became of that.
    if (QStringList{u"cut"_s, u"crc"_s, u"zipzip"_s, u"members"_s, u"password"_s, u"method"_s, u"climbs"_s, u"tar"_s, u"bomb"_s}.contains(problem))
        QCOMPARE(MemorySpreadsheet::rowsOf(*m_office.sheet(u"Sheet1"_s)).value(0), (QStringList{u"1"_s, u"2"_s, u"3"_s}));
}

void tst_CommandLine::controlCharactersAreShownEscaped()
{
    // A name can neither move the cursor nor split a report.
    // A character whose second half looks like a stray byte stays as it is.
    const Run result = run({m_dir->filePath(u"a\u001B[31mred\nline\\\U0001F480.txt"_s)});
    QCOMPARE(result.status, 1);
    QCOMPARE(result.err.count(u'\n'), 1);
    QVERIFY2(result.err.contains(u"a\\033[31mred\\nline\\\\\U0001F480.txt\""_s), qPrintable(result.err));
    QVERIFY(!result.err.contains(u'\u001B'));
}

void tst_CommandLine::outputFileIsNeverImported()
{
    file(u"dir/a.txt"_s, "a");
    const QString output = m_dir->filePath(u"dir/out.ods"_s);
    QCOMPARE(run({u"-o"_s, output, m_dir->filePath(u"dir"_s)}).status, 0);
    // Again, into the folder it walks: there it is left out. Named as a
    // file to import, it is a usage error (--force replaces no input).
    const Run again = run({u"-f"_s, u"-o"_s, output, m_dir->filePath(u"dir"_s)});
    QCOMPARE(again.status, 0);
    QCOMPARE(again.err.count(u"is the output file; it is not imported."_s), 1);
    QCOMPARE(readDocument(output).rows.value(u"Sheet1"_s), QList<QStringList>{{u"a"_s}});
    QCOMPARE(parseCommandLine({u"quillora"_s, u"-f"_s, u"-o"_s, output, output}).action, Action::UsageError);
}

void tst_CommandLine::outputIsRenamedIntoPlace()
{
    const QString output = m_dir->filePath(u"out.xlsx"_s);
    const Run result = run({u"-o"_s, output, file(u"a.txt"_s, "a")});
    QCOMPARE(result.err, QString());
    QCOMPARE(result.status, 0);
    // Written under a name of its own, then renamed: nothing else is left,
    // and the file gets the permissions a new file gets.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), (QStringList{u"a.txt"_s, u"out.xlsx"_s}));
    QCOMPARE(QFileInfo(output).permissions() & QFile::ReadOther, QFile::ReadOther);
    QCOMPARE(readDocument(output).rows.value(u"Sheet1"_s), QList<QStringList>{{u"a"_s}});
    // Neither the office nor its model was asked for anything.
    QVERIFY(m_office.documents.isEmpty());
}

void tst_CommandLine::failedWriteKeepsTheFile()
{
    // The staging and the kept rows fit; the document does not.
    const QString output = file(u"out.fods"_s, "the file as it was");
    const QString input = file(u"a.txt"_s, QByteArray("a,b,c,d,e\n").repeated(20000));
    rlimit before{};
    ::getrlimit(RLIMIT_FSIZE, &before);
    const rlimit small{1536 * 1024, before.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    const Run result = run({u"--split=comma"_s, u"--force"_s, u"-o"_s, output, input});
    ::setrlimit(RLIMIT_FSIZE, &before);
    QCOMPARE(result.status, 1);
    QVERIFY2(result.err.contains(u"File too large"_s), qPrintable(result.err));
    QCOMPARE(result.err.count(u'\n'), 1);
    QFile kept(output);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("the file as it was"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), (QStringList{u"a.txt"_s, u"out.fods"_s}));
}

void tst_CommandLine::nothingWrittenWhenNoFileIsRead()
{
    const QString output = file(u"keep.ods"_s, "the file as it was");
    const Run result = run({u"-f"_s, u"-o"_s, output, m_dir->filePath(u"missing.txt"_s)});
    QCOMPARE(result.status, 1);
    QVERIFY2(result.err.endsWith(u"quillora: "_s + output + u" was not written: no file could be imported.\n"_s),
             qPrintable(result.err));
    QFile kept(output);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("the file as it was"));
}

void tst_CommandLine::interruptedRunWritesNothing()
{
    Interruption::request(SIGHUP);
    const QString output = m_dir->filePath(u"out.ods"_s);
    const Run result = run({u"-o"_s, output, file(u"a.txt"_s, "a")});
    QCOMPARE(result.status, 128 + SIGHUP);
    QCOMPARE(result.err, u"quillora: interrupted by SIGHUP.\n"_s);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"a.txt"_s});
}

void tst_CommandLine::folderWithExtension()
{
    file(u"logs/a.log"_s, "a");
    file(u"logs/b.txt"_s, "b");
    file(u"logs/deeper/c.LOG"_s, "c");
    const QString single = file(u"single.txt"_s, "s");
    const Run result = run({u"--extension=log"_s, m_dir->filePath(u"logs"_s), single});
    QCOMPARE(result.status, 0);
    const auto rows = MemorySpreadsheet::rowsOf(*m_office.sheet(u"Sheet1"_s));
    QCOMPARE(rows, (QList<QStringList>{{u"a"_s}, {u"c"_s}, {u"s"_s}}));
    // A folder without a matching file gives nothing to import.
    const Run nothing = run({u"--extension=csv"_s, m_dir->filePath(u"logs"_s)});
    QCOMPARE(nothing.status, 1);
    QCOMPARE(nothing.err, u"quillora: no files to import.\n"_s);
}

void tst_CommandLine::progressOnlyOnATerminal_data()
{
    QTest::addColumn<bool>("terminal");
    QTest::addColumn<bool>("quiet");
    QTest::addColumn<bool>("drawn");
    QTest::newRow("terminal") << true << false << true;
    QTest::newRow("terminal, quiet") << true << true << false;
    QTest::newRow("no terminal") << false << false << false;
}

void tst_CommandLine::progressOnlyOnATerminal()
{
    QFETCH(bool, terminal);
    QFETCH(bool, quiet);
    QFETCH(bool, drawn);
    QStringList arguments{file(u"a.txt"_s, QByteArray("a\n").repeated(2999) + "a")};
    if (quiet)
        arguments.prepend(u"-q"_s);
    arguments += {u"-o"_s, m_dir->filePath(u"out.ods"_s)};
    const Run result = run(arguments, terminal);
    QCOMPARE(result.status, 0);
    // The phases, each shown as it begins: reading, writing, storing (its
    // rows, then the file's finishing).
    const QString output = m_dir->filePath(u"out.ods"_s);
    for (const QString &line : QStringList{u"\r[1/1] reading a.txt"_s, u"\rwriting rows: "_s, u"\rstoring "_s + output,
                                u"\rstoring rows: 2048 of 3000 into "_s + output,
                                u"\rstoring "_s + output + u": finishing the file"_s})
        QVERIFY2(result.err.contains(line) == drawn, qPrintable(line));
    // A drawn line is taken away again at the end.
    QVERIFY(!drawn || result.err.endsWith(u"\r\x1B[K"_s));
}

void tst_CommandLine::compressedTextAsItIs_data()
{
    // A compressed file's bytes, and the rows it gives.
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<QStringList>>("rows");
    const QList<QStringList> both{{u"1"_s, u"2"_s}, {u"3"_s, u"4"_s}};
    QTest::newRow("plain lines after the compressed part") << compressed("1,2\n", "gzip") + "3,4\n" << both;
    QTest::newRow("two members") << compressed("1,2\n", "gzip") + compressed("3,4\n", "gzip") << both;
    QTest::newRow("zero bytes of padding") << compressed("1,2\n", "gzip") + QByteArray(512, '\0')
                                           << QList<QStringList>{{u"1"_s, u"2"_s}};
    // Text that starts as uuencoded data is the text it is.
    QTest::newRow("uuencoded text") << compressed("begin 644 x\n#0V%T\nend\n", "gzip")
                                    << QList<QStringList>{{u"begin 644 x"_s}, {u"#0V%T"_s}, {u"end"_s}};
    QTest::newRow("bzip2") << compressed("1,2\n3,4\n", "bzip2") << both;
    // A member of a .zip is told by its bytes as a file is.
    QTest::newRow("a compressed member") << zipOf({{u"b.log.gz"_s, compressed("1,2\n3,4\n", "gzip")}}) << both;
}

void tst_CommandLine::compressedTextAsItIs()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<QStringList>, rows);
    const bool zip = bytes.startsWith("PK");
    const QString path = zip ? file(u"a.zip"_s, bytes) + u"/b.log.gz"_s : file(u"a.log.gz"_s, bytes);
    const Run result = run({u"--split=comma"_s, path});
    QVERIFY2(result.status == 0, qPrintable(result.err));
    QCOMPARE(MemorySpreadsheet::rowsOf(*m_office.sheet(u"Sheet1"_s)), rows);
}

// The shell completes every option the command takes.
void tst_CommandLine::completionKnowsEveryOption()
{
    const QString completion = QString::fromUtf8(readFile(QStringLiteral(QUILLORA_TEST_DATA) + u"/../../data/quillora.bash-completion"_s));
    QVERIFY(!completion.isEmpty());
    for (const QCommandLineOption &option : importOptions()) {
        for (const QString &name : option.names()) {
            const QString word = (name.size() == 1 ? u"-"_s : u"--"_s) + name;
            QVERIFY2(completion.contains(QRegularExpression(u"[\\s']"_s + QRegularExpression::escape(word) + u"[=\\s']"_s)),
                     qPrintable(word));
        }
    }
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
