// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/reading/optionwords.h"

#include <QCommandLineOption>
#include <QCoreApplication>
#include <QList>

namespace quillora {

// The command line's messages, in one translation context.
struct CommandLineMessage
{
    Q_DECLARE_TR_FUNCTIONS(quillora::CommandLine)
};

// The options, described in the user's language: made when first asked
// for, once the translations are installed.
struct CommandLineOptionTable
{
    QCommandLineOption output{{QStringLiteral("o"), QStringLiteral("output")},
                              CommandLineMessage::tr("Write the document into FILE instead of showing it in Calc; the format "
                                          "follows the extension: .ods, .xlsx or .fods. Needs no LibreOffice."),
                              //: the placeholder of --help for a file, as the option's text names it
                              CommandLineMessage::tr("FILE")};
    QCommandLineOption sheetPerFile{QStringLiteral("sheet-per-file"),
                                    CommandLineMessage::tr("A sheet per file (default: all files on one sheet).")};
    QCommandLineOption sheetsAsListed{QStringLiteral("sheets-as-listed"),
                                      CommandLineMessage::tr("A sheet per file, in the order the files are given, each named "
                                                  "as its file is (2024-01.csv); implies --sheet-per-file.")};
    QCommandLineOption split{QStringLiteral("split"),
                             CommandLineMessage::tr("space, comma, tab, semicolon or pipe: cut each line into cells there; "
                                         "auto: each file at its own separator (comma, semicolon, tab or pipe), "
                                         "found from its start."),
                             //: the placeholder of --help for where lines are cut, as the option's text names it
                              CommandLineMessage::tr("WHERE")};
    QCommandLineOption separator{QStringLiteral("separator"),
                                 CommandLineMessage::tr("Cut each line into cells at TEXT (any text, several characters "
                                             "allowed)."),
                                 //: the placeholder of --help for a separator text, as the option's text names it
                              CommandLineMessage::tr("TEXT")};
    QCommandLineOption extension{QStringLiteral("extension"),
                                 CommandLineMessage::tr("For a folder PATH: its files whose names end in .EXT, walked as "
                                             "\"Add All File(s) In Folder\" walks (default: every file, as a "
                                             "drop)."),
                                 //: the placeholder of --help for a file name's ending, as the option's text names it
                              CommandLineMessage::tr("EXT")};
    QCommandLineOption quotes{QStringLiteral("quotes"),
                              CommandLineMessage::tr("Keep text in double quotes together, as in CSV files: a separator or a "
                                          "line break inside quotes belongs to the cell, \"\" is one quote.")};
    QCommandLineOption encoding{QStringLiteral("encoding"),
                                CommandLineMessage::tr("Read files without a byte-order mark in NAME: any encoding Qt reads, "
                                            "in any case (--list-encodings lists the usual ones); auto, the "
                                            "default, finds each file's."),
                                //: the placeholder of --help for an encoding's name, as the option's text names it
                              CommandLineMessage::tr("NAME")};
    QCommandLineOption listEncodings{QStringLiteral("list-encodings"),
                                     CommandLineMessage::tr("List the encodings people meet, by the name --encoding takes.")};
    QCommandLineOption skipLines{QStringLiteral("skip-lines"),
                                 CommandLineMessage::tr("Leave out the first N rows of each file (a title, an \"exported "
                                             "by\" line); auto: each file's rows above its table."),
                                 //: the placeholder of --help for a number of lines, as the option's text names it
                              CommandLineMessage::tr("N")};
    QCommandLineOption header{QStringLiteral("header"),
                              CommandLineMessage::tr("A file's first row (after those skipped) is its header: on one sheet "
                                          "the headers' names are the first row, once, and each file's cells go "
                                          "under the columns of their names.")};
    QCommandLineOption rename{QStringLiteral("rename"),
                              CommandLineMessage::tr("With --header: a column named OLD counts as NEW before names are "
                                          "matched (\"client=customer\"; an \"=\" of a name is written \"\\=\"); "
                                          "may be given again."),
                              //: the placeholder of --help for two header names, as the option's text names it
                              CommandLineMessage::tr("OLD=NEW")};
    QCommandLineOption numbers{QStringLiteral("numbers"),
                               CommandLineMessage::tr("Store a cell as a number where its whole text is one and nothing "
                                           "changes (1234.50 shows 1234.50; 007, 1e5, 1,234.50 and ids past 15 "
                                           "digits stay text), its decimals written with SIGN: auto (the default: "
                                           "each file's own, as its numbers show it; where they show none, a "
                                           "comma in files cut at semicolons, a point otherwise), point or comma."),
                               wordsOf(DecimalSignWords)};
    QCommandLineOption dates{QStringLiteral("dates"),
                             CommandLineMessage::tr("Store a cell whose whole text is a date as a date, shown as the file "
                                         "wrote it: ISO (2024-03-01), and day, month and four-digit year parted by "
                                         "/, . or - in the order the file's own dates settle (31/12/2024: day "
                                         "first); a column whose dates could be either stays text.")};
    QCommandLineOption column{QStringLiteral("column"),
                              CommandLineMessage::tr("The kind of a column, by its header name (after renames) or its "
                                          "number from 1: text, number, date-dmy, date-mdy, date-ymd, or skip to "
                                          "leave it out; a cell that cannot be its column's kind stays text. May be "
                                          "given again."),
                              //: the placeholder of --help for a column and its kind, as the option's text names it
                              CommandLineMessage::tr("NAME=TYPE")};
    QCommandLineOption fileColumn{QStringLiteral("file-column"),
                                  CommandLineMessage::tr("A first column with each row's file: its path below the folder "
                                              "that holds all the files (relative, the default), its name, or its "
                                              "whole path."),
                                  wordsOf(FileColumnWords)};
    QCommandLineOption continueSheets{QStringLiteral("continue-sheets"),
                                      CommandLineMessage::tr("When a sheet is full, go on with the rest on a new sheet after "
                                                  "it (\"NAME (2)\", ...), instead of leaving the rest out.")};
    QCommandLineOption reportSheet{QStringLiteral("report-sheet"),
                                   CommandLineMessage::tr("Add a sheet listing each file, last in the document: the sheet and "
                                               "rows it landed on, its encoding, separator, decimal sign, rows, "
                                               "columns, header changes and notes.")};
    QCommandLineOption report{QStringLiteral("report"),
                              CommandLineMessage::tr("Write the same list into FILE as well, as CSV, or as JSON Lines where "
                                          "its name ends in .jsonl or .json; also with --dry-run. A FILE there is replaced only with "
                                          "--force."),
                              CommandLineMessage::tr("FILE")};
    QCommandLineOption dryRun{QStringLiteral("dry-run"),
                              CommandLineMessage::tr("Print what the import would do: each file's encoding, rows, widest row "
                                          "and a separator it looks cut at, then the sheets and their rows; write "
                                          "and start nothing, and leave standard input and pipes to the import.")};
    QCommandLineOption window{QStringLiteral("window"),
                              CommandLineMessage::tr("Open the window with the PATHs listed, instead of importing them (as a "
                                          "file manager's \"Open With\" does).")};
    QCommandLineOption force{{QStringLiteral("f"), QStringLiteral("force")},
                             CommandLineMessage::tr("Replace FILE when it exists, by a new file with its permissions, owner "
                                         "and group (hard links to it keep the old content).")};
    QCommandLineOption quiet{{QStringLiteral("q"), QStringLiteral("quiet")},
                             CommandLineMessage::tr("No progress.")};
};

const CommandLineOptionTable &cliOptions();
// The options in the order the help lists them.
QList<QCommandLineOption> importOptions();

} // namespace quillora
