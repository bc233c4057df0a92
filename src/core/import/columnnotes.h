// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/import/accountwords.h"
#include "core/reading/fileaccount.h"

#include <QList>
#include <QString>

namespace quillora {

// Notes on the columns of a file that its cells asked to be typed but that
// stay text, and why: a cell that would change as a number, dates that
// could be day or month first, or both.
void addColumnNotes(QList<AccountWords::Note> &notes, const FileAccount &account, const QString &path);

// The kinds its cells gave the file's columns, each by its header name or
// number, as --column names them: "amount: number, when: date-dmy, 3: text";
// empty where none was typed.
QString columnKindsShown(const FileAccount &account);

} // namespace quillora
