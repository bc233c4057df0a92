// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commandline.h"

#include "cli/commandlineimport.h"
#include "cli/display.h"
#include "cli/helplayout.h"
#include "cli/helprules.h"
#include "cli/interruption.h"
#include "core/import/renames.h"
#include "core/import/spreadsheetmodule.h"
#include "core/list/paths.h"
#include "core/product.h"
#include "core/text/filenames.h"
#include "core/text/separators.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

#include <cstring>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

namespace {
// This file's messages, in one translation context.
struct Message
{
    Q_DECLARE_TR_FUNCTIONS(quillora::CommandLine)
};

// The options, described in the user's language: made when first asked
// for, once the translations are installed.
struct Options
{
    QCommandLineOption output{{u"o"_s, u"output"_s},
                              Message::tr("Write the document into FILE instead of showing it in Calc; the format "
                                          "follows the extension: .ods, .xlsx or .fods. Needs no LibreOffice."),
                              //: the placeholder of --help for a file, as the option's text names it
                              Message::tr("FILE")};
    QCommandLineOption sheetPerFile{u"sheet-per-file"_s,
                                    Message::tr("A sheet per file (default: all files on one sheet).")};
    QCommandLineOption sheetsAsListed{u"sheets-as-listed"_s,
                                      Message::tr("A sheet per file, in the order the files are given, each named "
                                                  "as its file is (2024-01.csv); implies --sheet-per-file.")};
    QCommandLineOption split{u"split"_s,
                             Message::tr("space, comma, tab, semicolon or pipe: cut each line into cells there; "
                                         "auto: each file at its own separator (comma, semicolon, tab or pipe), "
                                         "found from its start."),
                             //: the placeholder of --help for where lines are cut, as the option's text names it
                              Message::tr("WHERE")};
    QCommandLineOption separator{u"separator"_s,
                                 Message::tr("Cut each line into cells at TEXT (any text, several characters "
                                             "allowed)."),
                                 //: the placeholder of --help for a separator text, as the option's text names it
                              Message::tr("TEXT")};
    QCommandLineOption extension{u"extension"_s,
                                 Message::tr("For a folder PATH: its files whose names end in .EXT, walked as "
                                             "\"Add All File(s) In Folder\" walks (default: every file, as a "
                                             "drop)."),
                                 //: the placeholder of --help for a file name's ending, as the option's text names it
                              Message::tr("EXT")};
    QCommandLineOption quotes{u"quotes"_s,
                              Message::tr("Keep text in double quotes together, as in CSV files: a separator or a "
                                          "line break inside quotes belongs to the cell, \"\" is one quote.")};
    QCommandLineOption encoding{u"encoding"_s,
                                Message::tr("Read files without a byte-order mark in NAME: any encoding Qt reads, "
                                            "in any case (--list-encodings lists the usual ones); auto, the "
                                            "default, finds each file's."),
                                //: the placeholder of --help for an encoding's name, as the option's text names it
                              Message::tr("NAME")};
    QCommandLineOption listEncodings{u"list-encodings"_s,
                                     Message::tr("List the encodings people meet, by the name --encoding takes.")};
    QCommandLineOption skipLines{u"skip-lines"_s,
                                 Message::tr("Leave out the first N rows of each file (a title, an \"exported "
                                             "by\" line); auto: each file's rows above its table."),
                                 //: the placeholder of --help for a number of lines, as the option's text names it
                              Message::tr("N")};
    QCommandLineOption header{u"header"_s,
                              Message::tr("A file's first row (after those skipped) is its header: on one sheet "
                                          "the headers' names are the first row, once, and each file's cells go "
                                          "under the columns of their names.")};
    QCommandLineOption rename{u"rename"_s,
                              Message::tr("With --header: a column named OLD counts as NEW before names are "
                                          "matched (\"client=customer\"; an \"=\" of a name is written \"\\=\"); "
                                          "may be given again."),
                              //: the placeholder of --help for two header names, as the option's text names it
                              Message::tr("OLD=NEW")};
    QCommandLineOption numbers{u"numbers"_s,
                               Message::tr("Store a cell as a number where its whole text is one and nothing "
                                           "changes (1234.50 shows 1234.50; 007, 1e5, 1,234.50 and ids past 15 "
                                           "digits stay text), its decimals written with SIGN: auto (the default: "
                                           "each file's own, as its numbers show it; where they show none, a "
                                           "comma in files cut at semicolons, a point otherwise), point or comma."),
                               u"auto|point|comma"_s};
    QCommandLineOption dates{u"dates"_s,
                             Message::tr("Store a cell whose whole text is an ISO date (2024-03-01) as a date.")};
    QCommandLineOption fileColumn{u"file-column"_s,
                                  Message::tr("A first column with each row's file: its path below the folder "
                                              "that holds all the files (relative, the default), its name, or its "
                                              "whole path."),
                                  u"relative|name|path"_s};
    QCommandLineOption continueSheets{u"continue-sheets"_s,
                                      Message::tr("When a sheet is full, go on with the rest on a new sheet after "
                                                  "it (\"NAME (2)\", ...), instead of leaving the rest out.")};
    QCommandLineOption reportSheet{u"report-sheet"_s,
                                   Message::tr("Add a sheet listing each file, last in the document: the sheet and "
                                               "rows it landed on, its encoding, separator, decimal sign, rows, "
                                               "columns, header changes and notes.")};
    QCommandLineOption report{u"report"_s,
                              Message::tr("Write the same list into FILE as well, as CSV, or as JSON Lines where "
                                          "its name ends in .jsonl or .json; also with --dry-run."),
                              Message::tr("FILE")};
    QCommandLineOption dryRun{u"dry-run"_s,
                              Message::tr("Print what the import would do: each file's encoding, rows, widest row "
                                          "and a separator it looks cut at, then the sheets and their rows; write "
                                          "and start nothing, and leave standard input and pipes to the import.")};
    QCommandLineOption window{u"window"_s,
                              Message::tr("Open the window with the PATHs listed, instead of importing them (as a "
                                          "file manager's \"Open With\" does).")};
    QCommandLineOption force{{u"f"_s, u"force"_s},
                             Message::tr("Replace FILE when it exists, by a new file with its permissions, owner "
                                         "and group (hard links to it keep the old content).")};
    QCommandLineOption quiet{{u"q"_s, u"quiet"_s},
                             Message::tr("No progress.")};
};

const Options &cliOptions()
{
    static const Options all;
    return all;
}

// The options in the order the help lists them.
QList<QCommandLineOption> importOptions()
{
    const Options &o = cliOptions();
    return {o.output, o.sheetPerFile, o.sheetsAsListed, o.split, o.separator, o.quotes, o.extension, o.encoding,
            o.listEncodings, o.skipLines, o.header, o.rename, o.numbers, o.dates, o.fileColumn, o.continueSheets,
            o.reportSheet, o.report, o.dryRun, o.window, o.force, o.quiet};
}

QString positionalDescription()
{
    return Message::tr("Text files and folders to import; - for standard input.");
}

HelpEntry entryOf(const QCommandLineOption &option)
{
    QStringList names;
    for (const QString &name : option.names())
        names.append((name.size() == 1 ? u"-"_s : u"--"_s) + name);
    QString shown = names.join(u", "_s);
    if (!option.valueName().isEmpty())
        shown += u" <"_s + option.valueName() + u'>';
    return {shown, option.description()};
}

// The forms the program is run in, first among them the import; then the
// options, the paths and the rules, wrapped at the terminal's width as its
// columns count them (a Japanese character takes two).
QString helpText()
{
    const int width = terminalWidth() - 1;
    QList<HelpEntry> options;
    for (const QCommandLineOption &option : importOptions())
        options.append(entryOf(option));
    // Qt's own, in Qt's words.
    const auto qt = [](const char *text) { return QCoreApplication::translate("QCommandLineParser", text); };
    options.append({u"-h, --help"_s, qt("Displays help on commandline options.")});
    options.append({u"--help-all"_s, qt("Displays help including Qt specific options.")});
    options.append({u"-v, --version"_s, qt("Displays version information.")});
    const QList<HelpEntry> arguments{{u"PATH"_s, positionalDescription()}};
    const int column = descriptionColumn(options + arguments);
    return Message::tr("Usage: quillora [OPTION]... PATH...\n"
                       "  or:  quillora [--window [PATH]...]\n"
                       "  or:  quillora --dry-run [OPTION]... PATH...")
        + u'\n'
        + wrappedAt(Message::tr("Load text files into a spreadsheet: each line a row, each piece a cell, as text."),
                    width)
        + u"\n\n"_s + qt("Options:") + u'\n' + helpEntries(options, column, width) + u'\n' + qt("Arguments:") + u'\n'
        + helpEntries(arguments, column, width) + wrappedAt(helpRules(), width);
}

ParsedCommandLine usageError(const QString &reason)
{
    return {ParsedCommandLine::Action::UsageError, {}, reason};
}

void setUpParser(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        Message::tr("Load text files into a spreadsheet: each line a row, each piece a cell, as text."));
    // -fq, -qo FILE and -oFILE, as other Unix tools take them.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    parser.addOptions(importOptions());
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(u"PATH"_s, positionalDescription(), u"PATH..."_s);
}

