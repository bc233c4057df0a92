// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/list/folderexpansion.h"

#include "core/failure.h"
#include "core/list/naturalorder.h"
#include "core/list/paths.h"
#include "core/text/filenames.h"
#include "core/text/packedtext.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <vector>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

namespace {
// The longest folder path the walk descends into, and the longest subfolder
// name it takes: the limits of this platform's paths.
constexpr qsizetype MaxPath = 4096;
constexpr qsizetype MaxName = 260;
// How often a long walk lets the window process its events.
constexpr qint64 BreatheEveryMs = 20;

QByteArray nativePath(const QString &path)
{
    return encodePath(path);
}

bool canWrite(const struct stat &info)
{
    // By its permissions, as the user stands to it: a read-only file stays
    // read-only for root too.
    if (info.st_uid == ::getuid())
        return info.st_mode & S_IWUSR;
    if (info.st_gid == ::getgid())
        return info.st_mode & S_IWGRP;
    return info.st_mode & S_IWOTH;
}

QStringView lastName(QStringView path)
{
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    return path.mid(path.lastIndexOf(u'/') + 1);
}

struct FolderEntry
{
    QString name;
    bool folder = false; // links followed
    bool file = false;   // a regular file, links followed
    // A hidden file its user may write, the one kind of file a walk leaves
    // out by its attributes.
    bool hiddenWritable = false;
};

bool isHiddenName(QStringView name)
{
    return name.startsWith(u'.') && name != u"." && name != u"..";
}

// A folder's entries without "." and "..", in sorted order; nullopt with the
// system's error number when the folder cannot be listed. What each entry is
// comes from the listing itself where it can, and from one look at the entry
// where it must (links, hidden files), so a large folder costs few calls.
std::optional<std::vector<FolderEntry>> readFolder(const QString &folder, int &error)
{
    DIR *dir = ::opendir(nativePath(folder).constData());
    if (!dir) {
        error = errno;
        return std::nullopt;
    }
    std::vector<FolderEntry> entries;
    while (const dirent *entry = ::readdir(dir)) {
        const char *name = entry->d_name;
        if (qstrcmp(name, ".") == 0 || qstrcmp(name, "..") == 0)
            continue;
        FolderEntry item{decodePath(name)};
        const bool hidden = isHiddenName(item.name);
        if (entry->d_type == DT_DIR) {
            item.folder = true;
        } else if (entry->d_type == DT_REG && !hidden) {
            item.file = true;
        } else if (entry->d_type == DT_REG || entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat own{};
            struct stat info{};
            if (::fstatat(::dirfd(dir), name, &own, AT_SYMLINK_NOFOLLOW) == 0
                && ::fstatat(::dirfd(dir), name, &info, 0) == 0) {
                item.folder = S_ISDIR(info.st_mode);
                item.file = S_ISREG(info.st_mode);
                item.hiddenWritable = item.file && hidden && !S_ISLNK(own.st_mode) && canWrite(info);
            }
        }
        entries.push_back(std::move(item));
    }
    ::closedir(dir);
    // As a file manager shows them.
    NaturalOrder().sort(entries, [](const FolderEntry &entry) -> const QString & { return entry.name; });
    return entries;
}

// The files of a folder that match the pattern.
// The regular files of the folder the test takes; none where it cannot be
// read. Those it does not take are counted into passedOver, where given.
std::vector<FolderEntry> filesWhere(const QString &folder, const std::function<bool(const QString &name)> &takes,
                                    qsizetype *passedOver = nullptr)
{
    int error = 0;
    std::optional<std::vector<FolderEntry>> entries = readFolder(folder.endsWith(u'/') ? folder : folder + u'/', error);
    std::vector<FolderEntry> files;
    if (!entries)
        return files;
    for (FolderEntry &entry : *entries) {
        if (!entry.file)
            continue;
        if (takes(entry.name))
            files.push_back(std::move(entry));
        else if (passedOver && !isHiddenName(entry.name))
            ++*passedOver;
    }
    return files;
}

std::vector<FolderEntry> matchingFiles(const QString &folder, const QString &pattern)
{
    return filesWhere(folder, [&](const QString &name) { return matchesWildcard(name, pattern); });
}

// The regular files of the folder that match the pattern, and its .zip
// archives whatever their names, which are folders of files too.
std::vector<FolderEntry> filesAndArchives(const QString &folder, const QString &pattern, qsizetype &passedOver)
{
    return filesWhere(
        folder,
        [&](const QString &name) { return matchesTextOf(name, pattern) || name.endsWith(u".zip"_s, Qt::CaseInsensitive); },
        &passedOver);
}

bool isRootFolder(QStringView folder)
{
    return !folder.isEmpty() && std::all_of(folder.begin(), folder.end(), [](QChar c) { return c == u'/'; });
}

bool isHiddenSystemFolder(const QString &folder, int attributes)
{
    const bool hiddenSystem =
        attributes == FileAttribute::HiddenSystemFolder || attributes == FileAttribute::HiddenSystemLink;
    // The root folder is walked whatever its attributes say.
    return hiddenSystem && !isRootFolder(folder);
}
} // namespace

