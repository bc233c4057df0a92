// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>

namespace quillora::test {

// The text compressed whole by the filter libarchive names it ("gzip",
// "bzip2", "xz", "zstd").
QByteArray compressed(const QByteArray &text, const char *filter);

// A .zip archive of the members, in order; with a password, each member is
// encrypted with it.
using Members = QList<std::pair<QString, QByteArray>>;
QByteArray zipOf(const Members &members, const QByteArray &password = {});

// A tar archive of the members, compressed with gzip (.tar.gz).
QByteArray tarGzOf(const Members &members);

// The archive with every member marked as packed by a method no reader of
// ours knows (deflate64).
QByteArray withUnknownMethod(QByteArray zip);

} // namespace quillora::test
