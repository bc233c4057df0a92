// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/cellvalue.h"

#include <QDate>

#include <algorithm>
#include <charconv>

namespace quillora {

namespace {
bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}
} // namespace

std::optional<CellValue> numberOf(QStringView text, QChar decimalSign)
{
    constexpr int MostDigits = 15;
    qsizetype i = text.startsWith(u'-') ? 1 : 0;
    const qsizetype integerStart = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    const qsizetype integerDigits = i - integerStart;
    if (integerDigits == 0 || (integerDigits > 1 && text[integerStart] == u'0'))
        return std::nullopt;
    qsizetype decimals = 0;
    if (i < text.size()) {
        if (text[i] != decimalSign)
            return std::nullopt;
        const qsizetype fractionStart = ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        decimals = i - fractionStart;
        if (decimals == 0 || i < text.size())
            return std::nullopt;
    }
    // "-0" and "-0.00" would show without their sign.
    const bool loneZero = integerDigits == 1 && text[integerStart] == u'0';
    const auto zero = [&] {
        for (qsizetype at = integerStart; at < text.size(); ++at) {
            if (isDigit(text[at]) && text[at] != u'0')
                return false;
        }
        return true;
    };
    if (integerStart == 1 && zero())
        return std::nullopt;
    if ((loneZero ? 0 : integerDigits) + decimals > MostDigits)
        return std::nullopt;
    // At most 15 digits: the nearest double gives the same digits back.
    char ascii[40];
    qsizetype length = 0;
    for (const QChar c : text)
        ascii[length++] = c == decimalSign ? '.' : char(c.unicode());
    CellValue number{CellValue::Kind::Number, 0, int(decimals)};
    const auto [end, error] = std::from_chars(ascii, ascii + length, number.value);
    if (error != std::errc() || end != ascii + length)
        return std::nullopt;
    return number;
}

namespace {
std::optional<CellValue> dateValue(int year, int month, int day, int form);
} // namespace

std::optional<CellValue> dateOf(QStringView text)
{
    if (text.size() != 10 || text[4] != u'-' || text[7] != u'-')
        return std::nullopt;
    for (const qsizetype at : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (!isDigit(text[at]))
            return std::nullopt;
    }
    return dateValue(text.first(4).toInt(), text.sliced(5, 2).toInt(), text.sliced(8, 2).toInt(), 0);
}

namespace {
constexpr char16_t Separators[] = {u'/', u'.', u'-'};

// A date of the numbers given, stored as its day number where it is a real
// day from 1900-03-01 on: readers of .xlsx files disagree on the days
// before March 1900 (one counts a 29 February 1900 that never was).
std::optional<CellValue> dateValue(int year, int month, int day, int form)
{
    const QDate date(year, month, day);
    if (!date.isValid() || date < QDate(1900, 3, 1))
        return std::nullopt;
    return CellValue{CellValue::Kind::Date, double(QDate(1899, 12, 30).daysTo(date)), form};
}

// The digits of text from `at` on, one or two (or exactly `exactly`):
// their value and where they end; nullopt where there are none so.
std::optional<std::pair<int, qsizetype>> digitsAt(QStringView text, qsizetype at, int most, int exactly = 0)
{
    qsizetype end = at;
    while (end < text.size() && end - at < most && isDigit(text[end]))
        ++end;
    if (end == at || (exactly > 0 && end - at != exactly) || (end < text.size() && isDigit(text[end])))
        return std::nullopt;
    int value = 0;
    for (qsizetype i = at; i < end; ++i)
        value = value * 10 + (text[i].unicode() - u'0');
    return std::pair{value, end};
}

struct SplitDate
{
    int first = 0;
    int second = 0;
    int year = 0;
    DateShape shape;
};

// "31/12/2024", "1.2.2024", "12-31-2024": two parts of one or two digits
// and a four-digit year, the same sign between them.
std::optional<SplitDate> splitDate(QStringView text)
{
    const auto first = digitsAt(text, 0, 2);
    if (!first || first->second >= text.size())
        return std::nullopt;
    const char16_t separator = text[first->second].unicode();
    if (std::find(std::begin(Separators), std::end(Separators), separator) == std::end(Separators))
        return std::nullopt;
    const auto second = digitsAt(text, first->second + 1, 2);
    if (!second || second->second >= text.size() || text[second->second] != separator)
        return std::nullopt;
    const auto year = digitsAt(text, second->second + 1, 4, 4);
    if (!year || year->second != text.size())
        return std::nullopt;
    SplitDate date{first->first, second->first, year->first, {}};
    date.shape.separator = separator;
    const bool firstPadded = first->second == 2;
    const bool secondPadded = second->second - first->second - 1 == 2;
    date.shape.dayPadded = firstPadded;
    date.shape.monthPadded = secondPadded;
    return date;
}
} // namespace

