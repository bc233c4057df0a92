// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

class QSettings;

namespace quillora {

class Dialogs;
class MainWindow;
class SingleWindow;

// Everything the program takes from its surroundings; main() passes the real
// ones, tests their own.
struct Surroundings
{
    Dialogs &dialogs;
    QSettings &settings;
    // Where the skin, the pointer images, the samples and the bridge module are.
    QString programFolder;
    std::function<double()> random;
    std::function<void(const QUrl &)> openUrl;
    // Called once the window is loaded, before it shows; tests look at it there.
    std::function<void(MainWindow &)> loaded{};
    // Paths to list once the window shows (quillora --window PATH...).
    QStringList paths{};
    // This user's one window on this display, which later starts hand
    // their paths to; none in tests that need no such thing.
    SingleWindow *single = nullptr;
};

// Loads the LibreOffice bridge, builds the main window and runs start-up.
// Returns the program's exit code: 0 at once when start-up ends the program,
// else whatever the event loop returns once the window is closed.
int runQuillora(const Surroundings &surroundings);

} // namespace quillora
