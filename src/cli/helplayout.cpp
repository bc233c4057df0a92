// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/helplayout.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

#include <sys/ioctl.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

namespace {
bool isWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F) || (c >= 0xAC00 && c <= 0xD7A3)
        || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60)
        || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

int widthOf(char32_t c)
{
    const QChar::Category category = QChar::category(c);
    if (category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing || c == 0x200B)
        return 0;
    return isWide(c) ? 2 : 1;
}

// Marks a line does not start with, and marks it does not end with.
constexpr QStringView NoStart = u"、。，．）」』】〉》！？：；・ー)]},.:;!?%";
constexpr QStringView NoEnd = u"（「『【〈《([{";

// The text split into pieces a line may end after: words with the space
// after them, and each wide character on its own.
QStringList breakable(const QString &text)
{
    QStringList pieces;
    QString piece;
    const QList<uint> characters = text.toUcs4();
    for (qsizetype i = 0; i < characters.size(); ++i) {
        const char32_t c = characters[i];
        const QString one = QString::fromUcs4(&c, 1);
        piece += one;
        const char32_t next = i + 1 < characters.size() ? characters[i + 1] : 0;
        const QString after = next ? QString::fromUcs4(&next, 1) : QString();
        const bool breakAfter = c == u' ' || ((isWide(c) || (next && isWide(next))) && next != u' ');
        if (next && breakAfter && !NoStart.contains(after) && !NoEnd.contains(one)) {
            pieces.append(piece);
            piece.clear();
        }
    }
    if (!piece.isEmpty())
        pieces.append(piece);
    return pieces;
}

// One paragraph's text in lines of at most width columns, the first after
// first, the rest after indent.
QString filled(const QString &text, const QString &first, const QString &indent, int width)
{
    QString out = first;
    int at = displayWidth(first);
    bool lineEmpty = true;
    for (const QString &piece : breakable(text)) {
        const int wide = displayWidth(QString(piece).remove(QRegularExpression(u" +$"_s)));
        if (!lineEmpty && at + wide > width) {
            while (out.endsWith(u' '))
                out.chop(1);
            out += u'\n' + indent;
            at = displayWidth(indent);
        }
        out += piece;
        at += displayWidth(piece);
        lineEmpty = false;
    }
    while (out.endsWith(u' '))
        out.chop(1);
    return out;
}

// Two pieces of one paragraph broken over two lines, joined again: with a
// space, unless wide characters stand on both sides of the break (text
// that has no spaces between its words), or a wide full stop or comma
// before it.
void joinLine(QString &paragraph, const QString &line)
{
    const QString text = line.trimmed();
    if (paragraph.isEmpty()) {
        paragraph = text;
        return;
    }
    const char16_t last = paragraph.back().unicode();
    const bool fullStop = QStringView(u"。、，．：；！？）」』】").contains(QChar(last));
    const bool wide = isWide(last) && !text.isEmpty() && (fullStop || isWide(text.front().unicode()));
    paragraph += (wide ? u""_s : u" "_s) + text;
}
} // namespace

int displayWidth(QStringView text)
{
    int width = 0;
    for (const char32_t c : text.toUcs4())
        width += widthOf(c);
    return width;
}

QString wrappedAt(const QString &text, int width)
{
    static const QRegularExpression tableRow(u"^( +\\S+ {2,})(\\S.*)$"_s);
    QStringList out;
    QString indent, first, paragraph;
    bool open = false;
    const auto flush = [&] {
        if (open)
            out.append(filled(paragraph, first, indent, width));
        open = false;
        paragraph.clear();
    };
    for (const QString &line : text.split(u'\n')) {
        qsizetype spaces = 0;
        while (spaces < line.size() && line[spaces] == u' ')
            ++spaces;
        const QString leading = line.left(spaces);
        if (line.trimmed().isEmpty() || leading.isEmpty()) {
            // A title, or a paragraph of one line at the margin.
            flush();
            out.append(filled(line, QString(), QString(), width));
            continue;
        }
        const auto row = tableRow.match(line);
        if (open && leading == indent && !row.hasMatch()) {
            joinLine(paragraph, line);
            continue;
        }
        flush();
        open = true;
        if (row.hasMatch()) {
            first = row.captured(1);
            indent = QString(displayWidth(first), u' ');
            paragraph = row.captured(2).trimmed();
        } else {
            first = indent = leading;
            paragraph = line.trimmed();
        }
    }
    flush();
    return out.join(u'\n');
}

int descriptionColumn(const QList<HelpEntry> &entries)
{
    int column = 0;
    for (const HelpEntry &entry : entries)
        column = std::max(column, displayWidth(entry.names));
    return 2 + std::min(column, 50) + 1;
}

QString helpEntries(const QList<HelpEntry> &entries, int column, int width)
{
    const QString indent(column, u' ');
    QString text;
    for (const HelpEntry &entry : entries) {
        QString first = u"  "_s + entry.names;
        if (displayWidth(first) >= column) {
            text += first + u'\n';
            first = indent;
        } else {
            first += QString(column - displayWidth(first), u' ');
        }
        text += filled(entry.description, first, indent, width) + u'\n';
    }
    return text;
}

int terminalWidth()
{
    winsize size{};
    if (::isatty(STDOUT_FILENO) && ::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col >= 40)
        return size.ws_col;
    return 80;
}

} // namespace quillora
