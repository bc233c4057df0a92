// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes through the reader (its encoding found, or chosen
// from encodings of every kind: of one byte, of two, switching state), the
// head of the file taken out (lines to skip, a header), the line splitter (plain, and
// keeping quoted text together), the staging file and the cutting into cells,
// and checks that nothing is lost on the way: the pieces make up the decoded
// text, pieces end inside a line only where a line outgrows them, and the cells that come back are those a plain
// reference implementation finds in the text, every character included.
#include "core/text/linesplitter.h"
#include "core/text/rowblock.h"
#include "core/text/stagingfile.h"
#include "core/text/encodingdetection.h"
#include "core/text/filehead.h"
#include "core/text/textreader.h"
#include "core/text/utf8.h"
#include "core/text/rowblock.h"
#include "core/text/stagedline.h"

#include <QBuffer>
#include <QStringDecoder>

#include <cstdint>
#include <optional>
#include <cstdio>
#include <cstdlib>

using namespace Qt::Literals::StringLiterals;
using namespace quillora;

namespace {
// Aborts, naming the line of the check that failed.
void check(bool condition, int line = __builtin_LINE())
{
    if (condition)
        return;
    std::fprintf(stderr, "check failed at line %d\n", line);
    std::abort();
}

// Whether text is well-formed UTF-16: every surrogate in a pair.
bool isValidUtf16(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return false;
    }
    return true;
}

// UTF-8 a sequence at a time: each error (as Unicode counts them) is one
// U+FFFD, or its bytes as Windows-1252 reads them.
QString decodeUtf8(QByteArrayView bytes, bool straysAsWindows1252, qint64 &invalid)
{
    QString text;
    // A U+FEFF is text like any other here (QString::fromUtf8 would drop it).
    QStringDecoder sequence(QStringConverter::Utf8,
                            QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    for (qsizetype i = 0; i < bytes.size();) {
        const qsizetype length = uchar(bytes[i]) < 0x80 ? 1 : validUtf8Sequence(bytes, i);
        if (length > 0) {
            text += sequence.decode(bytes.sliced(i, length));
            i += length;
            continue;
        }
        const qsizetype error = invalidUtf8Length(bytes, i);
        if (straysAsWindows1252) {
            invalid += appendWindows1252(text, bytes.sliced(i, error));
        } else {
            text += QChar(QChar::ReplacementCharacter);
            ++invalid;
        }
        i += error;
    }
    return text;
}

// Qt's decoder of that name, given the whole text at once; where the name
// reads as ASCII but its table swaps DEL and the controls 0x1A and 0x1C
// (Shift_JIS in ICU), those bytes, never part of a character of two bytes,
// are themselves.
QString decodeNamedWhole(QByteArrayView bytes, const QByteArray &name)
{
    const auto alone = [&](char byte) {
        return QString(QStringDecoder(name.constData(), QStringConverter::Flag::Stateless).decode(QByteArrayView(&byte, 1)));
    };
    QByteArray swapped;
    if (alone('a') == u"a"_s && alone('\n') == u"\n"_s) {
        for (const char byte : {'\x1A', '\x1C', '\x7F'}) {
            if (alone(byte) != QString(QChar(char16_t(byte))))
                swapped += byte;
        }
    }
    QStringDecoder decoder(name.constData(), QStringConverter::Flag::ConvertInitialBom);
    QString text;
    qsizetype from = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (!swapped.contains(bytes[i]))
            continue;
        text += decoder.decode(bytes.sliced(from, i - from));
        QString own = decoder.decode(bytes.sliced(i, 1));
        if (!own.isEmpty())
            own.back() = QChar(char16_t(bytes[i]));
        text += own;
        from = i + 1;
    }
    return text + QString(decoder.decode(bytes.sliced(from)));
}

