// SPDX-License-Identifier: GPL-3.0-or-later
#include "writer/workbook.h"

#include "core/failure.h"
#include "core/list/paths.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace quillora::writer {

void cannotWrite(const QString &path, int error)
{
    throw Failure(u"%1 cannot be written: %2"_s.arg(path, qt_error_string(error)));
}

qint64 textBytes(const std::vector<std::shared_ptr<WrittenSheet>> &sheets)
{
    qint64 bytes = 0;
    for (const auto &sheet : sheets)
        bytes += sheet->spool ? sheet->spool->textBytes() : 0;
    return bytes;
}

void syncFile(const QString &path)
{
    const int fd = ::open(encodePath(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        cannotWrite(path, errno);
    const int synced = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    if (synced != 0)
        cannotWrite(path, error);
}

} // namespace quillora::writer
