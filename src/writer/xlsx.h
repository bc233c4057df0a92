// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "writer/workbook.h"

namespace quillora::writer {

// Writes the job as an .xlsx file through libxlsxwriter in its
// constant-memory mode (which keeps a temporary file a sheet: the caller
// sees to it that the process may open that many). Returns the reports of
// the sheets that lost something on the way.
QStringList writeXlsx(const StoreJob &job);

} // namespace quillora::writer
