// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings.h"

#include <QLoggingCategory>
#include <QRect>

#include <array>

namespace quillora {

Q_DECLARE_LOGGING_CATEGORY(lcOptions)

// The window's option buttons: the number each has had from the start, its
// caption (translated where shown), the setting it is stored as, and its
// place inside its frame.
struct OptionSpec
{
    int number;
    const char *caption;
    SettingKey key;
    QRect geometry;
};

// The format group from top to bottom, then the sheet group.
const std::array<OptionSpec, 8> &optionTable();
// Keys of each group in the order they are written.
inline constexpr std::array<int, 6> FormatGroup{1, 2, 3, 7, 4, 8};
inline constexpr std::array<int, 2> SheetGroup{5, 6};
const OptionSpec &specOf(int number);
bool inFormatGroup(int number);

} // namespace quillora
