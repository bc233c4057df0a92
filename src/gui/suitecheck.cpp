// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/suitecheck.h"

#include "core/product.h"
#include "gui/dialogs.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

QString officeMissingText()
{
    // Paragraphs apart, as translations keep no line-break characters.
    return QCoreApplication::translate("quillora::SuiteCheck", "Error 214878392") + u"\r\n\r\n"_s
        + QCoreApplication::translate("quillora::SuiteCheck",
                                      "OpenOffice is required to run this software. It is not installed on this "
                                      "computer.")
        + u"\r\r"_s + QCoreApplication::translate("quillora::SuiteCheck", "Woud you like to open this site now?")
        + u"\r\n\r\n"_s
        + QCoreApplication::translate("quillora::SuiteCheck",
                                      "(If you think this error is a mistake and you have OpenOffice installed, please "
                                      "email a screenshot of this error message and a screenshot of the OpenOffice "
                                      "'About' window to %1)")
              .arg(Product::SupportAddress);
}

bool CheckOpenOfficeInstalled(bool officePresent, Dialogs &dialogs, const std::function<void(const QUrl &)> &openUrl)
{
    if (officePresent)
        return true;
    // Nothing here may fail the start: the program ends either way.
    try {
        if (dialogs.question(officeMissingText()) && openUrl)
            openUrl(QUrl(Product::OfficeDownloadPage.toString()));
    } catch (...) {
    }
    return false;
}

} // namespace quillora
