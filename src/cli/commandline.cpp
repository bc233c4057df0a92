// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commandline.h"

#include "cli/commandlineimport.h"
#include "cli/commandlineoptions.h"
#include "cli/display.h"
#include "cli/helplayout.h"
#include "cli/helprules.h"
#include "cli/interruption.h"
#include "cli/writtenfiles.h"
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
QString positionalDescription()
{
    return CommandLineMessage::tr("Text files and folders to import; - for standard input.");
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
    return CommandLineMessage::tr("Usage: quillora [OPTION]... PATH...\n"
                       "  or:  quillora [--window [PATH]...]\n"
                       "  or:  quillora --dry-run [OPTION]... PATH...")
        + u'\n'
        + wrappedAt(CommandLineMessage::tr("Load text files into a spreadsheet: each line a row, each piece a cell, as text."),
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
        CommandLineMessage::tr("Load text files into a spreadsheet: each line a row, each piece a cell, as text."));
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
    return list + u"auto            "_s + CommandLineMessage::tr("Found for each file (the default)") + u'\n';
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
        return CommandLineMessage::tr("--split and --separator exclude each other.");
    if (parser.isSet(cliOptions().split)) {
        const QString where = parser.value(cliOptions().split);
        read.cut = where == u"auto" ? Cutting::ownSeparator() : Cutting::at(splitOf(where));
        if (!read.cut.cuts())
            return CommandLineMessage::tr("--split takes space, comma, tab, semicolon, pipe or auto, not \"%1\".").arg(
                parser.value(cliOptions().split));
    }
    if (parser.isSet(cliOptions().separator)) {
        const QString separator = parser.value(cliOptions().separator);
        if (separator.isEmpty())
            return CommandLineMessage::tr("--separator needs a text to cut at.");
        if (separator.contains(u'\n') || separator.contains(u'\r'))
            return CommandLineMessage::tr("--separator cannot hold a line break: a line break ends the line, not a cell.");
        read.cut = Cutting::at(separator);
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
        return CommandLineMessage::tr("%1: the file must end in .ods, .xlsx or .fods.").arg(options.output);
    options.format = *format;
    // Not even looked at without --force: a file that is there stays.
    struct stat existing{};
    if (!options.force && ::lstat(encodePath(options.output).constData(), &existing) == 0)
        return CommandLineMessage::tr("%1 exists; --force replaces it.").arg(options.output);
    return {};
}
} // namespace

