#include "core/import/spreadsheetmodule.h"
#include "gui/application.h"
#include "gui/dialogs.h"
#include "core/product.h"
#include "core/settings.h"

#include <QApplication>
#include <QDesktopServices>
#include <QRandomGenerator>
#include <QSettings>

using namespace quillora;

int main(int argc, char *argv[])
{
    ignoreBrokenPipes();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(Product::Organisation.toString());
    QApplication::setApplicationName(Product::Name.toString());

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
