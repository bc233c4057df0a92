// SPDX-License-Identifier: GPL-3.0-or-later
#include "libreoffice/libreofficeprovider.h"

#include "libreoffice/calcdocument.h"

#include <QCoreApplication>

#include <com/sun/star/frame/XComponentLoader.hpp>

using namespace Qt::Literals::StringLiterals;
using namespace css;

namespace quillora::lo {

LibreOfficeProvider::LibreOfficeProvider(QString programFolder, std::chrono::milliseconds deadline, QString pipeName)
    : m_session(std::move(programFolder), deadline, std::move(pipeName))
{
}

QString LibreOfficeProvider::applicationName() const
{
    return u"LibreOffice"_s;
}

void LibreOfficeProvider::start()
{
    if (!m_session.connected()) {
        // A proxy kept from a connection that is gone would stand in for the
        // same object when the new connection hands it out again.
        std::lock_guard lock(m_mutex);
        m_lastDocument.clear();
    }
    translated(m_session.alive(), [&] { m_session.ensureConnected(); });
}

std::unique_ptr<SpreadsheetDocument> LibreOfficeProvider::newDocument()
{
    const AliveFlag alive = m_session.alive();
    return translated(alive, [&] {
        if (!m_session.connected())
            throwLost();
        const uno::Reference<lang::XComponent> component = m_session.desktop()->loadComponentFromURL(
            OUString("private:factory/scalc"), OUString("_blank"), 0, {});
        uno::Reference<sheet::XSpreadsheetDocument> document(component, uno::UNO_QUERY);
        if (!document.is())
            throw Failure(QCoreApplication::translate("quillora::LibreOfficeProvider", "LibreOffice did not open a new spreadsheet document."));
        {
            std::lock_guard lock(m_mutex);
            m_lastDocument = document;
        }
        return std::make_unique<CalcDocument>(document, alive);
    });
}

uno::Reference<sheet::XSpreadsheetDocument> LibreOfficeProvider::lastDocument() const
{
    std::lock_guard lock(m_mutex);
    return m_lastDocument;
}

} // namespace quillora::lo
