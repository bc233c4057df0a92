// SPDX-License-Identifier: GPL-3.0-or-later
// Every test program speaks the program's English, whatever the machine's
// language: its plural forms ("1 file", "2 files") and nothing else.
#include "core/translations.h"

#include <QCoreApplication>
#include <QLocale>

namespace {
void installEnglish()
{
    quillora::installTranslations(QCoreApplication::applicationDirPath(), QLocale::c());
}
} // namespace

Q_COREAPP_STARTUP_FUNCTION(installEnglish)
