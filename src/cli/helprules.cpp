// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/helprules.h"

#include "core/product.h"

#include <QCoreApplication>

namespace quillora {

// Usage, one line, the options, then this: the rules, the exit status and
// where to report problems, as Unix programs' help reads.
QString helpRules()
{
    // A paragraph each; the help wraps them at the terminal's width.
    const char *const paragraphs[] = {
        QT_TRANSLATE_NOOP("quillora::CommandLine",
                          "Paths:\n"
                          "  PATHs are taken in the order given; a folder brings its files and those of every folder below\n"
                          "  it, level by level (hidden files and folders are passed over); - is standard input. Without\n"
                          "  arguments, or with --window, the window opens, with the PATHs listed."),
        QT_TRANSLATE_NOOP("quillora::CommandLine",
                          "Compressed files and archives:\n"
                          "  A file compressed whole with gzip, bzip2, xz or zstd is read as the text it holds, told by its\n"
                          "  first bytes whatever its name (standard input too); a damaged or cut one is told, naming it.\n"
                          "  A .zip archive is a folder: its members are named as paths below it (2024.zip/north/jan.csv),\n"
                          "  and a folder's --extension brings its members and compressed files of that extension."),
        QT_TRANSLATE_NOOP("quillora::CommandLine",
                          "Sheets:\n"
                          "  On one sheet the files follow each other; a file that ends with a line break is followed by an\n"
                          "  empty row. With --sheet-per-file each file's sheet goes in front, so the last file's sheet comes\n"
                          "  first; a sheet is named after its file's letters, digits and spaces (notes.txt gives notestxt),\n"
                          "  with a number added when the name is taken. With --sheets-as-listed the sheets stand in the\n"
                          "  order given and keep their files' names (only []:*?/\\ become _), \" (2)\" added when taken.\n"
                          "  Names are cut to 31 characters in .xlsx. A sheet holds 1,048,576 rows; with --continue-sheets\n"
                          "  the rest goes on \"NAME (2)\" right after it."),
        QT_TRANSLATE_NOOP("quillora::CommandLine",
                          "Headers:\n"
                          "  With --header a file's first row (after --skip-lines) is its header: on one sheet the headers'\n"
                          "  names are the first row, once, in order of first appearance, and each file's cells go under\n"
                          "  the columns of their names, matched by their spelling first, then without regard to letter\n"
                          "  case and Unicode form where that leaves no doubt (\"ID\" and \"id\" of one header stay two\n"
                          "  columns); cells past a file's header go after all named columns. --rename OLD=NEW makes a\n"
                          "  column OLD count as NEW. How the headers differ is told once per change, and --dry-run shows\n"
                          "  the columns they make. --file-column puts each row's file in a first column."),
        QT_TRANSLATE_NOOP("quillora::CommandLine",
                          "Encodings:\n"
                          "  A file's encoding is found as it is read: a byte-order mark; UTF-16 or UTF-32 by their zero\n"
                          "  bytes; UTF-8, where a few stray bytes are read as windows-1252 reads them (and told); else what\n"
                          "  a statistical detector finds (Shift_JIS, GB18030, Big5, EUC-KR, windows-1251, KOI8-R, ...);\n"
                          "  else windows-1252, and told. --encoding NAME reads files without a mark in NAME instead. Bytes\n"
                          "  that are not valid in the encoding read become U+FFFD and are reported."),
        QT_TRANSLATE_NOOP("quillora::CommandLine",
                          "Exit status:\n"
                          "  0      every file was imported whole (and the document written, with --output)\n"
                          "  1      a file could not be read or held bytes not valid in its encoding, cells did not fit,\n"
                          "         or the document could not be written; the rest was still imported\n"
                          "  2      a usage error, or no display where one is needed\n"
                          "  3      LibreOffice is missing, or was lost during the run\n"
                          "  128+N  signal N (INT, TERM, HUP) ended the run; its temporary files went with it"),
    };
    QString text;
    for (const char *paragraph : paragraphs)
        text += u'\n' + QCoreApplication::translate("quillora::CommandLine", paragraph) + u'\n';
    return text + u'\n'
        + QCoreApplication::translate("quillora::CommandLine", "Report bugs at %1 or to %2.")
              .arg(Product::IssuesPage, Product::SupportAddress)
        + u'\n';
}

} // namespace quillora