QString encodingList()
{
    QString list;
    for (const KnownEncoding &known : knownEncodings())
        list += u"%1  %2\n"_s.arg(QString::fromLatin1(known.name), -14).arg(known.label());
    return list + u"auto            "_s + Message::tr("Found for each file (the default)") + u'\n';
}

std::optional<FileColumn> fileColumnOf(const QString &shown)
{
    if (shown == u"relative")
        return FileColumn::Relative;
    if (shown == u"name")
        return FileColumn::Name;
    if (shown == u"path")
        return FileColumn::Path;
    return std::nullopt;
}

// --file-column alone means --file-column=relative: the parser knows no
// option whose value may be left out.
// The options whose value may be left out: "--file-column" alone is
// "--file-column=relative", "--numbers" alone "--numbers=auto".
QStringList withOptionalValues(QStringList arguments)
{
    for (QString &argument : arguments) {
        if (argument == u"--")
            break;
        if (argument == u"--file-column")
            argument = u"--file-column=relative"_s;
        if (argument == u"--numbers")
            argument = u"--numbers=auto"_s;
    }
    return arguments;
}

std::optional<DecimalSign> decimalSignOf(const QString &sign)
{
    if (sign == u"auto")
        return DecimalSign::Automatic;
    if (sign == u"point")
        return DecimalSign::Point;
    if (sign == u"comma")
        return DecimalSign::Comma;
    return std::nullopt;
}

