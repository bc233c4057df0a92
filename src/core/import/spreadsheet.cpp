// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/import/spreadsheet.h"

namespace quillora {

bool SheetExists(SpreadsheetDocument &document, const QString &name)
{
    bool exists = false;
    const int count = document.sheetCount();
    for (int i = 0; i < count; ++i) {
        if (document.sheetName(i) == name)
            exists = true;
    }
    return exists;
}

} // namespace quillora
