// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commandline.h"
#include "cli/display.h"
#include "cli/interruption.h"
#include "core/import/spreadsheetmodule.h"
#include "core/list/paths.h"
#include "core/product.h"
#include "core/settings.h"
#include "core/text/filenames.h"
#include "core/translations.h"
#include "gui/application.h"
#include "gui/closeonsignal.h"
#include "gui/dialogs.h"
#include "gui/singlewindow.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSettings>
#include <QTextStream>

#include <cstdio>
#include <cstring>
#include <vector>

#include <unistd.h>

using namespace quillora;
using namespace Qt::Literals::StringLiterals;

namespace {
void setIdentity()
{
    QCoreApplication::setOrganizationName(Product::Organisation.toString());
    QCoreApplication::setApplicationName(Product::Name.toString());
    QCoreApplication::setApplicationVersion(QStringLiteral(QUILLORA_VERSION));
}

// Any argument makes a command-line run: no window, no display needed.
int runCommandLine(int argc, char *argv[])
{
    // First of all: a signal that comes early ends the run as a late one does.
    Interruption::install();
    const bool terminal = ::isatty(STDERR_FILENO);
    // Help and usage name the program by its name, not the path it was run by.
    std::vector<char *> arguments(argv, argv + argc);
    static char name[] = "quillora";
    arguments[0] = name;
    QCoreApplication app(argc, arguments.data());
    setIdentity();
    installTranslations(QCoreApplication::applicationDirPath());
    // Warnings from below (the LibreOffice bridge) are report lines too.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &message) {
        std::fputs(qPrintable(u"quillora: "_s + printable(message) + u'\n'), stderr);
    });
    QTextStream out(stdout);
    QTextStream err(stderr);
    Console console{out, err, terminal};
    // The arguments' own bytes: a file name that is not UTF-8 still names
    // its file.
    QStringList words{u"quillora"_s};
    for (int i = 1; i < argc; ++i)
        words.append(decodePath(argv[i]));
    return runQuilloraCommand(words, console, QCoreApplication::applicationDirPath());
}

// The window, with the paths to list (quillora --window PATH...): given to
// the window already open on this display when there is one.
int runWindow(int argc, char *argv[], const QStringList &paths)
{
    if (!windowCanOpen()) {
        // Said in the user's language, as the command line says things.
        QCoreApplication app(argc, argv);
        installTranslations(QCoreApplication::applicationDirPath());
        const QString text = QCoreApplication::translate(
            "quillora::Main", "quillora: there is no display to open the window on; the command line works without "
                              "one, for example: quillora --output FILE PATH... (see quillora --help).");
        std::fputs((text + u'\n').toUtf8().constData(), stderr);
        return ExitStatus::Usage;
    }
    QApplication app(argc, argv);
    setIdentity();
    installTranslations(QApplication::applicationDirPath());
    // Docks and task bars find the desktop entry, and its icon, by this.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.quillora.Quillora"));
    CloseOnSignal closing;
    SingleWindow single;
    // Another window is there: it takes the paths and comes to the front.
    // Should it not answer, this start opens a window of its own.
    if (!single.claim() && SingleWindow::handOver(paths))
        return ExitStatus::Success;
    closing.setFilesToRemove(single.ownFiles());
    const std::unique_ptr<QSettings> settings = openUserSettings();
    WidgetDialogs dialogs(SetAppTitle(Product::Name));
    const int status = runQuillora({
        .dialogs = dialogs,
        .settings = *settings,
        .programFolder = QApplication::applicationDirPath(),
        .random = [] { return QRandomGenerator::global()->generateDouble(); },
        .openUrl = [](const QUrl &url) { QDesktopServices::openUrl(url); },
        .paths = paths,
        .single = &single,
    });
    // Ended by a signal: said so, as a shell expects.
    return CloseOnSignal::signalNumber() ? 128 + CloseOnSignal::signalNumber() : status;
}
} // namespace

int main(int argc, char *argv[])
{
    ignoreBrokenPipes();
    // quillora --window PATH... opens the window with the paths listed, as a
    // file manager's "Open with" does; any other argument makes a
    // command-line run.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(decodePath(argv[i]));
    if (const auto listed = windowPaths(arguments)) {
        QStringList paths;
        // The list holds full paths; a relative one is taken from here.
        for (const QString &path : *listed)
            paths.append(QDir::current().absoluteFilePath(path));
        int windowArgc = 1;
        return runWindow(windowArgc, argv, paths);
    }
    return argc > 1 ? runCommandLine(argc, argv) : runWindow(argc, argv, {});
}
