// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "libreoffice/officesession.h"

#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>

#include <mutex>

namespace quillora::lo {

// The spreadsheet application of the import run: LibreOffice Calc.
class LibreOfficeProvider : public SpreadsheetProvider
{
public:
    explicit LibreOfficeProvider(QString programFolder,
                                 std::chrono::milliseconds deadline = std::chrono::seconds(90),
                                 QString pipeName = {});

    void start() override;
    std::unique_ptr<SpreadsheetDocument> newDocument() override;
    void abandon() override { m_session.abandon(); }
    QString applicationName() const override;

    OfficeSession &session() { return m_session; }
    // The document the last run made, for reading it back.
    css::uno::Reference<css::sheet::XSpreadsheetDocument> lastDocument() const;

private:
    OfficeSession m_session;
    mutable std::mutex m_mutex;
    css::uno::Reference<css::sheet::XSpreadsheetDocument> m_lastDocument;
};

} // namespace quillora::lo
