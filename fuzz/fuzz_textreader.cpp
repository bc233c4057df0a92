// Feeds arbitrary bytes through the reader, the separator substitution, the
// staging file and the line splitter, and checks that nothing is lost on the
// way: the pieces make up the decoded text, no piece cuts a line, and the
// staged lines come back as the text's lines.
#include "core/text/stagingfile.h"
#include "core/text/textreader.h"

#include <QBuffer>
#include <QStringDecoder>

#include <cstdint>
#include <cstdlib>

using namespace Qt::Literals::StringLiterals;
using namespace quillora;

namespace {
void check(bool condition)
{
    if (!condition)
        std::abort();
}

// The whole text decoded at once, as plainly as possible: what the reader
// gives in pieces must be exactly this.
QString decodeWhole(QByteArrayView bytes, TextEncoding encoding)
{
    if (const auto mark = DetectUnicode(bytes, bytes.size()))
        bytes = bytes.sliced(mark->length);
    QString text;
    const auto byteAt = [&](qsizetype i) { return static_cast<char32_t>(static_cast<uchar>(bytes[i])); };
    switch (encoding) {
    case TextEncoding::Windows1252:
        appendWindows1252(text, bytes);
        break;
    case TextEncoding::Utf8:
        // Qt's decoder, given the whole text, ends an unfinished sequence with U+FFFD.
        text = QStringDecoder(QStringConverter::Utf8,
                              QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom)
                   .decode(bytes);
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

QStringList referenceLines(const QString &text)
{
    QStringList lines;
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            lines.append(current);
            current.clear();
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
        } else {
            current.append(c);
        }
    }
    if (!current.isEmpty())
        lines.append(current);
    return lines;
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

    TextReader reader(buffer, u"fuzz"_s, sizes);
    QStringList pieces;
    QString piece;
    while (reader.readPiece(piece))
        pieces.append(piece);
    check(!pieces.isEmpty());
    // Every piece but the last ends at a line break, and no CR LF is split.
    for (qsizetype i = 0; i + 1 < pieces.size(); ++i) {
        const QString &current = pieces.at(i);
        check(current.endsWith(u'\n') || current.endsWith(u'\r'));
        check(!(current.endsWith(u'\r') && pieces.at(i + 1).startsWith(u'\n')));
    }
    const QString whole = pieces.join(QString());
    check(whole == decodeWhole(bytes, reader.encoding()));
    // LibreOffice is sent only well-formed UTF-16.
    check(isValidUtf16(whole));

    QString staged = whole;
    if (!separator.isEmpty())
        staged.replace(separator, ColumnMarker);
    StagingFile staging;
    staging.WriteTextFile(staged);
    staging.WriteTextFile(u"\r\n");
    staging.rewind();
    const QStringList expected = referenceLines(staged + u"\r\n"_s);
    check(staging.lineCount() == expected.size());
    QString line;
    for (const QString &expectedLine : expected) {
        check(staging.ReadTextLines(line));
        check(line == expectedLine);
        check(isValidUtf16(line));
        check(cutAtColumnMarker(line).join(ColumnMarker) == line);
    }
    check(!staging.ReadTextLines(line));
    return 0;
}
