// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/suitecheck.h"

#include "gui/dialogs.h"
#include "core/product.h"

using namespace Qt::Literals::StringLiterals;

namespace quillora {

QString officeMissingText()
{
    return u"Error 214878392\r\n\r\n"
           u"OpenOffice is required to run this software. It is not installed on this computer."
           u"\r\r"
           u"Woud you like to open this site now?\r\n\r\n"
           u"(If you think this error is a mistake and you have OpenOffice installed, please email a screenshot "
           u"of this error message and a screenshot of the OpenOffice 'About' window to "_s
        + Product::SupportAddress + u')';
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