std::optional<QString> splitOf(const QString &where)
{
    if (const Separator *separator = separatorNamed(where))
        return separator->text.toString();
    return std::nullopt;
}
} // namespace

QString printable(QStringView text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const char16_t u = c.unicode();
        static constexpr char16_t Named[] = u"\a\b\t\n\v\f\r";
        static constexpr char16_t Letters[] = u"abtnvfr";
        if (u == u'\\') {
            shown += u"\\\\"_s;
        } else if (const auto *named = std::char_traits<char16_t>::find(Named, 7, u)) {
            shown += u'\\';
            shown += QChar(Letters[named - Named]);
        } else if (u < 0x20 || u == 0x7F) {
            shown += u"\\%1"_s.arg(uint(u), 3, 8, QChar(u'0'));
        } else if (u >= 0x80 && u < 0xA0) {
            shown += u"\\u%1"_s.arg(uint(u), 4, 16, QChar(u'0'));
        } else if (isUndecodedByteAt(text, i)) {
            // A byte of a name that is not UTF-8.
            shown += u"\\x%1"_s.arg(uint(u - 0xDC00), 2, 16, QChar(u'0'));
        } else {
            shown += c;
        }
    }
    return shown;
}

std::optional<DocumentFormat> formatOfFile(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"ods")
        return DocumentFormat::Ods;
    if (suffix == u"xlsx")
        return DocumentFormat::Xlsx;
    if (suffix == u"fods")
        return DocumentFormat::Fods;
    return std::nullopt;
}

std::optional<QStringList> windowPaths(const QStringList &arguments)
{
    const qsizetype end = arguments.contains(u"--"_s) ? arguments.indexOf(u"--"_s) : arguments.size();
    const qsizetype at = arguments.indexOf(u"--window"_s);
    if (at < 1 || at >= end)
        return std::nullopt;
    QStringList paths = arguments.mid(1);
    paths.removeAt(at - 1);
    paths.removeOne(u"--"_s);
    return paths;
}

