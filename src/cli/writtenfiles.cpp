// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/writtenfiles.h"

#include "cli/commandlineoptions.h"
#include "core/text/filenames.h"

#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

namespace {
// Two names of one file: by the file itself where both are there (links and
// other spellings alike), else by the path each spells.
bool sameFile(const QString &a, const QString &b)
{
    struct stat first{};
    struct stat second{};
    if (::stat(encodePath(a).constData(), &first) == 0 && ::stat(encodePath(b).constData(), &second) == 0)
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    return QDir::cleanPath(QFileInfo(a).absoluteFilePath()) == QDir::cleanPath(QFileInfo(b).absoluteFilePath());
}

bool isFolder(const QString &path)
{
    struct stat info{};
    return ::stat(encodePath(path).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}
} // namespace

QString writtenFilesProblem(const CommandLineOptions &options)
{
    const QString &report = options.report;
    if (!report.isEmpty()) {
        if (isFolder(report))
            return CommandLineMessage::tr("%1 is a folder; --report needs a file.").arg(report);
        struct stat existing{};
        if (!options.force && ::lstat(encodePath(report).constData(), &existing) == 0)
            return CommandLineMessage::tr("%1 exists; --force replaces it.").arg(report);
        if (!options.output.isEmpty() && sameFile(report, options.output))
            return CommandLineMessage::tr("--report and --output both name %1: the report would replace the document.")
                .arg(report);
    }
    for (const QString &written : {options.output, report}) {
        if (written.isEmpty())
            continue;
        for (const QString &path : options.paths) {
            if (path != u"-" && sameFile(path, written))
                return CommandLineMessage::tr("%1 is a file to import; it cannot also be written.").arg(written);
        }
    }
    return {};
}

} // namespace quillora