int dateFormOf(const DateShape &shape)
{
    if (shape.order == DateOrder::Ymd)
        return 0;
    const int separator = int(std::find(std::begin(Separators), std::end(Separators), shape.separator) - std::begin(Separators));
    const int order = shape.order == DateOrder::Dmy ? 0 : 1;
    return 1 + ((order * 3 + separator % 3) * 4 + (shape.dayPadded ? 2 : 0) + (shape.monthPadded ? 1 : 0));
}

DateShape dateShapeOf(int form)
{
    if (form <= 0)
        return {};
    const int code = form - 1;
    const int padding = code % 4;
    const int rest = code / 4;
    return {rest / 3 == 0 ? DateOrder::Dmy : DateOrder::Mdy, Separators[rest % 3], (padding & 2) != 0,
            (padding & 1) != 0};
}

QString dateFormatCode(const DateShape &shape, const DateCodeWords &words)
{
    const QString day = shape.dayPadded ? words.paddedDay : words.day;
    const QString month = shape.monthPadded ? words.paddedMonth : words.month;
    const QString sign = words.signBefore + QChar(shape.separator) + words.signAfter;
    switch (shape.order) {
    case DateOrder::Ymd:
        return words.year + sign + month + sign + day;
    case DateOrder::Dmy:
        return day + sign + month + sign + words.year;
    case DateOrder::Mdy:
        break;
    }
    return month + sign + day + sign + words.year;
}

std::optional<DateParts> datePartsOf(QStringView text)
{
    const auto date = splitDate(text);
    return date ? std::optional(DateParts{date->first, date->second}) : std::nullopt;
}

std::optional<CellValue> dateOf(QStringView text, DateOrder order)
{
    if (order == DateOrder::Ymd)
        return dateOf(text);
    auto date = splitDate(text);
    if (!date)
        return std::nullopt;
    const bool dayFirst = order == DateOrder::Dmy;
    date->shape.order = order;
    // The padding was read in the order of the text: first part, second.
    if (!dayFirst)
        std::swap(date->shape.dayPadded, date->shape.monthPadded);
    const int day = dayFirst ? date->first : date->second;
    const int month = dayFirst ? date->second : date->first;
    return dateValue(date->year, month, day, dateFormOf(date->shape));
}

CellValue valueOf(QStringView text, qsizetype column, const CellTyping &typing)
{
    if (column < typing.textColumns || text.isEmpty())
        return {};
    const bool numeric = isDigit(text.front()) || text.front() == u'-';
    const QChar sign = typing.decimalSign.isNull() ? QChar(u'.') : typing.decimalSign;
    std::optional<CellValue> value;
    switch (typing.kindOf(column)) {
    case ColumnKind::Text:
    case ColumnKind::Skip:
        break;
    case ColumnKind::Number:
        value = numeric ? numberOf(text, sign) : std::nullopt;
        break;
    case ColumnKind::DateYmd:
        value = dateOf(text);
        break;
    case ColumnKind::DateDmy:
        value = dateOf(text, DateOrder::Dmy);
        break;
    case ColumnKind::DateMdy:
        value = dateOf(text, DateOrder::Mdy);
        break;
    case ColumnKind::Automatic:
        if (!typing.decimalSign.isNull() && numeric)
            value = numberOf(text, typing.decimalSign);
        if (!value && typing.dates && isDigit(text.front()))
            value = dateOf(text);
        break;
    }
    return value.value_or(CellValue{});
}

} // namespace quillora
