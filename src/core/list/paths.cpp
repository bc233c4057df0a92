// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/list/paths.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

QString RemoveDoubleBackslashes(const QString &path)
{
    QString result;
    result.reserve(path.size());
    for (const QChar c : path) {
        if (c == u'/' && result.endsWith(u'/'))
            continue;
        result.append(c);
    }
    return result;
}

QString FileNameOf(const QString &path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

namespace OpenDialog {

namespace {
QString commonFolder(const QStringList &paths)
{
    QString folder = paths.first().left(paths.first().lastIndexOf(u'/') + 1);
    for (const QString &path : paths) {
        while (!path.startsWith(folder)) {
            folder.chop(1);
            folder = folder.left(folder.lastIndexOf(u'/') + 1);
        }
    }
    return folder.size() > 1 && folder.endsWith(u'/') ? folder.chopped(1) : folder;
}
} // namespace

std::optional<QString> selectionText(const QStringList &paths)
{
    if (paths.isEmpty())
        return QString();
    QString text;
    if (paths.size() == 1) {
        text = paths.first();
    } else {
        // The dialog lists one folder; names picked elsewhere are made
        // relative to the folder all of them share.
        const QString folder = commonFolder(paths);
        const qsizetype skip = folder.endsWith(u'/') ? folder.size() : folder.size() + 1;
        text = folder;
        for (const QString &path : paths)
            text += QChar(u'\0') + path.mid(skip);
    }
    // The buffer also holds the two closing NUL characters.
    if (text.size() + 2 > MaxFileSize)
        return std::nullopt;
    return text;
}

QStringList qtFilters(QStringView filter)
{
    const QList<QStringView> parts = filter.split(u'|', Qt::SkipEmptyParts);
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringView description = parts.at(i);
        const qsizetype bracket = description.indexOf(u" ("_s);
        if (bracket >= 0)
            description = description.left(bracket);
        QString pattern = parts.at(i + 1).toString();
        pattern.replace(u"*.*"_s, u"*"_s);
        pattern.replace(u';', u' ');
        filters.append(description + u" ("_s + pattern + u')');
    }
    return filters;
}

} // namespace OpenDialog

QString commonFolder(const QStringList &typed)
{
    if (typed.isEmpty())
        return {};
    // As a file is named below it: "./sub/x.csv" is "sub/x.csv".
    QStringList paths;
    paths.reserve(typed.size());
    for (const QString &path : typed)
        paths.append(QDir::cleanPath(path));
    QStringView common = QStringView(paths.first()).first(paths.first().lastIndexOf(u'/') + 1);
    for (const QString &path : std::as_const(paths)) {
        qsizetype same = 0;
        while (same < common.size() && same < path.size() && common[same] == path[same])
            ++same;
        // Back to the end of a whole folder name.
        common = common.first(QStringView(common).first(same).lastIndexOf(u'/') + 1);
    }
    return common.toString();
}

QString shownFileName(const QString &path, FileColumn shown, const QString &folder)
{
    switch (shown) {
    case FileColumn::Relative: {
        const QString clean = QDir::cleanPath(path);
        if (!folder.isEmpty() && clean.startsWith(folder))
            return clean.sliced(folder.size());
        return clean;
    }
    case FileColumn::Name:
        return FileNameOf(path);
    case FileColumn::None:
    case FileColumn::Path:
        break;
    }
    return path;
}

} // namespace quillora
