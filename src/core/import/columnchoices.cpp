// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/import/columnchoices.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <array>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

namespace {
constexpr std::array<std::pair<ColumnKind, QStringView>, 6> Words{{
    {ColumnKind::Text, u"text"},
    {ColumnKind::Number, u"number"},
    {ColumnKind::DateDmy, u"date-dmy"},
    {ColumnKind::DateMdy, u"date-mdy"},
    {ColumnKind::DateYmd, u"date-ymd"},
    {ColumnKind::Skip, u"skip"},
}};
} // namespace

std::optional<ColumnChoice> columnChoiceOf(QStringView text)
{
    const qsizetype equals = text.lastIndexOf(u'=');
    if (equals <= 0)
        return std::nullopt;
    const QStringView name = text.first(equals);
    const QStringView type = text.sliced(equals + 1);
    for (const auto &[kind, word] : Words) {
        if (type.compare(word, Qt::CaseInsensitive) != 0)
            continue;
        bool digits = false;
        const int number = name.toInt(&digits);
        if (digits && number > 0 && std::all_of(name.begin(), name.end(), [](QChar c) { return c.isDigit(); }))
            return ColumnChoice{{}, number, kind};
        return ColumnChoice{name.toString(), 0, kind};
    }
    return std::nullopt;
}

QStringList kindWords()
{
    QStringList words;
    for (const auto &[kind, word] : Words)
        words.append(word.toString());
    return words;
}

QString wordOfKind(ColumnKind kind)
{
    for (const auto &[each, word] : Words) {
        if (each == kind)
            return word.toString();
    }
    return {};
}

QList<ColumnChoice> columnChoicesOfSetting(const QString &value)
{
    QList<ColumnChoice> choices;
    for (const QJsonValue &entry : QJsonDocument::fromJson(value.toUtf8()).array()) {
        const QJsonArray triple = entry.toArray();
        const QString name = triple.at(0).toString();
        const int number = triple.at(1).toInt();
        const auto choice = columnChoiceOf(QString(u"x=" + triple.at(2).toString()));
        if (triple.size() == 3 && choice && (name.isEmpty() != (number == 0)))
            choices.append(ColumnChoice{name, number, choice->kind});
    }
    return choices;
}

QString settingOfColumnChoices(const QList<ColumnChoice> &choices)
{
    QJsonArray list;
    for (const ColumnChoice &choice : choices)
        list.append(QJsonArray{choice.name, choice.number, wordOfKind(choice.kind)});
    return choices.isEmpty() ? QString() : QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Compact));
}

} // namespace quillora
