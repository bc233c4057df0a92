// SPDX-License-Identifier: GPL-3.0-or-later
// What the decoder reads code pages of one byte a character by: the
// Windows-1252 table, the byte tables of other code pages, and the runs of
// UTF-7 text a decoder cannot be given alone.
#include "core/text/textdecoder.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

qsizetype appendWindows1252(QString &out, QByteArrayView bytes)
{
    static constexpr std::array<char16_t, 32> High{
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    const qsizetype start = out.size();
    out.resize(start + bytes.size());
    char16_t *dest = reinterpret_cast<char16_t *>(out.data()) + start;
    qsizetype undefined = 0;
    for (const char ch : bytes) {
        const auto b = static_cast<uchar>(ch);
        if (b < 0x80 || b >= 0xA0) {
            *dest++ = char16_t(b);
            continue;
        }
        *dest = High[b - 0x80];
        undefined += *dest++ == b;
    }
    return undefined;
}

qsizetype Utf7Runs::nextBadEnd(QByteArrayView bytes, qsizetype from)
{
    for (qsizetype i = from; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (!m_inRun) {
            if (c == '+') {
                m_inRun = true;
                m_bits = 0;
                m_value = 0;
            }
            continue;
        }
        const int value = base64Value(c);
        if (value >= 0) {
            m_bits += 6;
            m_value = (m_value << 6 | quint32(value)) & ((1u << 22) - 1);
            if (m_bits >= 16)
                m_bits -= 16;
            m_value &= (1u << m_bits) - 1;
            continue;
        }
        m_inRun = false;
        // Six bits or more are half a character; fewer must be zero.
        if (m_bits >= 6 || m_value != 0)
            return i;
    }
    return -1;
}

int Utf7Runs::base64Value(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    return c == '+' ? 62 : c == '/' ? 63 : -1;
}

bool isDosCodePage(QByteArrayView name)
{
    static const QByteArrayView Pages[] = {"IBM437", "IBM737", "IBM775", "IBM850", "IBM852", "IBM855", "IBM857",
                                           "IBM860", "IBM861", "IBM862", "IBM863", "IBM864", "IBM865", "IBM866",
                                           "IBM869"};
    return std::any_of(std::begin(Pages), std::end(Pages),
                       [&](QByteArrayView page) { return name.compare(page, Qt::CaseInsensitive) == 0; });
}

std::optional<SingleByteTable> SingleByteTable::of(QByteArrayView name)
{
    if (name.compare("UTF-7", Qt::CaseInsensitive) == 0)
        return std::nullopt;
    const QByteArray codec = name.toByteArray();
    QStringDecoder single(codec.constData(), QStringConverter::Flag::Stateless);
    if (!single.isValid())
        return std::nullopt;
    // Each byte one character alone, and the same in a row of all of them:
    // no byte starts a character of two, none switches a state.
    std::array<char, 256> all{};
    SingleByteTable table;
    const bool windows = name.startsWith("windows-") || name.startsWith("WINDOWS-");
    const bool dos = isDosCodePage(name);
    const bool greek = name.compare("windows-1253", Qt::CaseInsensitive) == 0;
    for (int b = 0; b < 256; ++b) {
        all[size_t(b)] = char(b);
        const QString one = single.decode(QByteArrayView(&all[size_t(b)], 1));
        if (one.size() != 1)
            return std::nullopt;
        char16_t c = one.front().unicode();
        // ICU's stand-ins for what a code page leaves undefined; its DOS
        // tables swap 0x1A, 0x1C and 0x7F, which are ASCII there. Its
        // windows-1253 reads 0xAA, which Microsoft's leaves undefined, as ª.
        const bool standIn = c == 0x1A ? b >= 0x80
                                       : (windows && b >= 0x80 && c >= 0x80 && c <= 0x9F)
                || (c >= 0xE000 && c < 0xF8FF) || (greek && b == 0xAA);
        if (dos && b < 0x80)
            c = char16_t(b);
        else if (standIn)
            c = QChar::ReplacementCharacter;
        table.m_chars[size_t(b)] = c;
    }
    const QString whole = QStringDecoder(codec.constData(), QStringConverter::Flag::Stateless)
                              .decode(QByteArrayView(all.data(), qsizetype(all.size())));
    if (whole.size() != 256)
        return std::nullopt;
    return table;
}

SingleByteTable::Kind SingleByteTable::kind(uchar byte) const
{
    const QChar c(m_chars[byte]);
    if (c.isLetter() || c.isMark())
        return Kind::Letter;
    if (undefined(byte) || c.category() == QChar::Other_Control || (c.unicode() >= 0x2500 && c.unicode() <= 0x257F))
        return Kind::NotText;
    return Kind::Sign;
}

} // namespace quillora
