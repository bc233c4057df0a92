// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary text through the .xlsx cell writer, then through what
// libxlsxwriter does to it (control characters as "_xHHHH_"), and decodes
// the result as a reader does: what comes back must be the text itself, or
// its start when it was cut, and the library must never be handed more
// characters than it takes.
#include "writer/xlsxcell.h"

#include <QString>
#include <QStringDecoder>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace quillora::writer;

namespace {
// Aborts, naming the line of the check that failed.
void check(bool condition, int line = __builtin_LINE())
{
    if (condition)
        return;
    std::fprintf(stderr, "check failed at line %d\n", line);
    std::abort();
}

std::string asLibraryWrites(const std::string &text)
{
    static const char Hex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        if (escapedByLibrary(c))
            out += std::string("_x00") + Hex[uchar(c) >> 4] + Hex[uchar(c) & 0xF] + '_';
        else
            out += c;
    }
    return out;
}

bool isHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Text as it stands, a U+FEFF at its start included (QString::fromUtf8
// would drop that one).
QString plainText(const std::string &utf8)
{
    return QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom)
        .decode(QByteArrayView(utf8.data(), qsizetype(utf8.size())));
}

// "_xHHHH_" is the character HHHH, read from left to right.
QString asReaderReads(const std::string &xml)
{
    std::string plain;
    QString text;
    for (size_t i = 0; i < xml.size();) {
        if (xml[i] == '_' && i + 6 < xml.size() && xml[i + 1] == 'x' && isHex(xml[i + 2]) && isHex(xml[i + 3])
            && isHex(xml[i + 4]) && isHex(xml[i + 5]) && xml[i + 6] == '_') {
            text += plainText(plain);
            plain.clear();
            text += QChar(char16_t(std::stoi(xml.substr(i + 2, 4), nullptr, 16)));
            i += 7;
        } else {
            plain += xml[i++];
        }
    }
    return text + plainText(plain);
}

qsizetype codePoints(const std::string &utf8)
{
    qsizetype count = 0;
    for (const char c : utf8)
        count += (uchar(c) & 0xC0) != 0x80;
    return count;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    // The first byte chooses the limit; the rest, made valid UTF-8, is the cell.
    const qsizetype limit = 1 + data[0] % 64;
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const QByteArray utf8 = text.toUtf8();
    std::string out;
    const XlsxCell cell = xlsxCellText(utf8, out, limit);
    check(out.find('\0') == std::string::npos);
    check(codePoints(out) <= limit);
    check(cell.characters <= limit);
    // The library's XML, through the file that puts the escapes in place of
    // the stand-ins, in two pieces cut anywhere.
    const std::string written = asLibraryWrites(out);
    const size_t cutAt = written.empty() ? 0 : data[0] % written.size();
    StandInFilter filter;
    std::string xml;
    filter.pass(QByteArrayView(written.data(), qsizetype(cutAt)), xml);
    filter.pass(QByteArrayView(written.data() + cutAt, qsizetype(written.size() - cutAt)), xml);
    filter.finish(xml);
    const QString read = asReaderReads(xml);
    check(read.size() == cell.characters);
    check(cell.cut ? text.startsWith(read) && read.size() < text.size() : read == text);
    return 0;
}
