// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace quillora {

struct Separator;

// How a file cuts its lines, as its start shows: at which of comma,
// semicolon, tab and pipe, and whether its fields are quoted.
struct Dialect
{
    const Separator *separator = nullptr; // nullptr: lines stay whole
    bool quotes = false;                  // quoted fields are kept whole
    bool quotesSeen = false;              // the start has quoted fields
    // Of the records looked at, those with another number of cells than
    // most (a ragged last column, a trailing note): cut all the same.
    int records = 0;
    int differing = 0;
    // A separator that splits the records as well, and keeps as many
    // numbers and words whole: the file could be cut either way.
    const Separator *tiedWith = nullptr;
    // Where quotes that do not pair made the text read without quoting: the
    // start of the first line whose quotes do not pair; -1 otherwise.
    qsizetype unpairedQuoteAt = -1;
    // Where no separator splits the records evenly but one splits many and
    // the others hardly any: the records it splits; 0 otherwise.
    int raggedSplit = 0;
};

// The dialect most records of the text agree on (whole lines, the text's
// last line complete): for each separator, quoted fields honoured where the
// text has them (always, with quotes, and where the text holds no quote at
// all, for a quoted field further on), the share of records that have the
// most common number of cells, two or more. The highest share wins, at
// least half the records; between equal shares, the separator that cuts
// fewer numbers ("11,50") and phrases (", " before a word) apart. Where none
// agrees so, one that splits half the records or more while the others
// leave nearly all whole (rows of many lengths).
Dialect dialectOf(QStringView text, bool quotes);

// The rows of the staged text (cut at separator) above the first that
// starts its table: the first row of two cells or more that is no sentence
// cut at its commas. Nothing in a file of one column, nor where no row
// starts a table.
qint64 rowsAboveTable(QStringView staged, QStringView separator);

// The dialect as the preview, the plan and the dry run name it: "commas",
// "commas, quoted fields"; empty for whole lines.
QString dialectShown(const Dialect &dialect);

} // namespace quillora
