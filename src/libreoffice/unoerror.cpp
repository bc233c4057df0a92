// SPDX-License-Identifier: GPL-3.0-or-later
#include "libreoffice/unoerror.h"

#include <QCoreApplication>
#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace quillora::lo {

void throwLost()
{
    throw SpreadsheetLost(QCoreApplication::translate("quillora::UnoError", "The connection to LibreOffice was lost: LibreOffice was closed or stopped."));
}

void throwFailure(const css::uno::Exception &e, const AliveFlag &alive)
{
    if (alive && !alive->load())
        throwLost();
    // LibreOffice's messages are often only where in its own sources the
    // refusal came from ("at ./sc/source/..."): that is nothing to show.
    QString message = toQString(e.Message).trimmed();
    static const QRegularExpression sourceLocation(u"(^|\\s)at \\S+\\.(cxx|hxx|cpp|h):\\d+\\S*"_s);
    message.remove(sourceLocation);
    message = message.trimmed();
    throw Failure(message.isEmpty() ? QCoreApplication::translate("quillora::UnoError", "LibreOffice refused the request.") : message);
}

} // namespace quillora::lo