namespace {
// How each file is read, as the options say; the reason of a usage error, or
// nothing.
QString readCells(const QCommandLineParser &parser, ReadOptions &read)
{
    const CommandLineOptionTable &o = cliOptions();
    const QString encoding = parser.value(o.encoding);
    if (parser.isSet(o.encoding) && encoding.compare(u"auto"_s, Qt::CaseInsensitive) != 0) {
        read.encoding = encodingNamed(encoding.toLatin1());
        if (!read.encoding || encoding.toLatin1() != encoding.toUtf8())
            return CommandLineMessage::tr("unknown encoding \"%1\"; --list-encodings lists the usual ones.").arg(encoding);
    }
    read.header = parser.isSet(o.header);
    read.dates = parser.isSet(o.dates);
    read.quotes = parser.isSet(o.quotes);
    if (parser.isSet(o.numbers)) {
        read.numbers = valueOfWord(DecimalSignWords, parser.value(o.numbers));
        if (!read.numbers)
            return CommandLineMessage::tr("--numbers takes auto, point or comma, not \"%1\".").arg(parser.value(o.numbers));
    }
    if (parser.isSet(o.skipLines)) {
        bool number = false;
        read.skipToTable = parser.value(o.skipLines).compare(u"auto"_s, Qt::CaseInsensitive) == 0;
        read.linesToSkip = read.skipToTable ? 0 : parser.value(o.skipLines).toLongLong(&number);
        if (!read.skipToTable && (!number || read.linesToSkip < 0))
            return CommandLineMessage::tr("--skip-lines takes a number of lines, not \"%1\".").arg(parser.value(o.skipLines));
    }
    if (parser.isSet(o.fileColumn)) {
        const auto shown = valueOfWord(FileColumnWords, parser.value(o.fileColumn));
        if (!shown)
            return CommandLineMessage::tr("--file-column takes relative, name or path, not \"%1\".")
                .arg(parser.value(o.fileColumn));
        read.fileColumn = *shown;
    }
    return readSplit(parser, read);
}

// How the sheets are laid out; the reason of a usage error, or nothing.
QString readSheets(const QCommandLineParser &parser, SheetOptions &sheets)
{
    const CommandLineOptionTable &o = cliOptions();
    sheets.oneSheet = !parser.isSet(o.sheetPerFile) && !parser.isSet(o.sheetsAsListed);
    sheets.continueSheets = parser.isSet(o.continueSheets);
    sheets.sheetsAsListed = parser.isSet(o.sheetsAsListed);
    sheets.reportSheet = parser.isSet(o.reportSheet);
    for (const QString &text : parser.values(o.rename)) {
        const std::optional<Rename> rename = renameOf(text);
        if (!rename)
            return CommandLineMessage::tr("--rename takes OLD=NEW, two names, not \"%1\".").arg(text);
        sheets.renames.append(*rename);
    }
    for (const QString &text : parser.values(o.column)) {
        const std::optional<ColumnChoice> choice = columnChoiceOf(text);
        if (!choice)
            return CommandLineMessage::tr("--column takes NAME=TYPE, TYPE one of %1, not \"%2\".")
                .arg(kindWords().join(u", "_s), text);
        sheets.columnChoices.append(*choice);
    }
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
    options.paths = parser.positionalArguments();
    options.report = parser.value(cliOptions().report);
    options.dryRun = parser.isSet(cliOptions().dryRun);
    options.force = parser.isSet(cliOptions().force);
    options.quiet = parser.isSet(cliOptions().quiet);
    // ".txt" and "*.txt" mean what "txt" means.
    options.extension = parser.value(cliOptions().extension);
    while (options.extension.startsWith(u'*') || options.extension.startsWith(u'.'))
        options.extension.remove(0, 1);
    for (const QString &wrong : {readCells(parser, options.read), readSheets(parser, options.sheets)}) {
        if (!wrong.isEmpty())
            return usageError(wrong);
    }
    if (options.paths.isEmpty())
        return usageError(CommandLineMessage::tr("no PATH given."));
    if (const QString wrong = readOutput(parser, options); !wrong.isEmpty())
        return usageError(wrong);
    if (const QString wrong = writtenFilesProblem(options); !wrong.isEmpty())
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
            console.err << CommandLineMessage::tr("quillora: standard output cannot be written.") << u'\n';
            console.err.flush();
            return ExitStatus::SomethingFailed;
        }
        return ExitStatus::Success;
    case ParsedCommandLine::Action::UsageError:
        console.err << u"quillora: "_s << parsed.text << u'\n'
                    << CommandLineMessage::tr("Try 'quillora --help' for more information.") << u'\n';
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
        console.err << CommandLineMessage::tr("quillora: there is no display to show the document in Calc on; --output FILE writes it "
                       "into a file instead.\n");
        console.err.flush();
        return ExitStatus::Usage;
    }
    QString why;
    const std::unique_ptr<SpreadsheetModule> module = SpreadsheetModule::load(moduleFolderFor(programFolder), &why);
    if (!module) {
        console.err << CommandLineMessage::tr("quillora: LibreOffice is not available: %1").arg(why) << u'\n';
        console.err.flush();
        return ExitStatus::NoSpreadsheet;
    }
    return CommandLineImport(parsed.options, console, module->provider()).run();
}

} // namespace quillora