// The whole text decoded at once, as plainly as possible: what the reader
// gives in pieces must be exactly this, and it counts the invalid
// characters the reader must count.
QString decodeWhole(QByteArrayView bytes, TextEncoding encoding, const QByteArray &name, bool strays,
                    std::optional<qint64> &invalid)
{
    if (const auto mark = DetectUnicode(bytes, bytes.size()))
        bytes = bytes.sliced(mark->length);
    QString text;
    const auto byteAt = [&](qsizetype i) { return static_cast<char32_t>(static_cast<uchar>(bytes[i])); };
    switch (encoding) {
    case TextEncoding::Windows1252:
        invalid = appendWindows1252(text, bytes);
        break;
    case TextEncoding::Other:
        // A code page of one byte a character by its table, a byte at a
        // time; any other by Qt's decoder of that name, given the whole text.
        if (const auto table = SingleByteTable::of(name)) {
            for (qsizetype i = 0; i < bytes.size(); ++i)
                text += QChar(table->at(uchar(bytes[i])));
            break;
        }
        text = decodeNamedWhole(bytes, name);
        break;
    case TextEncoding::Utf8:
        invalid = 0;
        text = decodeUtf8(bytes, strays, *invalid);
        break;
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE: {
        const bool big = encoding == TextEncoding::Utf16BE;
        QList<char16_t> units;
        for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
            units.append(char16_t(big ? byteAt(i) << 8 | byteAt(i + 1) : byteAt(i + 1) << 8 | byteAt(i)));
        for (qsizetype i = 0; i < units.size(); ++i) {
            if (QChar::isHighSurrogate(units[i]) && i + 1 < units.size() && QChar::isLowSurrogate(units[i + 1])) {
                text.append(QChar(units[i]));
                text.append(QChar(units[++i]));
            } else {
                text.append(QChar::isSurrogate(units[i]) ? QChar(QChar::ReplacementCharacter) : QChar(units[i]));
            }
        }
        if (bytes.size() % 2)
            text.append(QChar(QChar::ReplacementCharacter));
        break;
    }
    case TextEncoding::Utf32LE:
    case TextEncoding::Utf32BE: {
        const bool big = encoding == TextEncoding::Utf32BE;
        for (qsizetype i = 0; i + 3 < bytes.size(); i += 4) {
            const char32_t v = big ? byteAt(i) << 24 | byteAt(i + 1) << 16 | byteAt(i + 2) << 8 | byteAt(i + 3)
                                   : byteAt(i + 3) << 24 | byteAt(i + 2) << 16 | byteAt(i + 1) << 8 | byteAt(i);
            if (v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF)) {
                text.append(QChar(QChar::ReplacementCharacter));
            } else if (QChar::requiresSurrogates(v)) {
                text.append(QChar(QChar::highSurrogate(v)));
                text.append(QChar(QChar::lowSurrogate(v)));
            } else {
                text.append(QChar(char16_t(v)));
            }
        }
        if (bytes.size() % 4)
            text.append(QChar(QChar::ReplacementCharacter));
        break;
    }
    }
    return text;
}

using Rows = QList<QStringList>;

// A line's cells as the import shows them: an empty line has none.
void endRow(Rows &rows, QStringList &cells)
{
    if (cells.size() == 1 && cells.first().isEmpty())
        cells.clear();
    rows.append(cells);
    cells = QStringList{QString()};
}

// The rows of a file's text cut at the separator, read plainly: lines end at
// CR LF, LF or CR, and the run ends the last line.
Rows referencePlainRows(const QString &text, const QString &separator)
{
    Rows rows;
    QStringList cells{QString()};
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            endRow(rows, cells);
        } else if (!separator.isEmpty() && QStringView(text).sliced(i).startsWith(separator)) {
            cells.append(QString());
            i += separator.size() - 1;
        } else {
            cells.last().append(c);
        }
    }
    endRow(rows, cells);
    return rows;
}

