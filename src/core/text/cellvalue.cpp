// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/cellvalue.h"

#include <QDate>

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

std::optional<CellValue> dateOf(QStringView text)
{
    if (text.size() != 10 || text[4] != u'-' || text[7] != u'-')
        return std::nullopt;
    for (const qsizetype at : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (!isDigit(text[at]))
            return std::nullopt;
    }
    const QDate date(text.first(4).toInt(), text.sliced(5, 2).toInt(), text.sliced(8, 2).toInt());
    // Readers of .xlsx files disagree on the days before March 1900 (one
    // counts a 29 February 1900 that never was): those stay text.
    if (!date.isValid() || date < QDate(1900, 3, 1))
        return std::nullopt;
    return CellValue{CellValue::Kind::Date, double(QDate(1899, 12, 30).daysTo(date)), 0};
}

CellValue valueOf(QStringView text, qsizetype column, const CellTyping &typing)
{
    if (column < typing.textColumns || text.isEmpty())
        return {};
    if (!typing.decimalSign.isNull() && (isDigit(text.front()) || text.front() == u'-')) {
        if (const auto number = numberOf(text, typing.decimalSign))
            return *number;
    }
    if (typing.dates && isDigit(text.front())) {
        if (const auto date = dateOf(text))
            return *date;
    }
    return {};
}

} // namespace quillora
