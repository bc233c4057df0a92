// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

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

} // namespace quillora
