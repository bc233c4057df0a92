// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/codepagechoice.h"

#include "core/text/encodings.h"
#include "core/text/textdecoder.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace quillora {

namespace {
bool named(QByteArrayView name, QByteArrayView other)
{
    return name.compare(other, Qt::CaseInsensitive) == 0;
}

bool namedAnyOf(QByteArrayView name, std::initializer_list<QByteArrayView> names)
{
    return std::any_of(names.begin(), names.end(), [&](QByteArrayView one) { return named(name, one); });
}

bool isAsciiLetter(uchar byte)
{
    return (byte | 0x20) >= 'a' && (byte | 0x20) <= 'z';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isEth(char16_t c)
{
    return c == u'ð' || c == u'þ' || c == u'Ð' || c == u'Þ';
}

bool isIcelandicVowel(char16_t c)
{
    return QStringView(u"áéíóúýæÁÉÍÓÚÝÆ").contains(QChar(c));
}

// How well a code page of one byte a character reads the sample as words.
struct WordReading
{
    qsizetype letters = 0; // bytes past 0x7F read as a letter beside a letter
    qsizetype odd = 0;     // read as what words do not hold
    qsizetype notText = 0; // of them, undefined bytes, controls and box drawing
    // What no words hold tells more than letters beside letters, which
    // most pages read there.
    qsizetype score() const { return letters - 3 * odd; }
    bool clean() const { return odd == 0; }
};

// Signs that stand between letters in words: apostrophes ("l´été",
// "don’t"), the Catalan middle dot ("col·lecció"), and the no-break space
// between words.
bool joinsWords(char16_t c)
{
    return c == 0x00B4 || c == 0x2019 || c == 0x2018 || c == 0x02BC || c == 0x00B7 || c == u'`' || c == 0x00A0;
}

// Each byte past 0x7F that makes a letter beside a letter (the é of
// "Lefèvre", the Cyrillic of a Russian word) counts for a reading; what
// words do not hold counts against it: anything else between two letters
// ("Br╔lo´se", "Bj÷rk"), a capital after a small letter ("danezÇ",
// "используетсЯ"), the currency sign ¤ or a capital alone beside an
// amount ("3,20 ¤", "2212 Ī/m²", where another page has its €), a control
// or box drawing beside a letter ("Ch╠┴vez").
WordReading readAsWords(QByteArrayView sample, const SingleByteTable &table)
{
    using Kind = SingleByteTable::Kind;
    const auto charAt = [&](qsizetype i) -> char16_t {
        const uchar byte = uchar(sample[i]);
        return byte < 0x80 ? char16_t(byte) : table.at(byte);
    };
    // The ordinal signs ª and º are letters to Unicode, but stand after
    // numbers, never inside words (where ISO-8859-10 has its š and ŧ).
    const auto letterOf = [&](uchar byte) {
        return byte < 0x80 ? isAsciiLetter(byte)
                           : table.kind(byte) == Kind::Letter && table.at(byte) != 0x00AA && table.at(byte) != 0x00BA;
    };
    const auto letterAt = [&](qsizetype i) { return i >= 0 && i < sample.size() && letterOf(uchar(sample[i])); };
    const auto smallLetterAt = [&](qsizetype i) { return letterAt(i) && QChar(charAt(i)).isLower(); };
    const auto digitNear = [&](qsizetype i, int step) {
        const qsizetype next = i + step;
        if (next < 0 || next >= sample.size())
            return false;
        if (sample[next] == ' ')
            return next + step >= 0 && next + step < sample.size() && isDigit(sample[next + step]);
        return isDigit(sample[next]);
    };
    const auto besideAmount = [&](qsizetype i) { return digitNear(i, -1) || digitNear(i, 1); };
    WordReading reading;
    qsizetype eths = 0;
    bool icelandic = false;
    for (qsizetype i = 0; i < sample.size(); ++i) {
        const uchar byte = uchar(sample[i]);
        if (byte < 0x80)
            continue;
        const bool before = letterAt(i - 1);
        const bool after = letterAt(i + 1);
        const char16_t c = table.at(byte);
        if (letterOf(byte)) {
            eths += isEth(c) ? 1 : 0;
            icelandic = icelandic || isIcelandicVowel(c);
            const bool alone = !before && !after;
            if (QChar(c).isUpper() && (smallLetterAt(i - 1) || (alone && besideAmount(i))))
                ++reading.odd;
            else
                reading.letters += alone ? 0 : 1;
        } else if (c == 0x00A4) {
            reading.odd += besideAmount(i) ? 1 : 0;
        } else if (table.kind(byte) == SingleByteTable::Kind::NotText) {
            reading.notText += before || after ? 1 : 0;
            reading.odd += before || after ? 1 : 0;
        } else {
            reading.odd += before && after && !joinsWords(c) ? 1 : 0;
        }
    }
    // ð and þ are Icelandic (and Faroese) letters, among its á, é, ó and
    // æ; alone they are the ŵ and ŷ of Welsh.
    reading.odd += icelandic ? 0 : eths;
    return reading;
}

WordReading readAsWords(QByteArrayView sample, QByteArrayView name)
{
    const auto table = SingleByteTable::of(name);
    return table ? readAsWords(sample, *table) : WordReading{0, sample.size()};
}

// Code pages that read most bytes alike: the one the detector named and
// its look-alike, which the bytes present may decide between.
QByteArrayView lookAlikeOf(QByteArrayView name)
{
    static const std::pair<QByteArrayView, QByteArrayView> Pairs[] = {
        {"ISO-8859-7", "windows-1253"}, {"ISO-8859-8", "windows-1255"}, {"ISO-8859-13", "windows-1257"},
        {"KOI8-R", "KOI8-U"},           {"windows-1252", "IBM850"},     {"ISO-8859-15", "IBM850"},
        {"MAC-CYRILLIC", "windows-1251"},
    };
    for (const auto &[one, other] : Pairs) {
        if (named(name, one))
            return other;
        if (named(name, other))
            return one;
    }
    return {};
}

// A byte that is text in one code page (a letter or a sign) and undefined,
// a control or a box drawing in the other is a vote for the first; the
// look-alike is taken when it has more votes (curly quotes, which
// windows-1253 has where ISO-8859-7 has C1 controls; the Ukrainian letters
// of KOI8-U, box drawing in KOI8-R). Without votes either way, the one
// that reads the text better as words is taken (ISO-8859-7's Ά where
// windows-1253 has ¶; Mac Cyrillic's я where windows-1251 has Я).
QByteArray settleBetweenLookAlikes(const QByteArray &found, QByteArrayView sample, bool fewLetters)
{
    const QByteArrayView other = lookAlikeOf(found);
    if (other.isEmpty())
        return found;
    const auto ours = SingleByteTable::of(found);
    const auto theirs = SingleByteTable::of(other);
    if (!ours || !theirs)
        return found;
    std::array<qsizetype, 256> counts{};
    for (const char c : sample)
        ++counts[uchar(c)];
    qsizetype forOurs = 0;
    qsizetype forTheirs = 0;
    using Kind = SingleByteTable::Kind;
    for (int b = 0x80; b < 256; ++b) {
        const Kind a = ours->kind(uchar(b));
        const Kind t = theirs->kind(uchar(b));
        forOurs += a != Kind::NotText && t == Kind::NotText ? counts[size_t(b)] : 0;
        forTheirs += t != Kind::NotText && a == Kind::NotText ? counts[size_t(b)] : 0;
    }
    // A few letters are no evidence for a DOS code page (see needsEvidence).
    if (forTheirs != forOurs || (fewLetters && (isDosCodePage(found) || isDosCodePage(other))))
        return forTheirs > forOurs ? other.toByteArray() : found;
    return readAsWords(sample, *theirs).score() > readAsWords(sample, *ours).score() ? other.toByteArray() : found;
}

// Turkish is told by its words, not by the six bytes windows-1254 reads
// otherwise than windows-1252 (ğ Ğ İ ı ş Ş, which are ð Ð Ý ý þ Þ there):
// several words hold them, beside its ı, İ, ç, ö or ü (the ŵ and ŷ of
// Welsh stand where Turkish has ğ and ş), and hardly any letter Turkish
// does not write (the á, é, ú, æ of Icelandic, whose ý and ð would read as
// ı and ğ).
bool writtenInTurkish(QByteArrayView sample)
{
    static constexpr std::array<uchar, 6> Own{0xD0, 0xDD, 0xDE, 0xF0, 0xFD, 0xFE};
    static constexpr std::array<uchar, 7> Telling{0xFD, 0xDD, 0xE7, 0xC7, 0xF6, 0xD6, 0xFC};
    // Ç ç Ö ö Ü ü, and Â â Î î Û û of loanwords.
    static constexpr std::array<uchar, 12> Shared{0xC7, 0xE7, 0xD6, 0xF6, 0xDC, 0xFC, 0xC2, 0xE2, 0xCE, 0xEE, 0xDB, 0xFB};
    const auto in = [](const auto &set, uchar b) { return std::find(set.begin(), set.end(), b) != set.end(); };
    qsizetype words = 0;
    qsizetype foreign = 0;
    bool counted = false; // the word has been counted
    for (const char ch : sample) {
        const uchar b = uchar(ch);
        const bool letter = isAsciiLetter(b) || (b >= 0xC0 && b != 0xD7 && b != 0xF7);
        if (!letter) {
            counted = false;
            continue;
        }
        if (b < 0x80)
            continue;
        if (in(Own, b) && !counted) {
            ++words;
            counted = true;
        } else if (!in(Own, b) && !in(Shared, b)) {
            ++foreign;
        }
    }
    const bool told = std::any_of(sample.begin(), sample.end(), [&](char c) { return in(Telling, uchar(c)); });
    return told && words >= 2 && foreign * 10 <= words;
}

bool isTurkishPage(QByteArrayView name)
{
    return namedAnyOf(name, {"windows-1254", "ISO-8859-9"});
}

// Mac Central European and Mac Roman read the signs of English text alike
// (its no-break space, its curly quotes): a detector names the first for
// the second. Where Mac Roman reads the text as well, it is the one.
QByteArray settleMac(const QByteArray &found, QByteArrayView sample)
{
    if (!namedAnyOf(found, {"MAC-CENTRALEUROPE", "x-mac-centraleurroman"}))
        return found;
    return readAsWords(sample, "macintosh").score() >= readAsWords(sample, found).score() ? QByteArray("macintosh")
                                                                                         : found;
}

// windows-1252 and windows-1254 read alike but for six bytes, which are
// letters in both: the words decide.
QByteArray settleTurkish(const QByteArray &found, QByteArrayView sample)
{
    const bool western = namedAnyOf(found, {"windows-1252", "ISO-8859-1", "ISO-8859-15"});
    if (!western && !isTurkishPage(found))
        return found;
    const bool turkish = writtenInTurkish(sample);
    if (western && turkish)
        return "windows-1254";
    return isTurkishPage(found) && !turkish ? QByteArray("windows-1252") : found;
}

// Latin code pages whose letters stand where windows-1252 has the accented
// letters of Western text (ISO-8859-10's č, ā and ų for è, à and ù; Mac
// Central European's Ā for the ü of a DOS page): a detector names them for
// Western text now and then, so like a DOS code page one needs evidence of
// its own, letters where windows-1252 has signs (the ē, š and ž of Latvian
// in ISO-8859-4). Windows-1250, windows-1257 and ISO-8859-13, read as often
// as their languages are written, keep their ties (Czech reads as letters
// in windows-1252 too).
bool needsEvidence(QByteArrayView name)
{
    return isDosCodePage(name)
        || namedAnyOf(name, {"ISO-8859-3", "ISO-8859-4", "ISO-8859-10", "ISO-8859-14", "ISO-8859-16",
                             "MAC-CENTRALEUROPE", "x-mac-centraleurroman", "macintosh"});
}

bool isLatinPage(QByteArrayView name)
{
    return needsEvidence(name)
        || namedAnyOf(name, {"windows-1250", "windows-1252", "windows-1254", "windows-1257", "ISO-8859-1",
                             "ISO-8859-2", "ISO-8859-9", "ISO-8859-13", "ISO-8859-15"});
}

// The pages Latin text is written in besides windows-1252, which a
// detector confuses with it and with each other: Western text from DOS
// and Mac programs, French with € and Œ, Welsh, Sami, Central European.
constexpr std::array<QByteArrayView, 6> LatinAlternatives{"ISO-8859-15", "ISO-8859-14", "ISO-8859-10",
                                                          "IBM850",      "macintosh",   "windows-1250"};

struct Candidate
{
    QByteArray name;
    WordReading reading;
};

Candidate candidate(const QByteArray &name, QByteArrayView sample)
{
    return {name, readAsWords(sample, name)};
}

// A lead worth overruling for: a few words, or one in fifty of the bytes
// past 0x7F.
qsizetype clearLead(QByteArrayView sample)
{
    const qsizetype high = std::count_if(sample.begin(), sample.end(), [](char c) { return uchar(c) >= 0x80; });
    return std::max<qsizetype>(2, high / 50);
}

// The detector's page, or windows-1252 where that reads the text as words
// better: a detector names IBM852 for Western names now and then. A page
// that needs evidence, and any page on a few letters, must read better
// than windows-1252; others yield only to a clear lead (where
// windows-1252 reads the bytes as letters too: Arabic, Cyrillic capitals).
Candidate detectedOrWestern(const Candidate &detected, QByteArrayView sample, bool fewLetters)
{
    if (named(detected.name, "windows-1252"))
        return detected;
    Candidate western = candidate(isTurkishPage(detected.name) ? detected.name : QByteArray("windows-1252"), sample);
    if (needsEvidence(detected.name) || fewLetters)
        return detected.reading.score() > western.reading.score() ? detected : western;
    return western.reading.score() - detected.reading.score() > clearLead(sample) ? western : detected;
}

// Whether most bytes past 0x7F stand alone among ASCII, as the accented
// letters of Latin words do ("Müller", "Peña"); in Greek, Cyrillic or CJK
// text they stand side by side.
bool mostlyLoneHighBytes(QByteArrayView sample)
{
    const auto highAt = [&](qsizetype i) { return i >= 0 && i < sample.size() && uchar(sample[i]) >= 0x80; };
    qsizetype high = 0;
    qsizetype alone = 0;
    for (qsizetype i = 0; i < sample.size(); ++i) {
        if (!highAt(i))
            continue;
        ++high;
        alone += !highAt(i - 1) && !highAt(i + 1) ? 1 : 0;
    }
    return alone * 2 > high;
}

// Where the page taken reads something no words hold, a Latin page that
// reads the text as words by a clear lead, and reads less amiss, is taken.
// A few letters are no evidence against windows-1252 unless it has no
// character for one (the ü of German from DOS) or reads more than one
// amiss; then only a page that reads them all as words is taken.
Candidate betterLatinReading(const Candidate &taken, QByteArrayView sample, bool fewLetters)
{
    if (taken.reading.clean() || !isLatinPage(taken.name) || !mostlyLoneHighBytes(sample)
        || (fewLetters && taken.reading.notText == 0 && taken.reading.odd < 2))
        return taken;
    Candidate best = taken;
    for (const QByteArrayView name : LatinAlternatives) {
        if (named(name, taken.name))
            continue;
        Candidate other = candidate(name.toByteArray(), sample);
        if (fewLetters && (other.reading.letters == 0 || !other.reading.clean()))
            continue;
        if (other.reading.odd < taken.reading.odd && other.reading.score() - taken.reading.score() > clearLead(sample)
            && other.reading.score() > best.reading.score())
            best = std::move(other);
    }
    return best;
}

// Text of two bytes a character where a CJK character stands beside an
// ASCII letter: counted over every character of the text.
bool cjkBesideLetter(const QString &text, qsizetype at)
{
    const auto letter = [&](qsizetype i) {
        return i >= 0 && i < text.size() && text[i].unicode() < 0x80 && isAsciiLetter(uchar(text[i].unicode()));
    };
    return letter(at - 1) || letter(at + 1);
}
// The page the text will be read in for a name: ISO-8859-9 in
// windows-1254, whose quotes and dashes it has as controls, as the web
// reads it.
QByteArray readIn(const QByteArray &name)
{
    const auto chosen = encodingNamed(name);
    return chosen ? nameOf(chosen->encoding, chosen->name) : name;
}
} // namespace

bool ideographsAmidLatinWords(QByteArrayView sample, const QByteArray &encoding)
{
    QStringDecoder decoder(encoding.constData());
    if (!decoder.isValid())
        return false;
    const QString text = decoder.decode(sample);
    qsizetype wide = 0;
    qsizetype amidLatin = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].unicode() < 0x2E80)
            continue;
        ++wide;
        amidLatin += cjkBesideLetter(text, i) ? 1 : 0;
    }
    // Chinese and Japanese text holds a Latin name or a code now and then.
    return wide > 0 && amidLatin * 2 > wide;
}


EncodingChoice chooseCodePage(const QByteArray &found, QByteArrayView sample, bool fewLetters)
{
    const QByteArray settled =
        settleMac(settleTurkish(settleBetweenLookAlikes(readIn(found), sample, fewLetters), sample), sample);
    const Candidate detected = candidate(settled, sample);
    const Candidate taken = betterLatinReading(detectedOrWestern(detected, sample, fewLetters), sample, fewLetters);
    // Overruling the detector is sure where the page taken reads the text
    // cleanly and the detector's did not; otherwise it is a guess.
    const bool overruled = taken.name != detected.name;
    const bool sure = !fewLetters && (!overruled || (taken.reading.clean() && !detected.reading.clean()));
    return {taken.name, sure};
}

} // namespace quillora
