// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

#include <functional>

namespace quillora {

class Dialogs;

// The message shown when LibreOffice cannot be found or its bridge cannot be loaded.
QString officeMissingText();

// The last step of start-up: true when the spreadsheet application is there.
// Otherwise the user is told, offered the download page, and false ends the
// program before its window shows, on Yes and No alike.
bool CheckOpenOfficeInstalled(bool officePresent, Dialogs &dialogs, const std::function<void(const QUrl &)> &openUrl);

} // namespace quillora
