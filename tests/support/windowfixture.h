// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings.h"
#include "gui/filelistview.h"
#include "gui/mainwindow.h"
#include "memoryspreadsheet.h"
#include "scripteddialogs.h"

#include <QApplication>
#include <QFont>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>

namespace quillora::test {

// The desktop's font, where the test run names one ("DejaVu Sans:10"):
// dialogs and the report speak it; the window keeps its own size.
inline void useDesktopFont()
{
    const QStringList font = qEnvironmentVariable("QUILLORA_TEST_FONT").split(u':');
    if (font.size() == 2)
        QApplication::setFont(QFont(font[0], font[1].toInt()));
}

// A main window on test surroundings: settings in an INI file of a temporary
// folder, scripted dialogs, the in-memory spreadsheet, a fixed random draw.
struct WindowFixture
{
    QTemporaryDir dir;
    std::unique_ptr<QSettings> ini = std::make_unique<QSettings>(dir.filePath(QStringLiteral("settings.ini")),
                                                                 QSettings::IniFormat);
    std::unique_ptr<SettingsStore> store = std::make_unique<SettingsStore>(*ini);
    ScriptedDialogs dialogs;
    MemorySpreadsheet office;
    QList<QUrl> opened;
    double draw = 0.5;
    std::function<bool()> officeCheck;

    WindowFixture() { useDesktopFont(); }

    std::unique_ptr<MainWindow> makeWindow()
    {
        AppServices services{
            .dialogs = dialogs,
            .settings = *store,
            .programFolder = dir.filePath(QStringLiteral("program")),
            .random = [this] { return draw; },
            .openUrl = [this](const QUrl &url) { opened.append(url); },
            .spreadsheets = &office,
            .checkOfficeInstalled = officeCheck,
        };
        return std::make_unique<MainWindow>(services);
    }

    // Settings read afresh from the file, as at the next start.
    void reopenSettings()
    {
        ini->sync();
        ini = std::make_unique<QSettings>(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
        store = std::make_unique<SettingsStore>(*ini);
    }
};

template <class T>
T *child(QWidget &window, const QString &name)
{
    T *found = window.findChild<T *>(name);
    if (!found)
        qFatal("no child %s", qPrintable(name));
    return found;
}

} // namespace quillora::test
