// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

namespace quillora {

// Keeps, in order, the characters of text that occur in allowed.
QString KeepCharacters(QStringView text, QStringView allowed);

// Letters, digits and the space of a file name: 'sales report.txt' gives
// 'sales reporttxt'.
QString SheetNameOf(QStringView fileName);

// r * n rounded half to even, plus 1, for a uniform draw r from [0, 1): a
// whole number from 1 to n + 1.
int RandomNumber(int n, double r);

// A name for a file's sheet that the document does not have yet: the file's
// sheet name, lengthened by a random number while the name is taken. A file
// name without any usable character gets "File" and its list position.
QString freeSheetName(const QString &fileName, int listPosition,
                      const std::function<bool(const QString &)> &isTaken,
                      const std::function<double()> &random);

// A file's sheet named as the file is ("2024-01.csv"): only what a sheet
// name cannot hold ([]:*?/\, control characters, an apostrophe at either
// end) becomes "_"; " (2)", " (3)" ... keep it apart from the sheets there.
// A file name that leaves nothing gets "File" and its list position.
QString listedSheetName(const QString &fileName, int listPosition,
                        const std::function<bool(const QString &)> &isTaken);

// The sheet of the file at path, named as the run names it: as listed, or by
// its letters, digits and spaces.
QString fileSheetName(const QString &path, int listPosition, bool asListed,
                      const std::function<bool(const QString &)> &isTaken, const std::function<double()> &random);

} // namespace quillora
