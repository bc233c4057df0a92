// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace quillora {

// Text kept packed: a file compressed whole (gzip, bzip2, xz or zstd, told
// by its first bytes whatever its name), or a member of a .zip archive,
// which a path names as if the archive were a folder
// ("/data/2024.zip/north/jan.csv").
struct PackedText
{
    enum class Kind { Compressed, Member };
    Kind kind = Kind::Compressed;
    QString file;   // the compressed file, or the archive
    QString member; // in the archive, as it names it
    // How a person knows the file where its path means nothing to them
    // (standard input kept in a file without a name).
    QString shownName = {};
};

// Whether the bytes start a file compressed whole.
bool isCompressedStart(QByteArrayView head);
// Whether the file is a .zip archive: named so, and starting as one.
bool isZipArchive(const QString &path);
// The packed text a path names; nullopt for a plain file (or none at all).
// Never throws.
std::optional<PackedText> packedTextOf(const QString &path);
// The name a file is known by unpacked: "app.log.2.gz" is "app.log.2".
QString unpackedName(const QString &name);
// The path shown to a person: a member as "archive.zip › member.csv".
QString packedPathShown(const QString &path);

// What unpacking stops at: a text no larger than what a document holds,
// and no more than RatioNoTextHas times its packed size once it is past
// FreeSize (text compresses far less: logs and exports 5 to 50 times).
struct UnpackLimits
{
    static constexpr qint64 FreeSize = qint64(64) << 20;
    static constexpr qint64 RatioNoTextHas = 500;
    std::function<bool()> stopRequested;
    // 0: the whole text; else at most that many bytes (a look at its start).
    qint64 sampleBytes = 0;
};

// Unpacks the text into the sink, a block at a time. Throws
// Failure, naming the file, when the archive is corrupt or cut, the member
// needs a password, is packed in a way not supported, has a name that
// climbs out of the archive, or grows past the limits.
struct Unpacked
{
    qint64 written = 0; // bytes of text written
    // The whole text's bytes and its packed bytes: counted where it was
    // read whole, else reckoned from the part read.
    qint64 text = 0;
    qint64 packed = 0;
};
using TextSink = std::function<void(QByteArrayView bytes)>;
Unpacked unpackInto(const PackedText &packed, const TextSink &sink, const UnpackLimits &limits);

// The members of a .zip archive whose names fit, in the archive's order,
// as paths below it; names that climb out of the archive ("../x", "/x") are
// left out and named in skipped. Throws Failure when it cannot be read.
QStringList zipMembers(const QString &archive, const std::function<bool(const QString &name)> &fits,
                       QStringList &skipped);

} // namespace quillora
