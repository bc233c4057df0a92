// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/filenames.h"

#include "core/text/utf8.h"

namespace quillora {

namespace {
constexpr char16_t EscapedByte = 0xDC00;
} // namespace

QString decodePath(QByteArrayView bytes)
{
    QString path;
    path.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        const uchar byte = uchar(bytes[i]);
        if (byte < 0x80) {
            path.append(QChar(char16_t(byte)));
            ++i;
        } else if (const qsizetype length = validUtf8Sequence(bytes, i)) {
            path.append(QString::fromUtf8(bytes.sliced(i, length)));
            i += length;
        } else {
            path.append(QChar(char16_t(EscapedByte + byte)));
            ++i;
        }
    }
    return path;
}

QByteArray encodePath(QStringView path)
{
    QByteArray bytes;
    bytes.reserve(path.size());
    qsizetype run = 0;
    for (qsizetype i = 0; i <= path.size(); ++i) {
        const bool escaped = i < path.size() && isUndecodedByteAt(path, i);
        if (i < path.size() && !escaped)
            continue;
        bytes.append(path.sliced(run, i - run).toUtf8());
        if (escaped)
            bytes.append(char(path[i].unicode() - EscapedByte));
        run = i + 1;
    }
    return bytes;
}

bool isUndecodedByteAt(QStringView text, qsizetype i)
{
    const char16_t c = text[i].unicode();
    return c >= 0xDC80 && c <= 0xDCFF && !(i > 0 && text[i - 1].isHighSurrogate());
}

bool holdsUndecodedBytes(QStringView path)
{
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (isUndecodedByteAt(path, i))
            return true;
    }
    return false;
}

} // namespace quillora