namespace {
// Where lines are cut: --split or --separator. Returns what is wrong with
// them, or nothing.
QString readSplit(const QCommandLineParser &parser, ReadOptions &read)
{
    if (parser.isSet(cliOptions().split) && parser.isSet(cliOptions().separator))
        return Message::tr("--split and --separator exclude each other.");
    if (parser.isSet(cliOptions().split)) {
        read.ownSeparator = parser.value(cliOptions().split) == u"auto";
        read.split = splitOf(parser.value(cliOptions().split));
        if (!read.split && !read.ownSeparator)
            return Message::tr("--split takes space, comma, tab, semicolon, pipe or auto, not \"%1\".").arg(
                parser.value(cliOptions().split));
    }
    if (parser.isSet(cliOptions().separator)) {
        const QString separator = parser.value(cliOptions().separator);
        if (separator.isEmpty())
            return Message::tr("--separator needs a text to cut at.");
        if (separator.contains(u'\n') || separator.contains(u'\r'))
            return Message::tr("--separator cannot hold a line break: a line break ends the line, not a cell.");
        read.split = separator;
    }
    return {};
}

// --output: a file of a format it names by its ending, not replaced without
// --force. Returns what is wrong with it, or nothing.
QString readOutput(const QCommandLineParser &parser, CommandLineOptions &options)
{
    if (!parser.isSet(cliOptions().output))
        return {};
    options.output = parser.value(cliOptions().output);
    const std::optional<DocumentFormat> format = formatOfFile(options.output);
    if (!format)
        return Message::tr("%1: the file must end in .ods, .xlsx or .fods.").arg(options.output);
    options.format = *format;
    // Not even looked at without --force: a file that is there stays.
    struct stat existing{};
    if (!options.force && ::lstat(encodePath(options.output).constData(), &existing) == 0)
        return Message::tr("%1 exists; --force replaces it.").arg(options.output);
    return {};
}
} // namespace

ParsedCommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    setUpParser(parser);
    if (!parser.parse(withOptionalValues(arguments)))
        return usageError(parser.errorText());
    if (parser.isSet(u"help"_s) || parser.isSet(u"help-all"_s))
        return {ParsedCommandLine::Action::Help, {}, helpText()};
    if (parser.isSet(u"version"_s))
        return {ParsedCommandLine::Action::Version, {},
                QCoreApplication::applicationName().toLower() + u' ' + QCoreApplication::applicationVersion()
                    + u'\n'};

    if (parser.isSet(cliOptions().listEncodings))
        return {ParsedCommandLine::Action::ListEncodings, {}, encodingList()};

    CommandLineOptions options;
    const QString encoding = parser.value(cliOptions().encoding);
    if (parser.isSet(cliOptions().encoding) && encoding.compare(u"auto"_s, Qt::CaseInsensitive) != 0) {
        options.read.encoding = encodingNamed(encoding.toLatin1());
        if (!options.read.encoding || encoding.toLatin1() != encoding.toUtf8())
            return usageError(
                Message::tr("unknown encoding \"%1\"; --list-encodings lists the usual ones.").arg(encoding));
    }
    options.read.header = parser.isSet(cliOptions().header);
    options.read.dates = parser.isSet(cliOptions().dates);
    if (parser.isSet(cliOptions().numbers)) {
        options.read.numbers = decimalSignOf(parser.value(cliOptions().numbers));
        if (!options.read.numbers)
            return usageError(
                Message::tr("--numbers takes auto, point or comma, not \"%1\".").arg(parser.value(cliOptions().numbers)));
    }
    options.sheets.continueSheets = parser.isSet(cliOptions().continueSheets);
    options.sheets.sheetsAsListed = parser.isSet(cliOptions().sheetsAsListed);
    options.sheets.reportSheet = parser.isSet(cliOptions().reportSheet);
    options.report = parser.value(cliOptions().report);
    for (const QString &text : parser.values(cliOptions().rename)) {
        const std::optional<Rename> rename = renameOf(text);
        if (!rename)
            return usageError(Message::tr("--rename takes OLD=NEW, two names, not \"%1\".").arg(text));
        options.sheets.renames.append(*rename);
    }
    options.dryRun = parser.isSet(cliOptions().dryRun);
    if (parser.isSet(cliOptions().skipLines)) {
        bool number = false;
        options.read.skipToTable = parser.value(cliOptions().skipLines).compare(u"auto"_s, Qt::CaseInsensitive) == 0;
        options.read.linesToSkip = options.read.skipToTable ? 0 : parser.value(cliOptions().skipLines).toLongLong(&number);
        if (!options.read.skipToTable && (!number || options.read.linesToSkip < 0))
            return usageError(Message::tr("--skip-lines takes a number of lines, not \"%1\".")
                                  .arg(parser.value(cliOptions().skipLines)));
    }
    if (parser.isSet(cliOptions().fileColumn)) {
        const auto shown = fileColumnOf(parser.value(cliOptions().fileColumn));
        if (!shown)
            return usageError(Message::tr("--file-column takes relative, name or path, not \"%1\".").arg(
                parser.value(cliOptions().fileColumn)));
        options.read.fileColumn = *shown;
    }
    options.paths = parser.positionalArguments();
    if (options.paths.isEmpty())
        return usageError(Message::tr("no PATH given."));
    options.sheets.oneSheet = !parser.isSet(cliOptions().sheetPerFile) && !parser.isSet(cliOptions().sheetsAsListed);
    options.force = parser.isSet(cliOptions().force);
    options.quiet = parser.isSet(cliOptions().quiet);
    options.read.quotes = parser.isSet(cliOptions().quotes);
    // ".txt" and "*.txt" mean what "txt" means.
    options.extension = parser.value(cliOptions().extension);
    while (options.extension.startsWith(u'*') || options.extension.startsWith(u'.'))
        options.extension.remove(0, 1);
    if (const QString wrong = readSplit(parser, options.read); !wrong.isEmpty())
        return usageError(wrong);
    if (const QString wrong = readOutput(parser, options); !wrong.isEmpty())
        return usageError(wrong);
    return {ParsedCommandLine::Action::Import, options, {}};
}

