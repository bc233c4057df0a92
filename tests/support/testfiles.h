// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace quillora::test {

// Writes bytes to a file, creating folders on the way; returns the path.
QString writeFile(const QString &path, const QByteArray &bytes);
// A file's bytes; empty where it cannot be read.
QByteArray readFile(const QString &path);

// Text encoded as UTF-16 or UTF-32 in either byte order, with or without a mark.
QByteArray utf16(const QString &text, bool bigEndian, bool withMark = true);
QByteArray utf32(const QString &text, bool bigEndian, bool withMark = true);

} // namespace quillora::test
