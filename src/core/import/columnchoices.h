// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/text/cellvalue.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace quillora {

// The kind a user chose for a column: by its header name (after renames),
// or by its number from 1 among the sheet's columns of text.
struct ColumnChoice
{
    QString name;   // empty where chosen by number
    int number = 0; // from 1; 0 where chosen by name
    ColumnKind kind = ColumnKind::Text;
    bool operator==(const ColumnChoice &) const = default;
};

// "NAME=TYPE" as --column takes it: the last "=" parts them, TYPE one of
// the words of kindWords(); a NAME of digits alone is a number. nullopt
// where TYPE is none of them or NAME is empty.
std::optional<ColumnChoice> columnChoiceOf(QStringView text);
// The words a TYPE may be, in the order they are listed.
QStringList kindWords();
// The word of a kind, as --column takes it ("date-dmy").
QString wordOfKind(ColumnKind kind);

// The choices as the window stores them ("ColumnKinds"): a JSON list of
// [name, number, word] triples, which any name survives. A value not of
// that form reads as none.
QList<ColumnChoice> columnChoicesOfSetting(const QString &value);
QString settingOfColumnChoices(const QList<ColumnChoice> &choices);

} // namespace quillora