namespace {
// An .xlsx file keeps a temporary file a sheet until it is written (so does
// libxlsxwriter): a sheet per file of a thousand files needs more open files
// than the usual soft limit allows. It is raised as far as the hard limit.
void allowManyOpenFiles()
{
    rlimit files{};
    if (::getrlimit(RLIMIT_NOFILE, &files) != 0 || files.rlim_cur == files.rlim_max)
        return;
    files.rlim_cur = files.rlim_max;
    ::setrlimit(RLIMIT_NOFILE, &files);
}
} // namespace

int runQuilloraCommand(const QStringList &arguments, Console &console, const QString &programFolder)
{
    const ParsedCommandLine parsed = parseCommandLine(arguments);
    switch (parsed.action) {
    case ParsedCommandLine::Action::Help:
    case ParsedCommandLine::Action::Version:
    case ParsedCommandLine::Action::ListEncodings:
        console.out << parsed.text;
        console.out.flush();
        if (console.out.status() != QTextStream::Ok) {
            console.err << Message::tr("quillora: standard output cannot be written.") << u'\n';
            console.err.flush();
            return ExitStatus::SomethingFailed;
        }
        return ExitStatus::Success;
    case ParsedCommandLine::Action::UsageError:
        console.err << u"quillora: "_s << parsed.text << u'\n'
                    << Message::tr("Try 'quillora --help' for more information.") << u'\n';
        console.err.flush();
        return ExitStatus::Usage;
    case ParsedCommandLine::Action::Import:
        break;
    }
    Interruption::install();
    allowManyOpenFiles();
    if (parsed.options.dryRun) {
        // Nothing is started: the writer's document model only gives the limits.
        writer::DocumentWriter writer(parsed.options.format);
        return CommandLineImport(parsed.options, console, writer).run();
    }
    if (!parsed.options.output.isEmpty()) {
        // A file needs no office: the document writer makes it.
        writer::DocumentWriter writer(parsed.options.format);
        return CommandLineImport(parsed.options, console, writer, CommandLineImport::storedBy(writer)).run();
    }
    if (!documentCanBeShown()) {
        // LibreOffice would have nowhere to show the document, and would
        // keep it, unseen, in an office nobody can reach.
        console.err << Message::tr("quillora: there is no display to show the document in Calc on; --output FILE writes it "
                       "into a file instead.\n");
        console.err.flush();
        return ExitStatus::Usage;
    }
    QString why;
    const std::unique_ptr<SpreadsheetModule> module = SpreadsheetModule::load(moduleFolderFor(programFolder), &why);
    if (!module) {
        console.err << Message::tr("quillora: LibreOffice is not available: %1").arg(why) << u'\n';
        console.err.flush();
        return ExitStatus::NoSpreadsheet;
    }
    return CommandLineImport(parsed.options, console, module->provider()).run();
}

} // namespace quillora
