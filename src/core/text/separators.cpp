// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/separators.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace quillora {

namespace {
constexpr std::array<Separator, 5> Separators{{
    {u",", u"comma", QT_TRANSLATE_NOOP("quillora::Separators", "commas"),
     QT_TRANSLATE_NOOP("quillora::Separators", "Comma"), 3},
    {u";", u"semicolon", QT_TRANSLATE_NOOP("quillora::Separators", "semicolons"),
     QT_TRANSLATE_NOOP("quillora::Separators", "Semicolon"), 0},
    {u"\t", u"tab", QT_TRANSLATE_NOOP("quillora::Separators", "tabs"), QT_TRANSLATE_NOOP("quillora::Separators", "Tab"),
     7},
    {u"|", u"pipe", QT_TRANSLATE_NOOP("quillora::Separators", "pipes"),
     QT_TRANSLATE_NOOP("quillora::Separators", "Pipe"), 0},
    {u" ", u"space", QT_TRANSLATE_NOOP("quillora::Separators", "spaces"),
     QT_TRANSLATE_NOOP("quillora::Separators", "Space"), 2},
}};
} // namespace

QString pluralShown(const Separator &separator)
{
    return QCoreApplication::translate("quillora::Separators", separator.plural);
}

QString titleShown(const Separator &separator)
{
    return QCoreApplication::translate("quillora::Separators", separator.title);
}

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
