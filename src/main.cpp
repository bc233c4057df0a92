#include "cli/commandline.h"
#include "cli/interruption.h"
#include "core/import/spreadsheetmodule.h"
#include "core/product.h"
#include "core/settings.h"
#include "gui/application.h"
#include "gui/dialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QRandomGenerator>
#include <QSettings>
#include <QTextStream>

#include <cstdio>
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
    // Warnings from below (the LibreOffice bridge) are report lines too.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &message) {
        std::fputs(qPrintable(u"quillora: "_s + printable(message) + u'\n'), stderr);
    });
    QTextStream out(stdout);
    QTextStream err(stderr);
    Console console{out, err, terminal};
    return runQuilloraCommand(QCoreApplication::arguments(), console, QCoreApplication::applicationDirPath());
}

int runWindow(int argc, char *argv[])
{
    if (!windowCanOpen()) {
        std::fputs("quillora: there is no display to open the window on; the command line works without one, "
                   "for example: quillora --output FILE PATH... (see quillora --help).\n",
                   stderr);
        return ExitStatus::Usage;
    }
    QApplication app(argc, argv);
    setIdentity();
    // Docks and task bars find the desktop entry, and its icon, by this.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.quillora.Quillora"));
    const std::unique_ptr<QSettings> settings = openUserSettings();
    WidgetDialogs dialogs(SetAppTitle(Product::Name));
    return runQuillora({
        .dialogs = dialogs,
        .settings = *settings,
        .programFolder = QApplication::applicationDirPath(),
        .random = [] { return QRandomGenerator::global()->generateDouble(); },
        .openUrl = [](const QUrl &url) { QDesktopServices::openUrl(url); },
    });
}
} // namespace

int main(int argc, char *argv[])
{
    ignoreBrokenPipes();
    return argc > 1 ? runCommandLine(argc, argv) : runWindow(argc, argv);
}
