// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reading/dialect.h"

#include "core/reading/separatorhint.h"
#include "core/text/linesplitter.h"
#include "core/text/separators.h"
#include "core/text/stagedline.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>
#include <map>
#include <optional>
#include <vector>

namespace quillora {

namespace {
constexpr int MostRecords = 200;

struct Agreement
{
    qsizetype cells = 0; // the most common number of cells
    int records = 0;
    int agreeing = 0;
    int split = 0; // records of two cells or more
    double share() const { return records > 0 ? double(agreeing) / records : 0; }
};

// How the staged rows agree: the number of cells most of the first most
// non-empty rows have (on a tie, the larger), and how many have it.
Agreement agreementOfRows(const QStringList &rows, int most)
{
    std::map<qsizetype, int> counts;
    Agreement agreement;
    for (const QString &row : rows) {
        if (row.isEmpty())
            continue;
        const qsizetype cells = stagedCellCount(row);
        ++counts[cells];
        agreement.split += cells >= 2 ? 1 : 0;
        if (++agreement.records == most)
            break;
    }
    for (const auto &[cells, number] : counts) {
        if (number > agreement.agreeing || (number == agreement.agreeing && cells > agreement.cells)) {
            agreement.cells = cells;
            agreement.agreeing = number;
        }
    }
    return agreement;
}

// The text up to the end of its lines'th line: as many records as are
// counted, and room for empty lines and fields over several lines.
QStringView firstLines(QStringView text, qsizetype lines)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' && --lines == 0)
            return text.first(i + 1);
    }
    return text;
}

Agreement agreementOf(QStringView text, const QString &separator, bool quotes)
{
    QString staged = firstLines(text, 2 * MostRecords).toString();
    LineSplitter splitter;
    splitter.stage(staged, separator, quotes);
    QString rest;
    splitter.finish(rest, separator, quotes);
    staged += rest;
    return agreementOfRows(stagedLinesOf(staged), MostRecords);
}

// Whether a field of the text starts with a double quote that closes before
// the next separator or the line's end: a quoted field.
bool hasQuotedFields(QStringView text, QStringView separator)
{
    for (qsizetype i = text.indexOf(u'"'); i >= 0; i = text.indexOf(u'"', i + 1)) {
        const bool fieldStart = i == 0 || text[i - 1] == u'\n' || text[i - 1] == u'\r'
            || (!separator.isEmpty() && i >= separator.size()
                && text.sliced(i - separator.size(), separator.size()) == separator);
        if (!fieldStart)
            continue;
        for (qsizetype j = i + 1; j < text.size(); ++j) {
            if (text[j] != u'"')
                continue;
            if (j + 1 < text.size() && text[j + 1] == u'"') {
                ++j;
                continue;
            }
            const QStringView after = text.sliced(j + 1);
            if (after.isEmpty() || after.front() == u'\n' || after.front() == u'\r'
                || (!separator.isEmpty() && after.startsWith(separator)))
                return true;
            break;
        }
    }
    return false;
}

// Whether the text starts with digits that a currency sign or a percent
// sign follows, a space between them or not: the end of an amount.
bool endsAnAmount(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isDigit())
        ++i;
    if (i < text.size() && text[i] == u' ')
        ++i;
    return i > 0 && i < text.size() && (text[i].category() == QChar::Symbol_Currency || text[i] == u'%');
}

// What cutting at the separator would break apart: a number ("11,50",
// "1.5"), or a phrase (a separator followed by a space, as prose has its
// commas). Quoted fields left out where quotes are kept.
qsizetype damageOf(QStringView text, QStringView separator, bool quotes)
{
    qsizetype damage = 0;
    bool inQuotes = false;
    const QChar first = separator.front();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quotes && c == u'"')
            inQuotes = !inQuotes;
        if (inQuotes || c != first || !text.sliced(i).startsWith(separator))
            continue;
        const qsizetype after = i + separator.size();
        const bool betweenDigits = i > 0 && text[i - 1].isDigit() && after < text.size() && text[after].isDigit();
        const bool beforeWord = after + 1 < text.size() && text[after] == u' ' && text[after + 1].isLetter();
        // An amount cut apart ("3,20 €", "12,5 %") is worse than digits on
        // both sides of a cut between fields ("Œuvre 1;3,20 €").
        damage += betweenDigits && endsAnAmount(text.sliced(after)) ? 2 : betweenDigits || beforeWord;
    }
    return damage;
}

struct Candidate
{
    const Separator *separator = nullptr;
    bool quotes = false;
    Agreement agreement;
    qsizetype damage = -1; // counted when a tie asks for it
    bool seen = false;
    bool quotesDropped = false; // quoted fields seen, but reading them agreed less

    qsizetype damageIn(QStringView text)
    {
        if (damage < 0)
            damage = damageOf(text, separator->text, quotes);
        return damage;
    }
};

// The start of the first line with an odd number of quotes (a lone inch
// sign, a quote opened and never closed); -1 where every line pairs them.
qsizetype firstUnpairedQuote(QStringView text)
{
    qsizetype lineStart = 0;
    bool odd = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'"')
            odd = !odd;
        if (text[i] != u'\n' && text[i] != u'\r' && i + 1 < text.size())
            continue;
        if (odd)
            return lineStart;
        lineStart = i + 1;
    }
    return -1;
}

