// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/translations.h"

#include "core/datafolder.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

namespace {
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
    return dataFolder(programFolder, u"translations");
}

void installTranslations(const QString &programFolder, const QLocale &locale)
{
    const QString folder = translationsFolder(programFolder);
    // Numbers shown to a person are written as the language writes them
    // ("14,58 KiB"), by its own rules: not the C numbers a system locale of
    // "C" with LANGUAGE=de would lend it, nor C's thousands separators. The
    // data's own numbers are read by rules of their own.
    const QLocale shown = locale.language() == QLocale::C ? QLocale::c() : QLocale(locale.language(), locale.territory());
    QLocale::setDefault(shown);
    // English's own plural forms ("1 file", "2 files"), under any language:
    // a message another language lacks falls back to them.
    load(QLocale::c(), u"quillora_en"_s, folder);
    if (locale.language() == QLocale::C || locale.language() == QLocale::English)
        return;
    load(locale, u"qtbase"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    load(locale, u"quillora"_s, folder);
}

} // namespace quillora
