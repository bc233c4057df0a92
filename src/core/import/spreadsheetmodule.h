// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLibrary>
#include <QString>

#include <memory>

namespace quillora {

class SpreadsheetProvider;

// The entry point of the LibreOffice bridge module: makes the provider for
// the LibreOffice whose program folder is given. Returns null on failure.
using CreateSpreadsheets = SpreadsheetProvider *(*)(const char16_t *programFolder, qsizetype length);
inline constexpr char CreateSpreadsheetsSymbol[] = "quillora_create_spreadsheets";

// Makes a write to a pipe whose reader has gone fail with an error instead of
// ending the process: LibreOffice may die while a block is on its way to it,
// and that must give one report, not a dead program. Called first thing by
// every program that talks to LibreOffice.
void ignoreBrokenPipes();

// LibreOffice's program folder: UNO_PATH when set, else the folder of the
// soffice found on PATH (links resolved), else the usual install folders.
// Empty when LibreOffice cannot be found. Never starts LibreOffice.
QString findOfficeProgramFolder();

// Where the bridge module is for a program in the given folder: beside it in
// a build, in the library folder's "quillora" once installed.
QString moduleFolderFor(const QString &programFolder);

// The bridge module, loaded at run time so that the program starts on a
// machine without LibreOffice. Loading finds LibreOffice and its libraries
// but does not start it.
class SpreadsheetModule
{
public:
    // Null when LibreOffice or the module cannot be found or loaded; why says why.
    static std::unique_ptr<SpreadsheetModule> load(const QString &moduleFolder, QString *why = nullptr);

    SpreadsheetModule(QString programFolder, std::unique_ptr<SpreadsheetProvider> provider);
    ~SpreadsheetModule();

    SpreadsheetProvider &provider() const { return *m_provider; }
    const QString &programFolder() const { return m_programFolder; }

private:
    QString m_programFolder;
    std::unique_ptr<SpreadsheetProvider> m_provider;
};

} // namespace quillora
