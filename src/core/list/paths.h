// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

namespace quillora {

// File names are bytes; most are UTF-8, but old archives and shares bring
// others (Latin-1, say). A name is decoded so that it comes back to the same
// bytes: every byte that is not part of valid UTF-8 stands as a character of
// its own, U+DC80 to U+DCFF, which valid text never holds. Every path that
// reaches the system goes through encodePath.
QString decodePath(QByteArrayView bytes);
QByteArray encodePath(QStringView path);
// Whether text[i] stands for such a byte: U+DC80 to U+DCFF that is not the
// second half of a character outside the BMP.
bool isUndecodedByteAt(QStringView text, qsizetype i);
// Whether the path holds such a byte.
bool holdsUndecodedBytes(QStringView path);

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
inline constexpr QStringView Title = u"Add File(s) - Use Ctrl & Shift to select multiple files";
inline constexpr QStringView Filter = u"Text Files (*.txt)|*.txt|All Files (*.*)|*.*|";

// Builds the selection text; nullopt when it does not fit the buffer.
std::optional<QString> selectionText(const QStringList &paths);

// The dialog filter turned into Qt's form; "*.*" becomes "*" so that names
// without a dot are listed too.
QStringList qtFilters(QStringView filter);
} // namespace OpenDialog

} // namespace quillora
