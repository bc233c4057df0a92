// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/import/columnchoices.h"

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

} // namespace quillora
