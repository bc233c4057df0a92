// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace quillora {

// A separator the lines split far more evenly at than at the chosen one.
struct SeparatorHint
{
    QString separator; // ";"
    QString name;      // "semicolons"
};

// Where the lines of a file's start split far more evenly than at the
// chosen separator (nullopt: lines stay whole): at one of the separators
// people name; nullopt when the chosen one does as well.
std::optional<SeparatorHint> separatorHint(QStringView text, const std::optional<QString> &chosen, bool quotes);

struct Separator;

// The separator a file's start splits at most consistently, of comma,
// semicolon, tab and pipe (quotes counted as given): the one that gives the
// same number of cells (two or more) to the most lines, then the most cells;
// commas that all stand between digits are decimal commas, no separator,
// where semicolons also split evenly. nullptr where none splits evenly.
const Separator *ownSeparatorOf(QStringView text, bool quotes);

// How the text ends its lines: "CR LF", "LF", "CR", "mixed" or "none".
QString lineEndsOf(QStringView text);

// The lines of staged text: CR LF, LF and a lone CR each end one, as the
// staging file reads them back.
QStringList stagedLinesOf(const QString &text);

} // namespace quillora
