// SPDX-License-Identifier: GPL-3.0-or-later
// The entry point the program looks up after loading this module.
#include "core/import/spreadsheetmodule.h"
#include "libreoffice/libreofficeprovider.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT quillora::SpreadsheetProvider *quillora_create_spreadsheets(const char16_t *programFolder,
                                                                                    qsizetype length) noexcept
{
    static_assert(std::is_convertible_v<decltype(&quillora_create_spreadsheets), quillora::CreateSpreadsheets>);
    try {
        const QString folder(reinterpret_cast<const QChar *>(programFolder), length);
        // Ownership passes to the program, which deletes it through the interface.
        return std::make_unique<quillora::lo::LibreOfficeProvider>(folder).release();
    } catch (...) {
        return nullptr;
    }
}
