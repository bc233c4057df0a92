// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>

#include <string>

namespace quillora::writer {

// What an .xlsx cell holds at most, counted as readers count: in UTF-16
// units of the text they read back.
inline constexpr qsizetype XlsxCellCharacters = 32767;

// A cell's text (UTF-8) as libxlsxwriter takes it: without NUL bytes, and
// such that what a reader decodes from the file is the text itself. XML
// cannot carry NUL, U+FFFE and U+FFFF: they are written as "_xHHHH_", which
// readers turn back into the character, as libxlsxwriter does for the other
// control characters but tab and line feed. A "_" that would begin such an
// escape once written (in the text as it stands, or before a character that
// becomes an escape) is itself escaped as "_x005F_". The library is handed
// a stand-in for each such escape (StandIns), one character as it counts,
// as the reader counts the character the escape stands for; the file it
// keeps its rows in puts the escapes in their place (StandInFilter). The
// text is cut where the reader would count more than limit characters.
// Returns the characters the reader gets.
struct XlsxCell
{
    qsizetype characters = 0; // as the reader counts them
    bool cut = false;
};
XlsxCell xlsxCellText(QByteArrayView utf8, std::string &out, qsizetype limit = XlsxCellCharacters);

// The stand-ins for "_x0000_", "_xFFFE_", "_xFFFF_" and "_x005F_": the
// three-byte forms of U+D800 to U+D803, which no text holds (its UTF-8 never
// encodes a surrogate), so that every character of the text, U+FDD0 to
// U+FDD3 too, is written as itself.
inline constexpr const char *StandIns[] = {"\xED\xA0\x80", "\xED\xA0\x81", "\xED\xA0\x82", "\xED\xA0\x83"};

// The escapes in place of the stand-ins, over XML written in pieces.
class StandInFilter
{
public:
    void pass(QByteArrayView xml, std::string &out);
    // The end: what was held back.
    void finish(std::string &out);

private:
    std::string m_pending;
};

// Whether libxlsxwriter writes the byte as an escape of its own.
constexpr bool escapedByLibrary(char c)
{
    return (c >= '\x01' && c <= '\x08') || (c >= '\x0B' && c <= '\x1F');
}

} // namespace quillora::writer