Candidate candidateOf(QStringView text, const Separator &separator, bool quotes)
{
    const QString cutAt = separator.text.toString();
    Candidate plain{&separator, false, agreementOf(text, cutAt, false)};
    if (quotes || hasQuotedFields(text, cutAt)) {
        // Quoted fields honoured, unless that agrees less (a lone inch sign).
        const Candidate quoted{&separator, true, agreementOf(text, cutAt, true), -1, true};
        if (quotes || quoted.agreement.share() >= plain.agreement.share())
            plain = quoted;
        else
            plain.quotesDropped = true;
    } else if (!text.contains(u'"')) {
        // Nothing here speaks against quoting: a field quoted for the
        // separator it holds, thousands of lines on, stays whole.
        plain.quotes = true;
    }
    return plain;
}
} // namespace

namespace {
// Where no separator splits the records evenly: the one that splits at
// least half of them into two fields or more while each other leaves
// nearly all whole (a ragged export, rows of many lengths), and that does
// not cut mostly phrases and numbers apart (prose, with its commas).
std::optional<Candidate> raggedChoice(const std::vector<Candidate> &candidates, QStringView text)
{
    constexpr int NearlyAllWhole = 20; // at most one record in this many split
    const auto splitShare = [](const Candidate &c) { return c.agreement.records > 0 ? double(c.agreement.split) / c.agreement.records : 0; };
    const auto most = std::ranges::max_element(candidates, {}, splitShare);
    if (most == candidates.end() || splitShare(*most) < 0.5)
        return std::nullopt;
    for (auto other = candidates.begin(); other != candidates.end(); ++other) {
        if (other != most && splitShare(*other) * NearlyAllWhole > 1)
            return std::nullopt;
    }
    if (damageOf(text, most->separator->text, false) * 2 >= text.count(most->separator->text))
        return std::nullopt;
    return *most;
}
} // namespace

Dialect dialectOf(QStringView text, bool quotes)
{
    constexpr double LeastShare = 0.5;
    Candidate best;
    const Separator *tied = nullptr;
    std::vector<Candidate> candidates;
    for (const Separator &separator : namedSeparators()) {
        if (separator.text == u" ")
            continue;
        Candidate candidate = candidateOf(text, separator, quotes);
        candidates.push_back(candidate);
        const Agreement &agreement = candidate.agreement;
        if (agreement.cells < 2 || agreement.share() < LeastShare)
            continue;
        if (!best.separator || agreement.share() > best.agreement.share()) {
            best = candidate;
            tied = nullptr;
        } else if (agreement.share() == best.agreement.share()) {
            if (candidate.damageIn(text) < best.damageIn(text)) {
                best = candidate;
                tied = nullptr;
            } else if (candidate.damage == best.damage) {
                tied = candidate.separator;
            }
        }
    }
    bool ragged = false;
    if (!best.separator) {
        if (const auto choice = raggedChoice(candidates, text)) {
            best = *choice;
            ragged = true;
        }
    }
    // Lines kept whole keep their quoted fields whole too.
    if (!best.separator)
        return {nullptr, quotes || hasQuotedFields(text, {}), false, 0, 0, nullptr};
    return {best.separator,
            best.quotes,
            best.seen,
            best.agreement.records,
            best.agreement.records - best.agreement.agreeing,
            tied,
            best.quotesDropped ? firstUnpairedQuote(text) : -1,
            ragged ? best.agreement.split : 0};
}

namespace {
// A line cut only at ", " before words ("Totals for Q1, Q2 and Q3") is a
// sentence above a comma table, not a row of it.
bool readsAsSentence(QStringView row)
{
    const QList<QStringView> cells = row.split(ColumnMarker);
    return cells.size() >= 2 && std::all_of(cells.begin() + 1, cells.end(), [](QStringView cell) {
        return cell.size() >= 2 && cell[0] == u' ' && cell[1].isLetter();
    });
}

// Whether most rows of two cells or more start every cell after the first
// with a space: the file writes ", " between its fields ("428925,
// 1473387721"), and its header ("Block, Timestamp") is no sentence.
bool fieldsFollowASpace(const QStringList &rows)
{
    qsizetype cut = 0;
    qsizetype spaced = 0;
    for (const QString &row : rows) {
        const QList<QStringView> cells = QStringView(row).split(ColumnMarker);
        if (cells.size() < 2)
            continue;
        ++cut;
        spaced += std::all_of(cells.begin() + 1, cells.end(), [](QStringView cell) { return cell.startsWith(u' '); });
    }
    return spaced * 2 > cut;
}
} // namespace

qint64 rowsAboveTable(QStringView staged, QStringView separator)
{
    const QStringList rows = stagedLinesOf(staged.toString());
    // A file of one column has nothing above its table.
    if (agreementOfRows(rows, std::numeric_limits<int>::max()).cells < 2)
        return 0;
    const bool sentences = separator == u"," && !fieldsFollowASpace(rows);
    // A row of two fields or more is the table's, whatever number of cells
    // it has (a header of fewer names, ragged first rows): only blank lines,
    // lines of one field (titles, comments) and sentences stand above it.
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (rows[i].isEmpty() || stagedCellCount(rows[i]) < 2)
            continue;
        if (sentences && readsAsSentence(rows[i]))
            continue;
        return i;
    }
    return 0;
}

QString dialectShown(const Dialect &dialect)
{
    if (!dialect.separator)
        return {};
    const QString separator = pluralShown(*dialect.separator);
    //: %1 a separator's name ("commas")
    return dialect.quotesSeen ? QCoreApplication::translate("quillora::Dialect", "%1, quoted fields").arg(separator)
                          : separator;
}

} // namespace quillora