// The same with quoted fields kept together, as RFC 4180 reads them with a
// separator of one character: a field that starts with a quote runs to the
// next single quote, "" inside is one quote, line breaks inside are one LF,
// and what follows the closing quote is kept. A quote that never closes runs
// to the end of the text.
Rows referenceQuotedRows(const QString &text, std::optional<QChar> separator, bool &unclosed)
{
    Rows rows;
    QStringList cells{QString()};
    bool fieldStart = true;
    bool inQuotes = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool lineBreak = c == u'\r' || c == u'\n';
        const bool crLf = c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n';
        if (inQuotes) {
            if (c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"') {
                cells.last().append(u'"');
                ++i;
            } else if (c == u'"') {
                inQuotes = false;
            } else if (lineBreak) {
                cells.last().append(u'\n');
                i += crLf ? 1 : 0;
            } else {
                cells.last().append(c);
            }
            continue;
        }
        if (fieldStart && c == u'"') {
            inQuotes = true;
            fieldStart = false;
            continue;
        }
        fieldStart = false;
        if (lineBreak) {
            i += crLf ? 1 : 0;
            endRow(rows, cells);
            fieldStart = true;
        } else if (separator && c == *separator) {
            cells.append(QString());
            fieldStart = true;
        } else {
            cells.last().append(c);
        }
    }
    unclosed = inQuotes;
    endRow(rows, cells);
    return rows;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    // The first two bytes choose the sizes and the separator; the rest is the file.
    const TextReader::Sizes sizes{1 + data[0] % 64, 1 + data[1] % 48};
    const QString separator = QStringList{QString(), u","_s, u" "_s, u"ab"_s, u"\t"_s}.at(data[1] % 5);
    QByteArray bytes(reinterpret_cast<const char *>(data + 2), static_cast<qsizetype>(size - 2));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    static const QList<QByteArray> Encodings{"UTF-8",      "UTF-16",      "windows-1252", "Shift_JIS",
                                            "GB18030",    "Big5",        "EUC-KR",       "EUC-JP",
                                            "ISO-2022-JP", "UTF-7",      "HZ",           "IBM930",
                                            "KOI8-R",     "windows-1251", "TIS-620",     "ISO-8859-7",
                                            "IBM850",     "windows-1253"};
    std::optional<ChosenEncoding> chosen;
    if (data[0] & 0x40)
        chosen = encodingNamed(Encodings.at(data[1] % Encodings.size()));

    TextReader reader(buffer, u"fuzz"_s, sizes, chosen);
    QStringList pieces;
    QString piece;
    while (reader.readPiece(piece)) {
        if (reader.takeStartOver())
            pieces.clear();
        pieces.append(piece);
    }
    check(!pieces.isEmpty());
    // A piece holds at most a piece's size (and a surrogate pair's second
    // half); one that ends inside a line has no line break; no CR LF and no
    // surrogate pair is split.
    for (qsizetype i = 0; i + 1 < pieces.size(); ++i) {
        const QString &current = pieces.at(i);
        check(current.size() <= sizes.piece + 1);
        if (!current.endsWith(u'\n') && !current.endsWith(u'\r'))
            check(!current.contains(u'\n') && !current.contains(u'\r'));
        check(!(current.endsWith(u'\r') && pieces.at(i + 1).startsWith(u'\n')));
        check(!current.back().isHighSurrogate());
    }
    const QString whole = pieces.join(QString());
    std::optional<qint64> invalid;
    const QString reference = decodeWhole(bytes, reader.encoding(), reader.encodingName(), reader.strayCount() > 0, invalid);
    // ICU reads bytes that make no character in a way that may depend on
    // where the text was cut; anything else is read the same in pieces as
    // whole, and nothing is taken for text that was not there unseen.
    if (reader.encoding() != TextEncoding::Other || reader.invalidCount() == 0)
        check(whole == reference);
    if (invalid)
        check(reader.invalidCount() == *invalid);
    // LibreOffice is sent only well-formed UTF-16.
    check(isValidUtf16(whole));

    // Staged piece by piece as an import run does, its head (lines to skip,
    // a header) taken out, then read back and cut.
    const bool quotes = data[0] & 0x80;
    const qint64 skip = qint64(size % 3);
    const bool header = size & 4;
    LineSplitter splitter;
    FileHead head(skip, header);
    StagingFile staging;
    const auto stage = [&](QString staged) {
        head.take(staged);
        staging.WriteTextFile(staged);
    };
    for (QString staged : std::as_const(pieces)) {
        splitter.stage(staged, separator, quotes);
        stage(staged);
    }
    QString rest;
    splitter.finish(rest, separator, quotes);
    stage(rest);
    stage(u"\r\n"_s);
    staging.rewind();
    Rows rows;
    QStringView line;
    while (staging.ReadTextLines(line)) {
        check(isValidUtf16(line) || !isValidUtf16(whole));
        rows.append(cellsOfStagedLine(line));
    }
    check(staging.lineCount() == rows.size());
    // The reference's rows, less those the head took.
    const auto afterHead = [&](Rows reference) {
        const std::optional<QStringList> expected =
            header && skip < reference.size() ? std::optional(reference.at(skip)) : std::nullopt;
        check(head.header() == expected);
        return reference.mid(std::min<qsizetype>(skip + (header ? 1 : 0), reference.size()));
    };
    // Quotes are checked where lines are cut at one character or none (a
    // quoted field of a file of one column); without them the plain reading
    // holds.
    if (quotes && separator.size() <= 1) {
        bool unclosed = false;
        const std::optional<QChar> at = separator.isEmpty() ? std::nullopt : std::optional(separator.front());
        check(rows == afterHead(referenceQuotedRows(whole, at, unclosed)));
        check(splitter.unclosedQuoteLine().has_value() == unclosed);
    } else if (!quotes) {
        check(rows == afterHead(referencePlainRows(whole, separator)));
    }
    return 0;
}
