#include "app/dialogs.h"
#include "app/mainwindow.h"
#include "app/product.h"
#include "app/settings.h"

#include <QApplication>
#include <QDesktopServices>
#include <QRandomGenerator>
#include <QSettings>

using namespace Qt::Literals::StringLiterals;
using namespace quillora;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(Product::Organisation.toString());
    QApplication::setApplicationName(Product::Name.toString());

    const std::unique_ptr<QSettings> userSettings = openUserSettings();
    SettingsStore settings(*userSettings);
    WidgetDialogs dialogs(SetAppTitle(Product::Name));

    AppServices services{
        .dialogs = dialogs,
        .settings = settings,
        .programFolder = QApplication::applicationDirPath(),
        .random = [] { return QRandomGenerator::global()->generateDouble(); },
        .openUrl = [](const QUrl &url) { QDesktopServices::openUrl(url); },
    };
    MainWindow window(services);
    dialogs.setParentWindow(&window);
    if (!window.Form_Load())
        return 0;
    window.show();
    return app.exec();
}
