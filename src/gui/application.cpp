// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/application.h"

#include "gui/closeonsignal.h"
#include "gui/dialogs.h"
#include "gui/mainwindow.h"
#include "gui/singlewindow.h"
#include "core/settings.h"
#include "gui/suitecheck.h"
#include "core/import/spreadsheetmodule.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

Q_LOGGING_CATEGORY(lcApp, "quillora.app")


int runQuillora(const Surroundings &surroundings)
{
    // Loading the bridge finds LibreOffice but does not start it, so start-up
    // stays quick; LibreOffice starts at the first import.
    QString why;
    const std::unique_ptr<SpreadsheetModule> module =
        SpreadsheetModule::load(moduleFolderFor(surroundings.programFolder), &why);
    if (!module)
        qCInfo(lcApp) << "LibreOffice is not available:" << why;

    SettingsStore settings(surroundings.settings);
    AppServices services{
        .dialogs = surroundings.dialogs,
        .settings = settings,
        .programFolder = surroundings.programFolder,
        .random = surroundings.random,
        .openUrl = surroundings.openUrl,
        .spreadsheets = module ? &module->provider() : nullptr,
        .checkOfficeInstalled =
            [&] { return CheckOpenOfficeInstalled(module != nullptr, surroundings.dialogs, surroundings.openUrl); },
    };
    MainWindow window(services);
    if (auto *dialogs = dynamic_cast<WidgetDialogs *>(&surroundings.dialogs))
        dialogs->setParentWindow(&window);
    const bool keepRunning = window.Form_Load();
    if (surroundings.loaded)
        surroundings.loaded(window);
    // A signal during start-up (a dialog was open) ends it there.
    if (!keepRunning || CloseOnSignal::signalNumber())
        return 0;
    if (surroundings.single) {
        QObject::connect(surroundings.single, &SingleWindow::pathsArrived, &window, [&window](const QStringList &paths) {
            window.bringToFront();
            window.addPaths(paths);
        });
    }
    window.showOnScreen();
    // Listed once the window shows: a folder's walk keeps it live.
    QTimer::singleShot(0, &window, [&window, paths = surroundings.paths] { window.addPaths(paths); });
    return QApplication::exec();
}

} // namespace quillora
