// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace quillora {

// The column marker: where a staged line is cut into cells. It and the
// escape below are control characters that text hardly ever holds; when it
// does, they are staged escaped, so that every character of the text,
// the cedilla and every other, comes back as it was.
inline constexpr QChar ColumnMarker = QChar(0x001F);  // the unit separator
inline constexpr QChar StagingEscape = QChar(0x001E); // the record separator

// Turns one file's text, piece by piece, into staged text: its lines as they
// are, each cut into cells at the separator (none or empty: lines stay
// whole). With quotes, a field that begins with a double quote runs to the
// closing one: separators and line breaks inside it belong to the cell, a
// doubled quote is one quote, and what follows the closing quote up to the
// next separator is kept. The state carries over from piece to piece, so a
// quoted field may span lines.
class LineSplitter
{
public:
    // Replaces the piece with its staged form; the options may change from
    // piece to piece.
    void stage(QString &piece, const std::optional<QString> &separator, bool quotes);

    // After the last piece: the line (from 1) on which a quoted field opened
    // that never closed; it runs to the end of the file.
    std::optional<qint64> unclosedQuoteLine() const;

private:
    void stageEach(QString &piece, QStringView separator, bool quotes);

    bool m_inQuotes = false;
    bool m_fieldStart = true;
    qint64 m_line = 1;
    qint64 m_quoteLine = 0;
};

// Appends a staged cell's text with every escaped character restored.
void appendUnescaped(QString &out, QStringView cell);

} // namespace quillora
