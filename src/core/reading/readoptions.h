// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/list/paths.h"
#include "core/text/cellvalue.h"
#include "core/text/encodings.h"

#include <QString>

#include <optional>

namespace quillora {

// How a file's lines are cut into cells: kept whole, cut at a text, or each
// file at its own separator, found from its start (see dialectOf). One
// value, so that another way of cutting is one more kind.
struct Cutting
{
    enum class Kind { WholeLines, AtText, OwnSeparator };
    Kind kind = Kind::WholeLines;
    QString text; // what AtText cuts at

    // At the text; an empty one or none keeps lines whole.
    static Cutting at(const std::optional<QString> &text)
    {
        return text && !text->isEmpty() ? Cutting{Kind::AtText, *text} : Cutting{};
    }
    static Cutting ownSeparator() { return {Kind::OwnSeparator, {}}; }
    // The text given to cut at; nullopt for whole lines and a file's own.
    std::optional<QString> givenText() const
    {
        return kind == Kind::AtText ? std::optional<QString>(text) : std::nullopt;
    }
    bool own() const { return kind == Kind::OwnSeparator; }
    bool cuts() const { return kind != Kind::WholeLines; }
    bool operator==(const Cutting &) const = default;
};

// How one file is read and cut, in one value: the run asks for it as each
// file starts, the preview and the plan read with it, the window fills it in
// one place and the command line's parse fills one.
struct ReadOptions
{
    Cutting cut = {};
    // A field in double quotes stays one cell.
    bool quotes = false;
    // The encoding of a file without a mark; none: it is found.
    std::optional<ChosenEncoding> encoding = std::nullopt;
    // Cells whose whole text is a number are stored as numbers, written
    // with that decimal sign; nullopt: every cell is text.
    std::optional<DecimalSign> numbers = std::nullopt;
    // Cells whose whole text is an ISO date are stored as dates.
    bool dates = false;
    // The rows a file's start gives that are left out.
    qint64 linesToSkip = 0;
    // Instead, each file's own: the rows above the first that starts its
    // table (a title, "exported by ...", a different count in each file).
    bool skipToTable = false;
    // A file's first row (after those skipped) is its header: kept once, its
    // columns matched by name.
    bool header = false;
    // What a first column shows of each row's file; None: no such column.
    // The run takes it from its first file: a sheet has the column or not.
    FileColumn fileColumn = FileColumn::None;

    bool operator==(const ReadOptions &) const = default;
};

// Which cells of a file read so, cut at split, are numbers and dates: the
// decimal sign automatic takes is the one the file's numbers show
// (decimalComma), and where they show none, the comma in a file cut at
// semicolons.
inline CellTyping typingOf(const ReadOptions &options, const std::optional<QString> &split,
                           std::optional<bool> decimalComma = std::nullopt)
{
    CellTyping typing;
    typing.dates = options.dates;
    if (options.numbers) {
        const bool comma = *options.numbers == DecimalSign::Comma
            || (*options.numbers == DecimalSign::Automatic && decimalComma.value_or(split == QStringLiteral(";")));
        typing.decimalSign = comma ? QChar(u',') : QChar(u'.');
    }
    return typing;
}

} // namespace quillora
