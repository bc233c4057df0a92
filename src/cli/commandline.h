// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/import/importinterfaces.h"
#include "core/reading/readoptions.h"
#include "writer/documentwriter.h"

#include <QString>
#include <QStringList>

#include <optional>

class QTextStream;

namespace quillora {

// What a command line asks for.
struct CommandLineOptions
{
    QStringList paths;
    // Empty: the document opens in a visible Calc.
    QString output;
    DocumentFormat format = DocumentFormat::Ods;
    // For folder paths: the extension their files must have; empty: every file.
    QString extension;
    // How each file is read and cut.
    ReadOptions read;
    // How the sheets are laid out: --sheet-per-file, --sheets-as-listed,
    // --continue-sheets, --rename OLD=NEW, --report-sheet.
    SheetOptions sheets;
    // Where each file's account goes (--report=FILE): CSV, or JSON Lines
    // for a name ending in .jsonl or .json; empty: nowhere.
    QString report;
    // Print what an import would do, and do nothing.
    bool dryRun = false;
    bool force = false;
    bool quiet = false;
};

struct ParsedCommandLine
{
    enum class Action { Import, Help, Version, ListEncodings, UsageError };
    Action action = Action::UsageError;
    CommandLineOptions options;
    // The help text, the list of encodings, or the one-line reason of a
    // usage error.
    QString text;
};

// Exit statuses of a command-line run.
namespace ExitStatus {
inline constexpr int Success = 0;
inline constexpr int SomethingFailed = 1; // a file not read, cells that did not fit, a failed store
inline constexpr int Usage = 2;
inline constexpr int NoSpreadsheet = 3; // LibreOffice missing, or lost during the run
// A signal ends a run with 128 plus its number.
} // namespace ExitStatus

// Text for a terminal, one line: control characters (escape, bell, line
// breaks) and backslashes shown escaped as ls -b shows them, so that no file
// name can move the cursor, change colours or split a report.
QString printable(QStringView text);

// With --window anywhere before "--", the window opens with the other
// arguments listed as paths: those paths; nullopt for a command-line run.
std::optional<QStringList> windowPaths(const QStringList &arguments);

// Reads the arguments (the program's name first), without exiting or
// printing: the caller decides what to show.
ParsedCommandLine parseCommandLine(const QStringList &arguments);

// The format a file name asks for by its extension; nullopt for any other.
std::optional<DocumentFormat> formatOfFile(const QString &path);

// Where a command-line run writes: standard output for help and version,
// standard error for progress and reports; terminal says whether standard
// error is one (progress is drawn only then).
struct Console
{
    QTextStream &out;
    QTextStream &err;
    bool terminal = false;
};

// The whole command: parses, and runs the import into a file of its own
// making (--output) or into a Calc document found through the bridge next to
// the program. Returns the exit status.
int runQuilloraCommand(const QStringList &arguments, Console &console, const QString &programFolder);

} // namespace quillora
