#include "app/application.h"
#include "app/dialogs.h"
#include "app/product.h"
#include "app/settings.h"

#include <QApplication>
#include <QDesktopServices>
#include <QRandomGenerator>
#include <QSettings>

using namespace quillora;

int main(int argc, char *argv[])
{
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
