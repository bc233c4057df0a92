#include "libreoffice/unoerror.h"

using namespace Qt::Literals::StringLiterals;

namespace quillora::lo {

void throwLost()
{
    throw SpreadsheetLost(u"The connection to LibreOffice was lost: LibreOffice was closed or stopped."_s);
}

void throwFailure(const css::uno::Exception &e, const AliveFlag &alive)
{
    if (alive && !alive->load())
        throwLost();
    const QString message = toQString(e.Message).trimmed();
    throw Failure(message.isEmpty() ? u"LibreOffice refused the request."_s : message);
}

} // namespace quillora::lo
