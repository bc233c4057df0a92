// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "writer/workbook.h"

namespace quillora::writer {

// Write the job as an OpenDocument spreadsheet: .ods (a zip archive) and
// .fods (one XML file). Each returns the reports of the sheets that lost
// something on the way.
QStringList writeOpenDocument(const StoreJob &job);
QStringList writeFlatOpenDocument(const StoreJob &job);

} // namespace quillora::writer
