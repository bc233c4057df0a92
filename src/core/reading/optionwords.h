// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/list/paths.h"
#include "core/text/cellvalue.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>

namespace quillora {

// A value of an option in every form it takes: the word the command line
// takes, the value the settings store, and the caption the window shows
// (translated where shown; none where the window has no list of them).
template <typename Value>
struct OptionWord
{
    Value value;
    QStringView word;
    QStringView stored;
    const char *shown;
};

// One table per option, for the parse, the settings and the printing alike.
inline constexpr std::array<OptionWord<DecimalSign>, 3> DecimalSignWords{{
    {DecimalSign::Automatic, u"auto", u"Automatic", QT_TRANSLATE_NOOP("quillora::OptionWords", "automatic")},
    {DecimalSign::Point, u"point", u"Point", QT_TRANSLATE_NOOP("quillora::OptionWords", "point")},
    {DecimalSign::Comma, u"comma", u"Comma", QT_TRANSLATE_NOOP("quillora::OptionWords", "comma")},
}};
inline constexpr std::array<OptionWord<FileColumn>, 3> FileColumnWords{{
    {FileColumn::Relative, u"relative", u"Relative", nullptr},
    {FileColumn::Name, u"name", u"Name", nullptr},
    {FileColumn::Path, u"path", u"Path", nullptr},
}};

// The value of a command-line word; nullopt for none.
template <typename Value, size_t N>
std::optional<Value> valueOfWord(const std::array<OptionWord<Value>, N> &words, QStringView word)
{
    for (const OptionWord<Value> &entry : words) {
        if (entry.word == word)
            return entry.value;
    }
    return std::nullopt;
}

// The value of a stored setting, whatever its letter case; nullopt for none.
template <typename Value, size_t N>
std::optional<Value> valueOfStored(const std::array<OptionWord<Value>, N> &words, QStringView stored)
{
    for (const OptionWord<Value> &entry : words) {
        if (entry.stored.compare(stored, Qt::CaseInsensitive) == 0)
            return entry.value;
    }
    return std::nullopt;
}

// The words as the help lists them: "auto|point|comma".
template <typename Value, size_t N>
QString wordsOf(const std::array<OptionWord<Value>, N> &words)
{
    QStringList all;
    for (const OptionWord<Value> &entry : words)
        all.append(entry.word.toString());
    return all.join(u'|');
}

} // namespace quillora
