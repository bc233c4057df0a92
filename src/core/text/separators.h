// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <span>

namespace quillora {

// A separator people name: the window's options, --split and the hint that a
// file looks cut elsewhere all speak of these.
struct Separator
{
    QStringView text;   // ";"
    QStringView name;   // "semicolon", as --split takes it
    QStringView plural; // "semicolons", as a hint says it
    // The window's format option that cuts there; 0 where the user types it
    // under "these character(s)".
    int windowOption;
};

// In the order a hint prefers them where lines split as evenly at two.
std::span<const Separator> namedSeparators();
// The separator of that --split name or of that text; nullptr for none.
const Separator *separatorNamed(QStringView name);
const Separator *separatorOfText(QStringView text);

} // namespace quillora
