// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reading/separatorhint.h"

#include "core/text/linesplitter.h"
#include "core/text/separators.h"
#include "core/text/stagedline.h"

#include <map>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

QStringList stagedLinesOf(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\n' && text[i] != u'\r')
            continue;
        lines.append(text.sliced(start, i - start));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.sliced(start));
    return lines;
}

QString lineEndsOf(QStringView text)
{
    qsizetype crLf = 0, lf = 0, cr = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            ++crLf;
            ++i;
        } else {
            lf += text[i] == u'\n';
            cr += text[i] == u'\r';
        }
    }
    const int kinds = (crLf > 0) + (lf > 0) + (cr > 0);
    if (kinds == 0)
        return u"none"_s;
    if (kinds > 1)
        return u"mixed"_s;
    return crLf > 0 ? u"CR LF"_s : lf > 0 ? u"LF"_s : u"CR"_s;
}

namespace {
// How evenly lines split: the most common number of cells, and the share
// of lines that have it.
struct Evenness
{
    qsizetype cells = 0;
    double share = 0;
    bool even() const { return cells >= 2 && share >= 0.9; }
};

Evenness evennessOf(QStringView text, const std::optional<QString> &separator, bool quotes)
{
    constexpr int MostLines = 100;
    QString staged = text.toString();
    LineSplitter splitter;
    splitter.stage(staged, separator, quotes);
    std::map<qsizetype, int> counts;
    int lines = 0;
    for (const QString &line : stagedLinesOf(staged)) {
        if (line.isEmpty())
            continue;
        ++counts[stagedCellCount(line)];
        if (++lines == MostLines)
            break;
    }
    Evenness best;
    for (const auto &[cells, number] : counts) {
        if (number > best.share * lines || (number == best.share * lines && cells > best.cells))
            best = {cells, double(number) / lines};
    }
    return best;
}
// Whether every comma of the text stands between two digits ("1234,50").
bool onlyDecimalCommas(QStringView text)
{
    bool any = false;
    for (qsizetype i = text.indexOf(u','); i >= 0; i = text.indexOf(u',', i + 1)) {
        if (i == 0 || i + 1 >= text.size() || !text[i - 1].isDigit() || !text[i + 1].isDigit())
            return false;
        any = true;
    }
    return any;
}
} // namespace

const Separator *ownSeparatorOf(QStringView text, bool quotes)
{
    const Separator *best = nullptr;
    Evenness bestEvenness;
    for (const Separator &separator : namedSeparators()) {
        if (separator.text == u" ")
            continue;
        const Evenness evenness = evennessOf(text, separator.text.toString(), quotes);
        if (!evenness.even())
            continue;
        if (separator.text == u"," && onlyDecimalCommas(text) && evennessOf(text, u";"_s, quotes).even())
            continue;
        if (!best || evenness.share > bestEvenness.share
            || (evenness.share == bestEvenness.share && evenness.cells > bestEvenness.cells)) {
            best = &separator;
            bestEvenness = evenness;
        }
    }
    return best;
}

std::optional<SeparatorHint> separatorHint(QStringView text, const std::optional<QString> &chosen, bool quotes)
{
    if (evennessOf(text, chosen, quotes).even())
        return std::nullopt;
    std::optional<SeparatorHint> hint;
    Evenness best;
    for (const Separator &separator : namedSeparators()) {
        const QString candidate = separator.text.toString();
        if (candidate == chosen)
            continue;
        const Evenness evenness = evennessOf(text, candidate, quotes);
        if (evenness.even()
            && (evenness.share > best.share || (evenness.share == best.share && evenness.cells > best.cells))) {
            best = evenness;
            hint = SeparatorHint{candidate, pluralShown(separator)};
        }
    }
    return hint;
}

} // namespace quillora