std::optional<int> getAttributes(const QString &path)
{
    const QByteArray native = nativePath(path);
    struct stat info{};
    if (::lstat(native.constData(), &info) != 0)
        return std::nullopt;
    int value = 0;
    if (S_ISLNK(info.st_mode)) {
        value |= FileAttribute::ReparsePoint;
        struct stat target{};
        if (::stat(native.constData(), &target) == 0)
            info = target;
    }
    if (S_ISDIR(info.st_mode))
        value |= FileAttribute::Directory;
    else if (S_ISREG(info.st_mode))
        value |= FileAttribute::Archive;
    if (isHiddenName(lastName(path)))
        value |= FileAttribute::Hidden;
    if (!canWrite(info))
        value |= FileAttribute::ReadOnly;
    return value;
}

bool IsFolder(const QString &path)
{
    struct stat info{};
    return !path.isEmpty() && ::stat(nativePath(path).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool HasUnsafeChars(QStringView name)
{
    // Windows-1252 has every character up to U+00FF as its own code; what it
    // codes from 128 to 159 and what it lacks ("?") are both unsafe.
    return std::any_of(name.begin(), name.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return u < 32 || u == u'?' || u == 127 || (u >= 0x80 && u < 0xA0) || u > 0xFF;
    });
}

bool matchesWildcard(QStringView name, QStringView pattern)
{
    if (pattern == u"*.*")
        return true;
    const auto same = [](QChar a, QChar b) { return a == b || a.toCaseFolded() == b.toCaseFolded(); };
    qsizetype n = 0, p = 0;
    qsizetype starAt = -1, nameAtStar = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            starAt = p++;
            nameAtStar = n;
        } else if (p < pattern.size() && (pattern[p] == u'?' || same(pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (starAt >= 0) {
            // Let the last star take one more character and try again.
            p = starAt + 1;
            n = ++nameAtStar;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

bool matchesTextOf(QStringView name, QStringView pattern)
{
    if (matchesWildcard(name, pattern))
        return true;
    // The name the reader knows it by unpacked ("sales.csv.gz" is "sales.csv").
    const QString unpacked = unpackedName(name.toString());
    return unpacked.size() < name.size() && matchesWildcard(unpacked, pattern);
}

QStringList GetFileList(const QString &folder, const QString &pattern)
{
    QStringList names;
    for (FolderEntry &entry : matchingFiles(folder, pattern))
        names.append(std::move(entry.name));
    return names;
}

Breather::Breather(std::function<void()> yield, std::function<bool()> stop)
    : m_yield(std::move(yield))
    , m_stop(std::move(stop))
{
    m_sinceYield.start();
}

void Breather::breathe()
{
    if (!m_yield || m_sinceYield.elapsed() < BreatheEveryMs)
        return;
    m_yield();
    m_sinceYield.restart();
}

FolderWalk::FolderWalk(ErrorReporter &reporter, Breather &breather)
    : m_guard(Location::FolderWalk, reporter)
    , m_breather(breather)
{
}

bool FolderWalk::firstVisit(const QString &folder)
{
    struct stat info{};
    if (::stat(nativePath(folder).constData(), &info) != 0)
        return true; // the second pass finds out what it is
    return m_visited.emplace(static_cast<quint64>(info.st_dev), static_cast<quint64>(info.st_ino)).second;
}

void FolderWalk::GetSubDirectories2016(QStringList &folders, bool recurse)
{
    for (const QString &folder : std::as_const(folders))
        firstVisit(folder);
    // One level at a time: the folders given, then every folder one level
    // below them, and so on.
    QStringList level = folders;
    qsizetype levelStart = 0;
    for (;;) {
        QStringList found;
        m_guard.step(106, [&] {
            for (const QString &folder : std::as_const(level)) {
                if (m_breather.stopped())
                    return;
                lookInto(folder, folders, levelStart, found);
            }
        });
        QStringList kept;
        m_guard.step(152, [&] {
            for (const QString &folder : std::as_const(found)) {
                m_breather.breathe();
                const std::optional<int> attributes = getAttributes(folder);
                if (attributes && (*attributes & FileAttribute::Directory) && !isHiddenSystemFolder(folder, *attributes))
                    kept.append(folder);
            }
        });
        levelStart = folders.size();
        folders += kept;
        if (!recurse || kept.isEmpty() || m_breather.stopped())
            return;
        level = std::move(kept);
    }
}

void FolderWalk::lookInto(const QString &folder, QStringList &folders, qsizetype levelStart, QStringList &found)
{
    if (!IsFolder(folder) || folder.size() >= MaxPath)
        return;
    m_breather.breathe();
    // A hidden system folder below the start is passed over; one that
    // vanished since it was listed is too.
    const std::optional<int> attributes = getAttributes(folder);
    if (!attributes || isHiddenSystemFolder(folder, *attributes))
        return;
    int error = 0;
    const auto entries = readFolder(folder, error);
    if (!entries) {
        // Unreadable or gone: dropped with everything below it. Any other
        // error keeps the folder, and its own files are still listed.
        if (error == EACCES || error == EPERM || error == ENOENT || error == ENOTDIR) {
            const qsizetype at = folders.indexOf(folder, levelStart);
            if (at >= 0)
                folders.removeAt(at);
        }
        return;
    }
    for (const FolderEntry &entry : *entries) {
        m_breather.breathe();
        // A hidden folder below the start (.git, .cache) holds no one's
        // text files to import; one chosen as the start is walked.
        if (!entry.folder || isHiddenName(entry.name) || entry.name.size() >= MaxName || HasUnsafeChars(entry.name))
            continue;
        const QString subfolder = folder + entry.name + u'/';
        if (firstVisit(subfolder))
            found.append(subfolder);
    }
}

QStringList FolderWalk::archiveMembers(const QString &archive, const QString &pattern)
{
    QStringList members;
    QStringList skipped;
    m_guard.step(136, [&] {
        members = zipMembers(archive, [&](const QString &name) {
            return matchesWildcard(name, pattern) && !name.startsWith(u'~');
        }, skipped);
    });
    if (!skipped.isEmpty()) {
        m_guard.step(138, [&] {
            throw Failure(QCoreApplication::translate("quillora::FolderWalk",
                                                      "The archive \"%1\" holds files whose names lead out of it: "
                                                      "%2. They are left out.")
                              .arg(archive, skipped.size() <= 3 ? skipped.join(u", "_s)
                                                                : skipped.first(3).join(u", "_s) + u", ..."_s));
        });
    }
    return members;
}

void AddFolderFiles(const QString &folder, const QString &pattern, const std::function<void(const QString &)> &addEntry,
                    FolderWalk &walk, Breather &breather, const ExpansionSteps &steps)
{
    if (isZipArchive(folder)) {
        for (const QString &member : walk.archiveMembers(folder, pattern))
            addEntry(member);
        return;
    }
    const auto run = [&](int number, const std::function<void()> &action) {
        if (steps.guard)
            return steps.guard->step(number, action);
        action();
        return true;
    };
    QStringList folders;
    run(steps.start, [&] { folders = QStringList{folder + u'/'}; });
    run(steps.walk, [&] { walk.GetSubDirectories2016(folders, true); });
    // A step that failed (and was reported) skips what depends on it.
    for (const QString &entry : std::as_const(folders)) {
        QString current;
        std::vector<FolderEntry> files;
        qsizetype passedOver = 0;
        if (!run(steps.cut, [&] { current = entry.chopped(1); })
            || !run(steps.list, [&] { files = filesAndArchives(current, pattern, passedOver); }))
            continue;
        walk.passOver(passedOver);
        for (const FolderEntry &file : files) {
            breather.breathe();
            if (breather.stopped())
                return;
            if (file.name.startsWith(u'~'))
                continue;
            QString path;
            if (!run(steps.path, [&] { path = current + u'/' + file.name; }))
                continue;
            // The listing looked at each file once: a regular file (links
            // followed) goes in unless it is hidden and writable.
            run(steps.append, [&] {
                if (file.hiddenWritable)
                    return;
                if (isZipArchive(path)) {
                    for (const QString &member : walk.archiveMembers(path, pattern))
                        addEntry(member);
                } else if (matchesTextOf(file.name, pattern)) {
                    addEntry(RemoveDoubleBackslashes(path));
                }
            });
        }
    }
}

void expandPaths(const QStringList &paths, const std::function<void(const QStringList &files)> &addFiles,
                 const std::function<void(const QString &folder)> &expandFolder, const std::function<bool()> &stop)
{
    QStringList files;
    for (const QString &path : paths) {
        if (stop && stop())
            break;
        if (!IsFolder(path) && !isZipArchive(path)) {
            files.append(path);
            continue;
        }
        addFiles(std::exchange(files, {}));
        QString folder = path;
        while (folder.size() > 1 && folder.endsWith(u'/'))
            folder.chop(1);
        expandFolder(folder);
    }
    addFiles(files);
}

} // namespace quillora
