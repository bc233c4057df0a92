// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/stagedline.h"

namespace quillora {

namespace {
// What follows the escape: the character it stands for.
constexpr QChar EscapedEscape = u'e';
constexpr QChar EscapedMarker = u'm';
constexpr QChar LineBreakInCell = u'n';
} // namespace

void appendEscaped(QString &out, QStringView text)
{
    if (!holdsStagingCharacters(text)) {
        out.append(text);
        return;
    }
    for (const QChar c : text) {
        if (c == ColumnMarker || c == StagingEscape) {
            out.append(StagingEscape);
            out.append(c == ColumnMarker ? EscapedMarker : EscapedEscape);
        } else {
            out.append(c);
        }
    }
}

void appendEscapedLineBreak(QString &out)
{
    out.append(StagingEscape);
    out.append(LineBreakInCell);
}

void appendUnescaped(QString &out, QStringView cell)
{
    for (qsizetype i = 0; i < cell.size(); ++i) {
        if (cell[i] != StagingEscape || i + 1 == cell.size()) {
            out.append(cell[i]);
            continue;
        }
        const QChar code = cell[++i];
        out.append(code == EscapedMarker ? ColumnMarker : code == LineBreakInCell ? QChar(u'\n') : StagingEscape);
    }
}

QString stagedLineOf(const QStringList &cells)
{
    QString line;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0)
            line.append(ColumnMarker);
        appendEscaped(line, cells[i]);
    }
    return line;
}

void splitStagedLine(QStringView line, std::vector<QStringView> &cells)
{
    cells.clear();
    if (line.isEmpty())
        return;
    for (qsizetype start = 0;;) {
        const qsizetype marker = line.indexOf(ColumnMarker, start);
        cells.push_back(line.sliced(start, (marker < 0 ? line.size() : marker) - start));
        if (marker < 0)
            return;
        start = marker + 1;
    }
}

QStringList cellsOfStagedLine(QStringView line)
{
    std::vector<QStringView> staged;
    splitStagedLine(line, staged);
    QStringList cells;
    cells.reserve(qsizetype(staged.size()));
    for (const QStringView cell : staged) {
        QString text;
        appendUnescaped(text, cell);
        cells.append(text);
    }
    return cells;
}

qsizetype stagedCellCount(QStringView line)
{
    return line.isEmpty() ? 0 : line.count(ColumnMarker) + 1;
}

qsizetype stagedTextCellCount(QStringView line)
{
    qsizetype cells = 0;
    for (qsizetype start = 0; start < line.size();) {
        qsizetype end = line.indexOf(ColumnMarker, start);
        if (end < 0)
            end = line.size();
        cells += end > start;
        start = end + 1;
    }
    return cells;
}

} // namespace quillora
