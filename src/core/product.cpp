// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/product.h"

#include <QFile>

#include <cmath>
#include <filesystem>

namespace quillora {

QString SetAppTitle(QStringView productName)
{
    QStringView title = productName;
    qsizetype space = title.lastIndexOf(u' ');
    if (space < 0)
        return title.toString();
    do {
        title = title.left(space);
        space = title.lastIndexOf(u' ');
    } while (title.size() > 40 && space >= 0);
    return title.toString();
}

bool shouldOpenHomePage(double r)
{
    const int n = static_cast<int>(std::floor(r * 100.0)) + 1;
    return n == 7;
}

bool PathExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    std::error_code error;
    (void)std::filesystem::last_write_time(std::filesystem::path(QFile::encodeName(path).toStdString()), error);
    return !error;
}

} // namespace quillora
