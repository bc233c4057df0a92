// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/separators.h"

#include <algorithm>
#include <array>

namespace quillora {

namespace {
constexpr std::array<Separator, 5> Separators{{
    {u",", u"comma", u"commas", 3},
    {u";", u"semicolon", u"semicolons", 0},
    {u"\t", u"tab", u"tabs", 7},
    {u"|", u"pipe", u"pipes", 0},
    {u" ", u"space", u"spaces", 2},
}};
} // namespace

std::span<const Separator> namedSeparators()
{
    return Separators;
}

const Separator *separatorNamed(QStringView name)
{
    const auto found = std::find_if(Separators.begin(), Separators.end(),
                                    [&](const Separator &separator) { return separator.name == name; });
    return found == Separators.end() ? nullptr : &*found;
}

const Separator *separatorOfText(QStringView text)
{
    const auto found = std::find_if(Separators.begin(), Separators.end(),
                                    [&](const Separator &separator) { return separator.text == text; });
    return found == Separators.end() ? nullptr : &*found;
}

} // namespace quillora
