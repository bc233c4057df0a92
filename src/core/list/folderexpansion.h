// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/errorreport.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <set>
#include <utility>

namespace quillora {

// File attributes as the list's tests know them: read-only when its
// permissions do not let its owner (or group, or others, as the user is)
// write it; hidden when its name begins with "."; system never; archive on
// every regular file; reparse point on a symbolic link.
namespace FileAttribute {
inline constexpr int ReadOnly = 1;
inline constexpr int Hidden = 2;
inline constexpr int System = 4;
inline constexpr int Directory = 16;
inline constexpr int Archive = 32;
inline constexpr int ReparsePoint = 1024;
// A hidden system folder, without and with the reparse point.
inline constexpr int HiddenSystemFolder = Hidden | System | Directory;
inline constexpr int HiddenSystemLink = HiddenSystemFolder | ReparsePoint;
// A hidden writable file: never appended by a walk.
inline constexpr int HiddenFile = Hidden | Archive;
} // namespace FileAttribute

// The attribute value of a path, links followed for the kind of file; nullopt
// when it cannot be read. Never throws.
std::optional<int> getAttributes(const QString &path);

// The path names an existing folder (links followed). Never throws.
bool IsFolder(const QString &path);
// A name with a character that Windows-1252 lacks, a control character, "?"
// or a character it codes from 127 to 159.
bool HasUnsafeChars(QStringView name);
// Wildcard matching as file searches do it: "*" any run of characters, "?"
// one character, letters compared without regard to case; "*.*" matches
// every name, with or without a dot.
bool matchesWildcard(QStringView name, QStringView pattern);

// The names of the regular files in a folder (hidden ones included) that
// match the pattern, in sorted order; empty when the folder cannot be read.
QStringList GetFileList(const QString &folder, const QString &pattern);

// Lets the window breathe during a long walk: calls the given function when
// some milliseconds have passed since it last did. The walk ends early once
// stop says so (the window was closed).
class Breather
{
public:
    explicit Breather(std::function<void()> yield, std::function<bool()> stop = {});
    void breathe();
    bool stopped() const { return m_stop && m_stop(); }

private:
    std::function<void()> m_yield;
    std::function<bool()> m_stop;
    QElapsedTimer m_sinceYield;
};

// The folder walk: every folder below the given ones, level by level. Each
// real folder is looked into at most once per walk, so links that point back
// up end it in bounded time.
class FolderWalk
{
public:
    FolderWalk(ErrorReporter &reporter, Breather &breather);

    // Appends to folders (each ending in "/") every folder below them, level
    // by level; a folder whose subfolders cannot be listed for want of
    // permission, or because it is gone, is removed with all below it.
    void GetSubDirectories2016(QStringList &folders, bool recurse);
    // The members of a .zip archive whose names match the pattern, in the
    // archive's order, as paths below it; an archive that cannot be read,
    // and members whose names lead out of it, are reported and left out.
    QStringList archiveMembers(const QString &archive, const QString &pattern);
    // The regular files the walk saw and left out for their names (another
    // extension): told, so that a user who missed some knows why.
    qsizetype passedOver() const { return m_passedOver; }
    void passOver(qsizetype files) { m_passedOver += files; }

private:
    void lookInto(const QString &folder, QStringList &folders, qsizetype levelStart, QStringList &found);
    bool firstVisit(const QString &folder);

    GuardedOperation m_guard;
    Breather &m_breather;
    std::set<std::pair<quint64, quint64>> m_visited; // device and inode
    qsizetype m_passedOver = 0;
};

// Steps of one folder expansion, by the line numbers an operation reports
// them with; without numbers a failing step ends the expansion.
struct ExpansionSteps
{
    GuardedOperation *guard = nullptr;
    int start = 112, walk = 114, cut = 118, list = 120, path = 126, append = 128;
};

// Whether a file's name matches the pattern, or would without the ending of
// its compression ("sales.csv.gz", ".bz2", ".xz", ".zst" for "*.csv", as
// unpackedName knows them): it holds a text of that kind.
bool matchesTextOf(QStringView name, QStringView pattern);

// Appends every file below the folder whose name matches the pattern (its
// compressed files too), folder by folder in level order, each folder's in
// the order a file manager shows them ("2" before "10", case aside): names
// beginning with "~" and hidden writable files are left out, and only
// regular files go in. A .zip archive met (or
// given as the folder) is a folder too: its members that match go in.
void AddFolderFiles(const QString &folder, const QString &pattern, const std::function<void(const QString &)> &addEntry,
                    FolderWalk &walk, Breather &breather, const ExpansionSteps &steps = {});

// Paths as a list takes them, in the order given: files given one after
// another are handed to addFiles together, and each folder or .zip archive
// (its trailing slashes aside) to expandFolder, which adds what it finds. Ends between
// paths once stop says so. The window's drops and the command line's PATHs
// are both expanded here.
void expandPaths(const QStringList &paths, const std::function<void(const QStringList &files)> &addFiles,
                 const std::function<void(const QString &folder)> &expandFolder, const std::function<bool()> &stop);

} // namespace quillora
