// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/reading/fileaccount.h"

#include <QList>
#include <QString>

namespace quillora {

// The report of an import as a file (--report=FILE, or saved from the
// window): a row per file as the report sheet has it, under the same keys in
// every language, numbers without grouping. CSV, or JSON Lines where the
// name ends in .jsonl or .json. Written whole or not at all, in place of
// any file there. Throws Failure.
void writeReportFile(const QString &path, const QList<FileAccount> &accounts, const QString &choose);

// The report as it would be written at path.
QByteArray reportFileText(const QString &path, const QList<FileAccount> &accounts, const QString &choose);

} // namespace quillora
