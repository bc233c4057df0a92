// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/packedtext.h"

#include "core/failure.h"
#include "core/text/filenames.h"
#include "core/text/gzipstream.h"

#include <QFileInfo>
#include <QStringDecoder>

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <memory>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

namespace {
struct Message
{
    Q_DECLARE_TR_FUNCTIONS(quillora::PackedText)
};

constexpr QStringView MemberMark = u" \u203A ";
constexpr std::array CompressionEndings{u".gz", u".bz2", u".xz", u".zst", u".zstd"};

struct ArchiveFree
{
    void operator()(archive *handle) const { archive_read_free(handle); }
};
using Archive = std::unique_ptr<archive, ArchiveFree>;

QString shown(const PackedText &packed)
{
    if (!packed.shownName.isEmpty())
        return packed.shownName;
    return packed.kind == PackedText::Kind::Member ? packed.file + MemberMark + packed.member : packed.file;
}

[[noreturn]] void fail(const PackedText &packed, const QString &reason)
{
    throw Failure(Message::tr("The file \"%1\" cannot be read: %2").arg(shown(packed), reason));
}

QString archiveError(archive *handle)
{
    const char *text = archive_error_string(handle);
    // Its own messages may end in a line break; a report's line goes on.
    return text ? QString::fromLocal8Bit(text).trimmed() : Message::tr("the archive is damaged");
}

// A name that stays below the archive: relative, no ".." part (with either
// slash: archives made on Windows use backslashes), so that the path that
// names it is the archive's and no other file's.
bool staysInside(const QString &name)
{
    if (name.isEmpty() || name.startsWith(u'/') || name.startsWith(u'\\'))
        return false;
    const QString slashed = QString(name).replace(u'\\', u'/');
    for (const QStringView part : QStringView(slashed).tokenize(u'/')) {
        if (part == u"..")
            return false;
    }
    return true;
}

// The text of bytes that are UTF-8 throughout; nullopt where they are not.
std::optional<QString> utf8Text(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? std::nullopt : std::optional<QString>(std::move(text));
}

// A member's name as its archive means it: flagged UTF-8, or its bytes
// UTF-8 throughout (as systems that write UTF-8 unflagged store them), else
// the format's own code page, CP437 ("caf\x82.csv" is "café.csv").
QString entryName(archive_entry *entry)
{
    const char *stored = archive_entry_pathname(entry);
    if (stored) {
        if (auto text = utf8Text(stored))
            return *text;
    }
    if (const char *utf8 = archive_entry_pathname_utf8(entry)) {
        if (auto text = utf8Text(utf8); text && !text->contains(QChar::ReplacementCharacter))
            return *text;
    }
    if (!stored)
        return {};
    QStringDecoder cp437("IBM437", QStringConverter::Flag::Stateless);
    return cp437.isValid() ? cp437.decode(QByteArrayView(stored)) : QString::fromLatin1(stored);
}

Archive openArchive(const QString &file, bool zip)
{
    Archive handle(archive_read_new());
    if (zip) {
        archive_read_support_format_zip(handle.get());
    } else {
        // Exactly the compressions a text comes in: no decoder that runs
        // another program, none that turns a text into other bytes (uu).
        archive_read_support_filter_gzip(handle.get());
        archive_read_support_filter_bzip2(handle.get());
        archive_read_support_filter_xz(handle.get());
        archive_read_support_filter_zstd(handle.get());
        archive_read_support_format_raw(handle.get());
    }
    if (archive_read_open_filename(handle.get(), encodePath(file).constData(), 256 * 1024) != ARCHIVE_OK)
        throw Failure(Message::tr("The file \"%1\" cannot be read: %2").arg(file, archiveError(handle.get())));
    return handle;
}

// Past its free size, text grows no more than this against what was read.
bool growsPastText(qint64 written, qint64 packedRead)
{
    return written > UnpackLimits::FreeSize && written / std::max<qint64>(1, packedRead) > UnpackLimits::RatioNoTextHas;
}

// A file that grows more than any text does is refused.
void checkGrowth(const PackedText &packed, qint64 written, qint64 packedRead)
{
    if (growsPastText(written, packedRead))
        fail(packed, Message::tr("it unpacks to more than %1 times its size, as a decompression bomb does; if it is "
                                 "a text that repeats itself this much, unpack it first and import the text")
                         .arg(UnpackLimits::RatioNoTextHas));
}

// So is an archive whose members together do.
void checkArchiveGrowth(const PackedText &packed, qint64 written, qint64 packedRead)
{
    if (growsPastText(written, packedRead))
        fail(packed, Message::tr("with the members before it, the archive \"%1\" unpacks to more than %2 times its "
                                 "size, as a decompression bomb does; if its texts repeat themselves this much, "
                                 "unpack it first and import them").arg(packed.file).arg(UnpackLimits::RatioNoTextHas));
}

// The entry's data into the sink, within the limits. share: how
// much of the whole the packed bytes read so far are, for a sample.
Unpacked copyData(archive *handle, const PackedText &packed, const TextSink &sink, const UnpackLimits &limits,
                  const std::function<double(qint64 written, qint64 packedRead)> &share, qint64 *archiveUnpacked = nullptr)
{
    const la_int64_t packedBefore = archive_filter_bytes(handle, -1);
    const auto packedRead = [&] { return std::max<qint64>(1, archive_filter_bytes(handle, -1) - packedBefore); };
    const auto reckoned = [&](qint64 written) {
        const double part = std::clamp(share(written, packedRead()), 1e-9, 1.0);
        return Unpacked{written, qint64(double(written) / part), qint64(double(packedRead()) / part)};
    };
    // One buffer a thread: a member of a few hundred bytes costs no more.
    thread_local std::vector<char> buffer(256 * 1024);
    qint64 total = 0;
    for (;;) {
        if (limits.stopRequested && limits.stopRequested())
            return {total, total, packedRead()};
        const la_ssize_t read = archive_read_data(handle, buffer.data(), buffer.size());
        if (read < 0)
            fail(packed, archiveError(handle));
        if (read == 0)
            return {total, total, packedRead()};
        qsizetype keep = qsizetype(read);
        if (limits.sampleBytes > 0)
            keep = qsizetype(std::min<qint64>(keep, limits.sampleBytes - total));
        sink(QByteArrayView(buffer.data(), keep));
        total += keep;
        if (limits.sampleBytes > 0 && total >= limits.sampleBytes)
            return reckoned(total);
        checkGrowth(packed, total, packedRead());
        // Many members each below the limit grow an archive past it all the
        // same: what the archive gave so far counts against all it was read.
        if (archiveUnpacked) {
            *archiveUnpacked += keep;
            checkArchiveGrowth(packed, *archiveUnpacked, archive_filter_bytes(handle, -1));
        }
    }
}

// The archive being read on this thread, where the last member was found:
// members are read in the archive's order, so each is found by reading on.
struct ZipCursor
{
    QString file;
    struct stat identity{};
    Archive handle;
    qint64 unpacked = 0; // by the members read so far
};
thread_local ZipCursor zipCursor;

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size
        && a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

// Reads headers on until the member's; false at the archive's end.
bool findMember(archive *handle, const PackedText &packed, archive_entry *&entry)
{
    for (;;) {
        const int status = archive_read_next_header(handle, &entry);
        if (status == ARCHIVE_EOF)
            return false;
        if (status < ARCHIVE_WARN)
            fail(packed, archiveError(handle));
        if (entryName(entry) == packed.member && archive_entry_filetype(entry) == AE_IFREG)
            return true;
    }
}

Unpacked unpackMember(const PackedText &packed, const TextSink &sink, const UnpackLimits &limits)
{
    if (!staysInside(packed.member))
        fail(packed, Message::tr("its name leads out of the archive"));
    struct stat identity{};
    if (::stat(encodePath(packed.file).constData(), &identity) != 0)
        fail(packed, qt_error_string(errno));
    ZipCursor &cursor = zipCursor;
    archive_entry *entry = nullptr;
    bool found = false;
    if (cursor.handle && cursor.file == packed.file && sameFile(cursor.identity, identity)) {
        try {
            found = findMember(cursor.handle.get(), packed, entry);
        } catch (const Failure &) {
            found = false; // read again from the start, where it is told
        }
    }
    if (!found) {
        cursor.handle.reset();
        cursor.handle = openArchive(packed.file, true);
        cursor.unpacked = 0;
        cursor.file = packed.file;
        cursor.identity = identity;
        if (!findMember(cursor.handle.get(), packed, entry))
            fail(packed, Message::tr("the archive holds no such file"));
    }
    if (archive_entry_is_encrypted(entry))
        fail(packed, Message::tr("it needs a password"));
    // A sample's share of the whole, by the size the archive gives.
    const qint64 declared = archive_entry_size_is_set(entry) ? archive_entry_size(entry) : 0;
    try {
        return copyData(
            cursor.handle.get(), packed, sink, limits,
            [declared](qint64 written, qint64) { return declared > 0 ? double(written) / double(declared) : 1.0; },
            limits.sampleBytes > 0 ? nullptr : &cursor.unpacked);
    } catch (...) {
        cursor.handle.reset();
        throw;
    }
}
} // namespace

