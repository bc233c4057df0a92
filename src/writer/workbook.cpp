// SPDX-License-Identifier: GPL-3.0-or-later
#include "writer/workbook.h"

#include "core/failure.h"
#include "core/list/paths.h"
#include "core/text/filenames.h"

#include <QCoreApplication>
#include <QFile>

#include <atomic>
#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace quillora::writer {

namespace {
std::atomic<qint64> zip64From = qint64(0xFFFFFFFF);
} // namespace

qint64 zip64Threshold()
{
    return zip64From;
}

void setZip64Threshold(qint64 bytes)
{
    zip64From = bytes;
}

QString zip64Report()
{
    return QCoreApplication::translate("quillora::Workbook", "a part of the file holds 4 GiB or more and is written with ZIP64, as the format allows; LibreOffice "
           "(7.4 at least) does not open a part that large, other readers do.");
}

void cannotWrite(const QString &path, int error)
{
    throw Failure(QCoreApplication::translate("quillora::Workbook", "%1 cannot be written: %2").arg(path, qt_error_string(error)));
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

StoredRows::StoredRows(const StoreJob &job)
    : m_job(job)
{
    for (const auto &sheet : job.sheets)
        m_total += sheet->spool ? sheet->spool->rowCount() : 0;
}

void StoredRows::allStored()
{
    m_stored = m_total;
    tell();
}

void StoredRows::tell()
{
    m_job.checkpoint();
    if (m_job.progress)
        m_job.progress(m_stored, m_total);
}

} // namespace quillora::writer
