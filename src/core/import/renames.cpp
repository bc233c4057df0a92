// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/import/renames.h"

#include <QJsonArray>
#include <QJsonDocument>

using namespace Qt::StringLiterals;

namespace quillora {

std::optional<Rename> renameOf(QStringView text)
{
    qsizetype equals = text.indexOf(u'=');
    while (equals > 0 && text[equals - 1] == u'\\')
        equals = text.indexOf(u'=', equals + 1);
    if (equals <= 0 || equals == text.size() - 1)
        return std::nullopt;
    const auto unescaped = [](QStringView name) { return name.toString().replace(u"\\="_s, u"="_s); };
    return Rename{unescaped(text.first(equals)), unescaped(text.sliced(equals + 1))};
}

QList<Rename> renamesOfSetting(const QString &value)
{
    QList<Rename> renames;
    for (const QJsonValue &pair : QJsonDocument::fromJson(value.toUtf8()).array()) {
        const QJsonArray names = pair.toArray();
        const QString from = names.at(0).toString();
        const QString to = names.at(1).toString();
        if (names.size() == 2 && !from.isEmpty() && !to.isEmpty())
            renames.append({from, to});
    }
    return renames;
}

QString settingOfRenames(const QList<Rename> &renames)
{
    if (renames.isEmpty())
        return {};
    QJsonArray list;
    for (const auto &[from, to] : renames)
        list.append(QJsonArray{from, to});
    return QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Compact));
}

} // namespace quillora