bool isCompressedStart(QByteArrayView head)
{
    const auto startsWith = [&](QByteArrayView magic) { return head.startsWith(magic); };
    return startsWith("\x1F\x8B") || startsWith("\xFD" "7zXZ\x00") || startsWith("\x28\xB5\x2F\xFD")
        || (head.size() >= 10 && startsWith("BZh") && head[3] >= '1' && head[3] <= '9'
            && head.sliced(4, 6) == QByteArrayView("1AY&SY"));
}

bool isZipArchive(const QString &path)
{
    if (!path.endsWith(u".zip"_s, Qt::CaseInsensitive))
        return false;
    // Asked for every member of an archive: the last answer stands while
    // the file is the same.
    struct Known
    {
        QString path;
        struct stat identity{};
        bool zip = false;
    };
    thread_local Known known;
    const QByteArray name = encodePath(path);
    struct stat info{};
    if (::stat(name.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    if (known.path == path && sameFile(known.identity, info))
        return known.zip;
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    char head[4] = {};
    const bool zip = ::read(fd, head, 4) == 4
        && (QByteArrayView(head, 4) == "PK\x03\x04" || QByteArrayView(head, 4) == "PK\x05\x06");
    ::close(fd);
    known = {path, info, zip};
    return zip;
}

std::optional<PackedText> packedTextOf(const QString &path)
{
    const QByteArray name = encodePath(path);
    struct stat info{};
    if (::stat(name.constData(), &info) == 0) {
        if (!S_ISREG(info.st_mode))
            return std::nullopt;
        const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0)
            return std::nullopt;
        char head[10] = {};
        const ssize_t read = ::read(fd, head, sizeof head);
        ::close(fd);
        if (read > 0 && isCompressedStart(QByteArrayView(head, read)))
            return PackedText{PackedText::Kind::Compressed, path, {}};
        return std::nullopt;
    }
    if (errno != ENOTDIR)
        return std::nullopt;
    // Below a file: the archive is the deepest part of the path that is one.
    for (qsizetype slash = path.lastIndexOf(u'/'); slash > 0; slash = path.lastIndexOf(u'/', slash - 1)) {
        const QString archive = path.first(slash);
        if (::stat(encodePath(archive).constData(), &info) == 0)
            return S_ISREG(info.st_mode) && isZipArchive(archive)
                ? std::optional<PackedText>(PackedText{PackedText::Kind::Member, archive, path.sliced(slash + 1)})
                : std::nullopt;
    }
    return std::nullopt;
}

QString unpackedName(const QString &name)
{
    for (const QStringView ending : CompressionEndings) {
        if (name.size() > ending.size() && name.endsWith(ending, Qt::CaseInsensitive))
            return name.chopped(ending.size());
    }
    return name;
}

QString packedPathShown(const QString &path)
{
    // Only a path below a .zip can name a member: plain paths go by untouched.
    if (!path.contains(u".zip/"_s, Qt::CaseInsensitive))
        return path;
    const auto packed = packedTextOf(path);
    return packed && packed->kind == PackedText::Kind::Member ? shown(*packed) : path;
}

namespace {
// A tar archive compressed (.tar.gz) holds files, not a text: its first
// block says so.
TextSink refusingTar(const PackedText &packed, const TextSink &sink)
{
    return [&packed, sink, first = true](QByteArrayView bytes) mutable {
        if (std::exchange(first, false) && bytes.size() >= 262 && bytes.sliced(257, 5) == "ustar")
            fail(packed, Message::tr("it holds an archive of files (tar), not a text: unpack it first"));
        sink(bytes);
    };
}

bool startsAsGzip(const QString &file)
{
    const int fd = ::open(encodePath(file).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    char head[2] = {};
    const bool gzip = ::read(fd, head, 2) == 2 && head[0] == '\x1F' && head[1] == '\x8B';
    ::close(fd);
    return gzip;
}
} // namespace

Unpacked unpackInto(const PackedText &packed, const TextSink &sink, const UnpackLimits &limits)
{
    if (packed.kind == PackedText::Kind::Member)
        return unpackMember(packed, sink, limits);
    struct stat info{};
    if (::stat(encodePath(packed.file).constData(), &info) != 0)
        fail(packed, qt_error_string(errno));
    if (startsAsGzip(packed.file)) {
        return inflateGzipFile(encodePath(packed.file), refusingTar(packed, sink), limits,
                               {.fail = [&](const QString &reason) { fail(packed, reason); },
                                .growth = [&](qint64 written, qint64 read) { checkGrowth(packed, written, read); }});
    }
    Archive handle = openArchive(packed.file, false);
    archive_entry *entry = nullptr;
    if (archive_read_next_header(handle.get(), &entry) != ARCHIVE_OK)
        fail(packed, archiveError(handle.get()));
    // A sample's share of the whole, by the packed bytes read.
    const qint64 size = std::max<qint64>(1, info.st_size);
    Unpacked unpacked = copyData(handle.get(), packed, refusingTar(packed, sink), limits, [size](qint64, qint64 packedRead) {
        return double(packedRead) / double(size);
    });
    unpacked.packed = info.st_size;
    return unpacked;
}

QStringList zipMembers(const QString &archivePath, const std::function<bool(const QString &name)> &fits,
                       QStringList &skipped)
{
    Archive handle = openArchive(archivePath, true);
    QStringList members;
    archive_entry *entry = nullptr;
    for (;;) {
        const int status = archive_read_next_header(handle.get(), &entry);
        if (status == ARCHIVE_EOF)
            break;
        if (status < ARCHIVE_WARN)
            throw Failure(Message::tr("The file \"%1\" cannot be read: %2").arg(archivePath, archiveError(handle.get())));
        if (archive_entry_filetype(entry) != AE_IFREG)
            continue;
        const QString name = entryName(entry);
        if (!staysInside(name)) {
            skipped.append(name);
            continue;
        }
        if (fits(QFileInfo(name).fileName()))
            members.append(archivePath + u'/' + name);
    }
    return members;
}

} // namespace quillora
