// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <utility>
#include <vector>

namespace quillora {

// The line of the file each staged line starts on: a quoted field with line
// breaks makes one staged line of several of the file's. Kept sparse: only
// the staged lines that spanned more than one.
class RecordLines
{
public:
    // The file's line (from 1) the staged line at index (from 0) starts on.
    qint64 lineOf(qint64 index) const;
    // The staged line at index went on past a line break of the file.
    void addBreak(qint64 index);
    qint64 extraLines() const { return m_spans.empty() ? 0 : m_spans.back().second; }

    // The file's lines (from 1) of the staged line that spans most, and how
    // many staged lines span more than one.
    struct Span
    {
        qint64 firstLine = 0;
        qint64 lastLine = 0;
    };
    std::optional<Span> longestSpan() const;
    qint64 spanning() const { return qint64(m_spans.size()); }

private:
    // A staged line, and the extra lines of the file up to its end.
    std::vector<std::pair<qint64, qint64>> m_spans;
};

// What a row of a sheet takes at most: longer cells are cut, and cells past
// the last column left out, as the text is staged, so that a line of any
// length costs no more than what can land.
struct CellLimits
{
    qsizetype characters = 65535; // UTF-16 units a cell keeps
    qsizetype columns = 16384;
};

// Turns one file's text, piece by piece, into staged text: its lines as they
// are, each cut into cells at the separator (none or empty: lines stay
// whole). With quotes, a field that begins with a double quote runs to the
// closing one: separators and line breaks inside it belong to the cell, a
// doubled quote is one quote, and what follows the closing quote up to the
// next separator is kept. The state carries over from piece to piece, so a
// quoted field may span lines, and a piece may end inside a line (a
// separator or quote cut by its end is held back for the next piece).
class LineSplitter
{
public:
    explicit LineSplitter(CellLimits limits = {});

    // Replaces the piece with its staged form; the options may change from
    // piece to piece.
    void stage(QString &piece, const std::optional<QString> &separator, bool quotes);
    // After the last piece: what was held back, staged.
    void finish(QString &rest, const std::optional<QString> &separator, bool quotes);

    // After the last piece: the line (from 1) on which a quoted field opened
    // that never closed; it runs to the end of the file.
    std::optional<qint64> unclosedQuoteLine() const;
    // Cells cut at the limit, and cells with text past the last column.
    qint64 cutCells() const { return m_cutCells; }
    qint64 leftOutCells() const { return m_leftOutCells; }
    const RecordLines &recordLines() const { return m_records; }

private:
    void stageEach(QString &piece, QStringView separator, bool quotes, bool last);
    bool stageQuoted(QStringView text, qsizetype &i, qsizetype end, QString &out);
    bool fitsWhole(QStringView piece) const;
    void appendCellText(QString &out, QStringView text);
    void endCell(QString &out);
    void endLine(QString &out);

    CellLimits m_limits;
    QString m_held; // the end of the last piece, staged with the next
    bool m_inQuotes = false;
    bool m_fieldStart = true;
    qint64 m_line = 1;
    qint64 m_quoteLine = 0;
    RecordLines m_records;
    // Where the text stands in its line: the cell, and its length so far.
    qsizetype m_column = 0;
    qsizetype m_cellLength = 0;
    bool m_cellCounted = false; // as cut or left out
    qint64 m_cutCells = 0;
    qint64 m_leftOutCells = 0;
};

} // namespace quillora
