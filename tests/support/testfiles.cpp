// SPDX-License-Identifier: GPL-3.0-or-later
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>

namespace quillora::test {

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

namespace {
QByteArray encode(const QString &text, QStringConverter::Encoding encoding, bool withMark)
{
    QStringEncoder encoder(encoding, withMark ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
    return encoder.encode(text);
}
} // namespace

QByteArray utf16(const QString &text, bool bigEndian, bool withMark)
{
    return encode(text, bigEndian ? QStringConverter::Utf16BE : QStringConverter::Utf16LE, withMark);
}

QByteArray utf32(const QString &text, bool bigEndian, bool withMark)
{
    return encode(text, bigEndian ? QStringConverter::Utf32BE : QStringConverter::Utf32LE, withMark);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace quillora::test
