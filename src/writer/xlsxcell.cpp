// SPDX-License-Identifier: GPL-3.0-or-later
#include "writer/xlsxcell.h"

#include "writer/utf8.h"

namespace quillora::writer {

namespace {
bool isHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// The escape the cell's own writer puts in place of the character at
// text[i], or nullptr; XML cannot carry these.
const char *ownEscapeAt(QByteArrayView text, qsizetype i)
{
    if (text[i] == '\0')
        return "_x0000_";
    if (isNonCharacterAt(text, i))
        return text[i + 2] == '\xBE' ? "_xFFFE_" : "_xFFFF_";
    return nullptr;
}

// Whether the file will hold "_" at text[i]: the text's own, or the first
// byte of an escape.
bool writtenAsUnderscore(QByteArrayView text, qsizetype i)
{
    return text[i] == '_' || escapedByLibrary(text[i]) || ownEscapeAt(text, i);
}

// Whether the "_" at text[i] begins what a reader takes for an escaped
// character: "_x", four hexadecimal digits and "_" as the file holds them.
bool beginsEscape(QByteArrayView text, qsizetype i)
{
    return i + 6 < text.size() && text[i + 1] == 'x' && isHex(text[i + 2]) && isHex(text[i + 3])
        && isHex(text[i + 4]) && isHex(text[i + 5]) && writtenAsUnderscore(text, i + 6);
}

// UTF-16 units of the character whose UTF-8 starts with the byte.
int utf16Units(uchar lead)
{
    return lead >= 0xF0 ? 2 : 1;
}
} // namespace

XlsxCell xlsxCellText(QByteArrayView text, std::string &out, qsizetype limit)
{
    out.clear();
    XlsxCell cell;
    qsizetype given = 0; // characters handed to the library
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if ((uchar(c) & 0xC0) == 0x80) { // continues a character already counted
            out.push_back(c);
            continue;
        }
        const char *escape = ownEscapeAt(text, i);
        if (!escape && c == '_' && beginsEscape(text, i))
            escape = "_x005F_";
        const qsizetype units = utf16Units(uchar(c));
        if (cell.characters + units > limit || given + (escape ? 7 : 1) > limit) {
            cell.cut = true;
            return cell;
        }
        cell.characters += units;
        given += escape ? 7 : 1;
        if (!escape) {
            out.push_back(c);
            continue;
        }
        out.append(escape, 7);
        if (isNonCharacterAt(text, i))
            i += 2;
    }
    return cell;
}

} // namespace quillora::writer
