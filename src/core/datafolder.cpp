// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/datafolder.h"

#include <QDir>
#include <QFileInfo>

namespace quillora {

namespace {
// Where the data is installed, relative to the program's folder.
#ifndef QUILLORA_DATA_FROM_PROGRAM
#define QUILLORA_DATA_FROM_PROGRAM "../share/quillora"
#endif
} // namespace

QString dataFolder(const QString &programFolder, QStringView name)
{
    const QString beside = programFolder + u'/' + name;
    if (QFileInfo(beside).isDir())
        return beside;
    return QDir::cleanPath(programFolder + u'/' + QLatin1StringView(QUILLORA_DATA_FROM_PROGRAM) + u'/' + name);
}

} // namespace quillora
