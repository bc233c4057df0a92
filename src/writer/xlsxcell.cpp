// SPDX-License-Identifier: GPL-3.0-or-later
#include "writer/xlsxcell.h"

#include "writer/utf8.h"

namespace quillora::writer {

namespace {
bool isHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// The stand-in handed to the library for a character the cell's own writer
// escapes at text[i] (XML cannot carry NUL, U+FFFE and U+FFFF), which the
// library counts as one character as the reader counts the one the escape
// stands for; nullptr for any other character.
const char *ownStandInAt(QByteArrayView text, qsizetype i)
{
    if (text[i] == '\0')
        return StandIns[0];
    if (isNonCharacterAt(text, i))
        return text[i + 2] == '\xBE' ? StandIns[1] : StandIns[2];
    return nullptr;
}

// Whether the file will hold "_" at text[i]: the text's own, or the first
// byte of an escape.
bool writtenAsUnderscore(QByteArrayView text, qsizetype i)
{
    return text[i] == '_' || escapedByLibrary(text[i]) || ownStandInAt(text, i);
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
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if ((uchar(c) & 0xC0) == 0x80) { // continues a character already counted
            out.push_back(c);
            continue;
        }
        const char *standIn = ownStandInAt(text, i);
        if (!standIn && c == '_' && beginsEscape(text, i))
            standIn = StandIns[3];
        // The library is handed one character for each the reader counts
        // one or two of: the reader's count is the bound.
        const qsizetype units = utf16Units(uchar(c));
        if (cell.characters + units > limit) {
            cell.cut = true;
            return cell;
        }
        cell.characters += units;
        if (!standIn) {
            out.push_back(c);
            continue;
        }
        out.append(standIn);
        if (uchar(c) == 0xEF)
            i += 2; // the rest of U+FFFE or U+FFFF
    }
    return cell;
}

void StandInFilter::pass(QByteArrayView xml, std::string &out)
{
    m_pending.append(xml.data(), size_t(xml.size()));
    // A stand-in cut by the end of this piece waits for the next one.
    size_t whole = m_pending.size();
    for (size_t back = 1; back <= 2 && back <= m_pending.size(); ++back) {
        const uchar b = uchar(m_pending[m_pending.size() - back]);
        if (b == 0xED && (back == 1 || uchar(m_pending[m_pending.size() - 1]) == 0xA0)) {
            whole = m_pending.size() - back;
            break;
        }
    }
    for (size_t i = 0; i < whole; ++i) {
        if (uchar(m_pending[i]) == 0xED && i + 2 < whole && uchar(m_pending[i + 1]) == 0xA0
            && uchar(m_pending[i + 2]) >= 0x80 && uchar(m_pending[i + 2]) <= 0x83) {
            static const char *const Escapes[] = {"_x0000_", "_xFFFE_", "_xFFFF_", "_x005F_"};
            out += Escapes[uchar(m_pending[i + 2]) - 0x80];
            i += 2;
        } else {
            out += m_pending[i];
        }
    }
    m_pending.erase(0, whole);
}

void StandInFilter::finish(std::string &out)
{
    out += m_pending;
    m_pending.clear();
}

} // namespace quillora::writer
