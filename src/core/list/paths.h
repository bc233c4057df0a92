// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace quillora {

// Collapses every run of "/" to one, a leading run included, so paths built
// from a folder that ends in "/" and a name get single separators.
QString RemoveDoubleBackslashes(const QString &path);

// What follows the last "/"; the whole path when it holds none.
QString FileNameOf(const QString &path);

// What a column of each row's file shows of it.
enum class FileColumn {
    None,
    Relative, // the path below the deepest folder that holds every file listed
    Name,     // the file's name alone
    Path,     // the whole path, as listed
};

// The deepest folder that holds every path, ending in "/" ("/data/" for
// /data/north/jan.csv and /data/south/jan.csv); empty where they share none.
QString commonFolder(const QStringList &paths);
// What the file column shows of path; folder is the paths' common folder.
QString shownFileName(const QString &path, FileColumn shown, const QString &folder);

// The open dialog's selection as the dialog control hands it over: one path
// alone, or the folder and each name, separated by NUL characters.
namespace OpenDialog {
inline constexpr int MaxFileSize = 30000;
// Translated where shown; a translation keeps the patterns and the bars.
inline constexpr const char *Title =
    QT_TRANSLATE_NOOP("quillora::OpenDialog", "Add File(s) - Use Ctrl & Shift to select multiple files");
inline constexpr const char *Filter =
    QT_TRANSLATE_NOOP("quillora::OpenDialog",
                      "Text Files (*.txt)|*.txt|Text and CSV Files (*.txt *.csv *.tsv *.tab *.psv *.dat *.log)|"
                      "*.txt;*.csv;*.tsv;*.tab;*.psv;*.dat;*.log|All Files (*.*)|*.*|");

// Builds the selection text; nullopt when it does not fit the buffer.
std::optional<QString> selectionText(const QStringList &paths);

// The dialog filter turned into Qt's form; "*.*" becomes "*" so that names
// without a dot are listed too.
QStringList qtFilters(QStringView filter);
} // namespace OpenDialog

} // namespace quillora
