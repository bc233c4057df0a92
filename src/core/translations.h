// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

#include <limits>

namespace quillora {

// The languages Quillora speaks besides English, as its translation files
// name them.
inline constexpr const char *TranslatedLanguages[] = {"de", "fr", "es", "it", "pt_BR", "pl", "ru", "ja", "zh_CN", "ko"};

// Where the translations are: beside the program in the build tree, else in
// its data folder.
QString translationsFolder(const QString &programFolder);

// The user's language as QLocale::system() sees it (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG); where those name the C locale, LANGUAGE alone still
// counts ("LANGUAGE=de quillora --help" speaks German).
QLocale userLanguage();

// Everything Quillora says, and Qt's own dialogs and help, in the user's
// language, or in the one given. English and the C locale need only their plural
// forms; a language without a translation stays English. Needs the
// application object.
void installTranslations(const QString &programFolder, const QLocale &locale = userLanguage());

// A count as a plural form takes it: past what an int holds, still "many".
constexpr int pluralCount(qint64 count)
{
    return count > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max() : int(count);
}

} // namespace quillora
