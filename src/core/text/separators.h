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
    const char *plural; // "semicolons", as a hint says it (translated where shown)
    const char *title;  // "Semicolon", as a list offers it (translated where shown)
    // The window's format option that cuts there; 0 where the user types it
    // under "these character(s)".
    int windowOption;
};

// The plural and the title in the user's language.
QString pluralShown(const Separator &separator);
QString titleShown(const Separator &separator);

// In the order a hint prefers them where lines split as evenly at two.
std::span<const Separator> namedSeparators();
// The separator of that --split name or of that text; nullptr for none.
const Separator *separatorNamed(QStringView name);
const Separator *separatorOfText(QStringView text);

} // namespace quillora
