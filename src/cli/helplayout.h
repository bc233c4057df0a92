// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace quillora {

// The columns a text takes in a terminal: a wide character (Japanese,
// Chinese, Korean) two, a combining mark none, any other one.
int displayWidth(QStringView text);

// The text's paragraphs wrapped at width columns. A paragraph is an indented
// line and the lines after it of its indentation (a line at the margin is
// one of its own); a line of a table ("  0      every
// file ...") goes on under its own text. Lines break at spaces, and between
// wide characters (not before a closing mark nor after an opening one).
QString wrappedAt(const QString &text, int width);

// One entry of a list of options: its names ("-o, --output <FILE>") and
// what it does.
struct HelpEntry
{
    QString names;
    QString description;
};

// Where the descriptions of the entries start: right of the longest names
// (at most 50 columns in).
int descriptionColumn(const QList<HelpEntry> &entries);

// The entries as a help lists them: the names indented by two columns, the
// descriptions from column on, wrapped at width.
QString helpEntries(const QList<HelpEntry> &entries, int column, int width);

// The width of the terminal standard output goes to, 80 when it is none.
int terminalWidth();

} // namespace quillora
