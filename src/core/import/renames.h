// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>
#include <utility>

namespace quillora {

// A header name that counts as another (old, new) before names are matched:
// "client" joins "customer".
using Rename = std::pair<QString, QString>;

// "OLD=NEW" as --rename takes it: the first "=" that no backslash stands
// before parts the names, "\=" is an "=" of a name. nullopt without two
// names.
std::optional<Rename> renameOf(QStringView text);

// The renames as the window stores them ("Renames"): a JSON list of
// [old, new] pairs, which any name survives. A value not of that form
// reads as none.
QList<Rename> renamesOfSetting(const QString &value);
QString settingOfRenames(const QList<Rename> &renames);

} // namespace quillora
