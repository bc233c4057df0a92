// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

namespace {
#ifndef QUILLORA_DATA_FROM_PROGRAM
#define QUILLORA_DATA_FROM_PROGRAM "../share/quillora"
#endif

void load(const QLocale &locale, const QString &name, const QString &folder)
{
    auto translator = std::make_unique<QTranslator>();
    const bool loaded = locale.language() == QLocale::C ? translator->load(name, folder)
                                                          : translator->load(locale, name, u"_"_s, folder);
    if (!loaded)
        return;
    QCoreApplication::installTranslator(translator.get());
    // The application keeps it to the end.
    translator.release()->setParent(QCoreApplication::instance());
}
} // namespace

QLocale userLanguage()
{
    const QLocale system;
    if (system.language() != QLocale::C)
        return system;
    const QStringList languages = qEnvironmentVariable("LANGUAGE").split(u':', Qt::SkipEmptyParts);
    for (const QString &language : languages) {
        const QLocale named(language);
        if (named.language() != QLocale::C)
            return named;
    }
    return system;
}

QString translationsFolder(const QString &programFolder)
{
    const QString beside = programFolder + u"/translations"_s;
    if (QFileInfo(beside).isDir())
        return beside;
    return QDir::cleanPath(programFolder + u'/' + QLatin1StringView(QUILLORA_DATA_FROM_PROGRAM)
                           + u"/translations"_s);
}

void installTranslations(const QString &programFolder, const QLocale &locale)
{
    const QString folder = translationsFolder(programFolder);
    // English's own plural forms ("1 file", "2 files"), under any language:
    // a message another language lacks falls back to them.
    load(QLocale::c(), u"quillora_en"_s, folder);
    if (locale.language() == QLocale::C || locale.language() == QLocale::English)
        return;
    load(locale, u"qtbase"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    load(locale, u"quillora"_s, folder);
}

} // namespace quillora
