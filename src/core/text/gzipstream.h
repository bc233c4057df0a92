// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/text/packedtext.h"

#include <QByteArray>

#include <functional>

namespace quillora {

// What reading a gzip file needs from its caller: how a failure is told
// (it throws, naming the file), and the check of how far the text grew
// against the packed bytes read (it throws past the limits).
struct GzipChecks
{
    std::function<void(const QString &reason)> fail;
    std::function<void(qint64 written, qint64 packedRead)> growth;
};

// A gzip file's text into the sink, each member's CRC-32 and length checked
// (a flipped byte is a damaged file, never other digits): members one after
// another are one text, and bytes after the last that start no member are
// the text they are (plain lines appended to a compressed log), zero bytes
// of padding aside.
Unpacked inflateGzipFile(const QByteArray &nativePath, const TextSink &sink, const UnpackLimits &limits,
                         const GzipChecks &checks);

} // namespace quillora
