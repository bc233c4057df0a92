// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/import/spreadsheetmodule.h"

#include "core/import/spreadsheet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <csignal>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

namespace {
// A program folder we can use: it runs soffice and holds the UNO libraries.
bool isProgramFolder(const QString &folder)
{
    const QDir dir(folder);
    return !folder.isEmpty() && QFileInfo(dir.filePath(u"soffice"_s)).isExecutable()
        && QFileInfo::exists(dir.filePath(u"libuno_sal.so.3"_s)) && QFileInfo::exists(dir.filePath(u"unorc"_s));
}

// The UNO libraries, in the order they depend on each other. Loading them by
// full path from the program folder makes the module's references to them
// resolve there, wherever that LibreOffice is installed.
constexpr std::array<QStringView, 4> UnoLibraries{u"libuno_sal.so.3", u"libuno_salhelpergcc3.so.3",
                                                  u"libuno_cppu.so.3", u"libuno_cppuhelpergcc3.so.3"};

bool fail(QString *why, const QString &text)
{
    if (why)
        *why = text;
    return false;
}
} // namespace

void ignoreBrokenPipes()
{
    struct sigaction ignore{};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ::sigaction(SIGPIPE, &ignore, nullptr);
}

QString moduleFolderFor(const QString &programFolder)
{
    const QString installed =
        QDir::cleanPath(QDir(programFolder).filePath(QLatin1StringView(QUILLORA_MODULE_FROM_PROGRAM)));
    return QFileInfo::exists(QDir(installed).filePath(u"libquillora_libreoffice.so"_s)) ? installed : programFolder;
}

QString findOfficeProgramFolder()
{
    if (qEnvironmentVariableIsSet("UNO_PATH")) {
        QString folder = qEnvironmentVariable("UNO_PATH");
        return isProgramFolder(folder) ? QDir(folder).absolutePath() : QString();
    }
    const QString soffice = QStandardPaths::findExecutable(u"soffice"_s);
    if (!soffice.isEmpty()) {
        const QString folder = QFileInfo(QFileInfo(soffice).canonicalFilePath()).absolutePath();
        if (isProgramFolder(folder))
            return folder;
    }
    QStringList usual{u"/usr/lib/libreoffice/program"_s, u"/usr/local/lib/libreoffice/program"_s,
                      u"/usr/lib64/libreoffice/program"_s, u"/opt/libreoffice/program"_s};
    const QFileInfoList opt = QDir(u"/opt"_s).entryInfoList({u"libreoffice*"_s}, QDir::Dirs, QDir::Name | QDir::Reversed);
    for (const QFileInfo &install : opt)
        usual.append(install.filePath() + u"/program"_s);
    for (const QString &folder : usual) {
        if (isProgramFolder(folder))
            return folder;
    }
    return {};
}

std::unique_ptr<SpreadsheetModule> SpreadsheetModule::load(const QString &moduleFolder, QString *why)
{
    const QString programFolder = findOfficeProgramFolder();
    if (programFolder.isEmpty()) {
        fail(why, QCoreApplication::translate("quillora::SpreadsheetModule", "LibreOffice was not found."));
        return nullptr;
    }
    for (QStringView name : UnoLibraries) {
        QLibrary library(programFolder + u'/' + name);
        library.setLoadHints(QLibrary::ExportExternalSymbolsHint);
        if (!library.load()) {
            fail(why, library.errorString());
            return nullptr;
        }
    }
    QLibrary module(QDir(moduleFolder).filePath(u"libquillora_libreoffice.so"_s));
    if (!module.load()) {
        fail(why, module.errorString());
        return nullptr;
    }
    const auto create = reinterpret_cast<CreateSpreadsheets>(module.resolve(CreateSpreadsheetsSymbol));
    if (!create) {
        fail(why, module.errorString());
        return nullptr;
    }
    std::unique_ptr<SpreadsheetProvider> provider(
        create(reinterpret_cast<const char16_t *>(programFolder.utf16()), programFolder.size()));
    if (!provider) {
        fail(why, QCoreApplication::translate("quillora::SpreadsheetModule", "The LibreOffice bridge could not be set up."));
        return nullptr;
    }
    // The libraries stay loaded for the life of the program.
    return std::make_unique<SpreadsheetModule>(programFolder, std::move(provider));
}

SpreadsheetModule::SpreadsheetModule(QString programFolder, std::unique_ptr<SpreadsheetProvider> provider)
    : m_programFolder(std::move(programFolder))
    , m_provider(std::move(provider))
{
}

SpreadsheetModule::~SpreadsheetModule() = default;

} // namespace quillora
