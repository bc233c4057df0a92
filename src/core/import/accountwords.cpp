// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/import/accountwords.h"

#include "core/import/columnnotes.h"

#include "core/text/encodings.h"
#include "core/text/separators.h"
#include "core/text/textreader.h"
#include "core/translations.h"

#include <QLocale>

#include <limits>
#include <tuple>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

namespace {
// Where a file cut at its own separator was found to be cut, a whole phrase
// for each case as a language says it: in the file's line, and as a
// sentence of its own for the list's tool tip.
struct FoundCut
{
    QStringView separator;
    const char *phrase;
    const char *quotedPhrase;
    const char *sentence;
    const char *quotedSentence;
};
constexpr FoundCut FoundCuts[] = {
    {u"comma", QT_TRANSLATE_NOOP("quillora::AccountWords", "; found separated by commas"),
     QT_TRANSLATE_NOOP("quillora::AccountWords", "; found separated by commas, with quoted fields"),
     QT_TRANSLATE_NOOP("quillora::AccountWords", "Separated by commas, found in its start"),
     QT_TRANSLATE_NOOP("quillora::AccountWords", "Separated by commas, with quoted fields, found in its start")},
    {u"semicolon", QT_TRANSLATE_NOOP("quillora::AccountWords", "; found separated by semicolons"),
     QT_TRANSLATE_NOOP("quillora::AccountWords", "; found separated by semicolons, with quoted fields"),
     QT_TRANSLATE_NOOP("quillora::AccountWords", "Separated by semicolons, found in its start"),
     QT_TRANSLATE_NOOP("quillora::AccountWords", "Separated by semicolons, with quoted fields, found in its start")},
    {u"tab", QT_TRANSLATE_NOOP("quillora::AccountWords", "; found separated by tabs"),
     QT_TRANSLATE_NOOP("quillora::AccountWords", "; found separated by tabs, with quoted fields"),
     QT_TRANSLATE_NOOP("quillora::AccountWords", "Separated by tabs, found in its start"),
     QT_TRANSLATE_NOOP("quillora::AccountWords", "Separated by tabs, with quoted fields, found in its start")},
    {u"pipe", QT_TRANSLATE_NOOP("quillora::AccountWords", "; found separated by pipes"),
     QT_TRANSLATE_NOOP("quillora::AccountWords", "; found separated by pipes, with quoted fields"),
     QT_TRANSLATE_NOOP("quillora::AccountWords", "Separated by pipes, found in its start"),
     QT_TRANSLATE_NOOP("quillora::AccountWords", "Separated by pipes, with quoted fields, found in its start")},
};

// The phrase and the sentence for a file's dialect; both empty where lines
// stay whole (the line says so itself).
std::pair<QString, QString> foundCutShown(const Dialect &dialect)
{
    if (!dialect.separator)
        return {AccountWords::tr("; no separator of its own: whole lines"), QString()};
    for (const FoundCut &found : FoundCuts) {
        if (found.separator == dialect.separator->name) {
            const bool quoted = dialect.quotesSeen;
            return {AccountWords::tr(quoted ? found.quotedPhrase : found.phrase),
                    AccountWords::tr(quoted ? found.quotedSentence : found.sentence)};
        }
    }
    return {};
}

QString takenInPreview(EncodingTaken taken)
{
    switch (taken) {
    case EncodingTaken::Chosen:
        return AccountWords::tr("chosen");
    case EncodingTaken::Guessed:
        return AccountWords::tr("guessed");
    case EncodingTaken::Found:
        break;
    }
    return AccountWords::tr("detected");
}

// "CR LF", "LF" and "CR" are the same in every language.
QString lineEndsShown(const QString &lineEnds)
{
    if (lineEnds == u"mixed")
        return AccountWords::tr("mixed");
    if (lineEnds == u"none")
        return AccountWords::tr("none");
    return lineEnds;
}

QString encodingShown(const QByteArray &encoding)
{
    for (const KnownEncoding &known : knownEncodings()) {
        if (known.name.compare(encoding, Qt::CaseInsensitive) == 0)
            return known.label();
    }
    return QString::fromLatin1(encoding);
}

// At most one note on the encoding: bytes that are not valid in the
// encoding taken are a loss (they were replaced, or kept as controls where
// windows-1252 has nothing); stray bytes read as windows-1252 and an
// encoding that was only a guess are worth a note, and so is UTF-8 read as a
// code page.
std::optional<AccountWords::Note> encodingNote(const FileAccount &account, const QString &choose, const QString &path)
{
    const QString name = QString::fromLatin1(account.encoding);
    const qint64 invalid = account.unreadable;
    const qint64 strays = account.strayBytes;
    const qint64 utf8 = account.utf8ReadOtherwise;
    const bool guessed = account.encodingTaken == EncodingTaken::Guessed;
    if (invalid == 0 && strays == 0 && !guessed && utf8 == 0)
        return std::nullopt;
    //: Follows a sentence about the file's encoding.
    const QString mixed = utf8 == 0 ? QString()
                                    : AccountWords::tr(" It also holds %Ln valid UTF-8 sequence(s): it may be UTF-8 "
                                                       "with bytes of another encoding mixed in.",
                                                       nullptr, pluralCount(utf8));
    if (invalid > 0) {
        const QString wrong = account.unreadableKeptAsControls
            ? AccountWords::tr("%Ln byte(s) mean(s) nothing in windows-1252 and is kept as a control character", nullptr,
                               pluralCount(invalid))
            : AccountWords::tr("%Ln character(s) could not be read and is U+FFFD", nullptr, pluralCount(invalid));
        //: %2 what went wrong ("3 characters could not be read and are U+FFFD"), %3 how to choose an encoding,
        //: %4 a sentence more or nothing
        return AccountWords::Note{
            true, strays > 0 ? AccountWords::tr("The file \"%1\" was read as UTF-8, with %Ln byte(s) that are not UTF-8 "
                                                "read as windows-1252, but %2. If it is in another encoding, %3.%4",
                                                nullptr, pluralCount(strays))
                                   .arg(path, wrong, choose, mixed)
                             : AccountWords::tr("The file \"%1\" was read as %2, but %3. If it is in another encoding, "
                                                "%4.%5")
                                   .arg(path, name, wrong, choose, mixed)};
    }
    if (strays > 0) {
        return AccountWords::Note{false, AccountWords::tr("The file \"%1\" was read as UTF-8; %Ln byte(s) that are not "
                                                          "UTF-8 was read as windows-1252 reads them.",
                                                          nullptr, pluralCount(strays))
                                             .arg(path)};
    }
    if (guessed) {
        //: %2 the encoding, %3 how to choose an encoding, %4 a sentence more or nothing
        return AccountWords::Note{false, AccountWords::tr("The encoding of the file \"%1\" could not be told for sure: "
                                                          "it was read as %2. If the text looks wrong, %3.%4")
                                             .arg(path, name, choose, mixed)};
    }
    return AccountWords::Note{
        false, AccountWords::tr("The file \"%1\" was read as %2. If the text looks wrong, %3.%4").arg(path, name, choose, mixed)};
}

// How a file was cut at its own separator, where there is something to
// say: it splits at none, a few rows differ from most, or two separators
// split it alike.
void addDialectNotes(QList<AccountWords::Note> &notes, const FileAccount &account, const QString &path)
{
    if (!account.dialect)
        return;
    const Dialect &dialect = *account.dialect;
    if (!dialect.separator) {
        notes.append({false, AccountWords::tr("The lines of the file \"%1\" split evenly at none of comma, semicolon, "
                                              "tab or pipe: they stay whole, one cell each.")
                                 .arg(path)});
        return;
    }
    if (dialect.raggedSplit > 0) {
        //: %2 how it is cut ("commas, quoted fields"), %3 the rows looked at
        notes.append({false, AccountWords::tr("The rows of the file \"%1\" split unevenly, and only at one separator: "
                                              "it is cut at %2, where %Ln of the first %3 rows split.",
                                              nullptr, pluralCount(dialect.raggedSplit))
                                 .arg(path, dialectShown(dialect))
                                 .arg(dialect.records)});
    } else if (dialect.differing > 0) {
        //: %2 how it is cut ("commas, quoted fields"), %3 the rows looked at
        notes.append({false, AccountWords::tr("The file \"%1\" is cut at %2, as most of its rows split; %Ln of the "
                                              "first %3 rows have another number of cells and are cut all the same.",
                                              nullptr, pluralCount(dialect.differing))
                                 .arg(path, dialectShown(dialect))
                                 .arg(dialect.records)});
    }
    if (dialect.tiedWith) {
        notes.append({false, AccountWords::tr("The lines of the file \"%1\" split as well at %2 as at %3: they are cut "
                                              "at %2.")
                                 .arg(path, pluralShown(*dialect.separator), pluralShown(*dialect.tiedWith))});
    }
}

// Quotes that did not pair, and a quoted field that took in many lines
// (a quote left open by mistake takes every line to the next one): where
// to look, by line.
void addQuoteNotes(QList<AccountWords::Note> &notes, const FileAccount &account, const QString &path)
{
    if (const auto line = account.unpairedQuoteLine) {
        notes.append({.text = AccountWords::tr("A quote on line %1 of the file \"%2\" does not pair: the file's quotes "
                                               "were read as text, not around fields.")
                                  .arg(*line)
                                  .arg(path),
                      .ofCutting = true});
    }
    const auto span = account.lines.longestSpan();
    if (!account.quotes || account.unclosedQuoteLine || !span)
        return;
    // Many lines, or more than two where no other field holds a line break.
    constexpr qint64 ManyLines = 500;
    const qint64 lines = span->lastLine - span->firstLine + 1;
    if (lines < ManyLines && (account.lines.spanning() > 1 || lines < 3))
        return;
    notes.append({.text = AccountWords::tr("A quoted field of the file \"%1\" runs from line %2 to line %3, which are "
                                           "one cell. If they should be rows, a quote on line %2 does not pair.")
                              .arg(path)
                              .arg(span->firstLine)
                              .arg(span->lastLine),
                  .ofCutting = true});
}
} // namespace

QList<AccountWords::Note> AccountWords::notesOf(const FileAccount &account, const QString &choose, Naming naming)
{
    const QString file = naming == Naming::ByPath ? pathShown(account.path) : account.name;
    QList<Note> notes;
    if (!account.failure.isEmpty())
        notes.append({true, account.failure});
    if (const auto line = account.unclosedQuoteLine) {
        // Nothing is lost: the rest of the file is in that one cell.
        notes.append({true, tr("The file \"%1\" has a quoted field that opens on line %2 and is never closed: the "
                               "rest of the file is in that one cell.")
                                .arg(file)
                                .arg(*line),
                         true});
    }
    addQuoteNotes(notes, account, file);
    if (auto encoding = encodingNote(account, choose, file))
        notes.append(*encoding);
    addDialectNotes(notes, account, file);
    addColumnNotes(notes, account, file);
    // A header of one field over rows of many is a title above the table
    // (an export's "Sales report, March"): the table's header is below it.
    if (account.header && account.header->size() == 1 && account.widest >= 2 && !account.skippedToTable)
        notes.append({.text = tr("The header of the file \"%1\" is one field, \"%2\", over rows of %3: it looks like a "
                                 "title above the table. To skip each file's lines above its table, set the lines to "
                                 "skip to automatic (--skip-lines=auto).")
                                  .arg(file, account.header->first())
                                  .arg(account.widest)});
    if (account.skippedToTable && account.linesSkipped > 0) {
        // Quoted, so that a header taken for a title is seen at once.
        constexpr qsizetype MostQuoted = 80;
        const QString first = account.firstLineSkipped.size() <= MostQuoted
            ? account.firstLineSkipped
            : account.firstLineSkipped.first(MostQuoted - 1) + u'…';
        notes.append({.text = first.isEmpty()
                          ? tr("%Ln line(s) above the table of the file \"%1\" were skipped.", nullptr,
                               pluralCount(account.linesSkipped))
                                .arg(file)
                          //: %2 the first line skipped, as the file has it
                          : tr("%Ln line(s) above the table of the file \"%1\" were skipped, the first: \"%2\".",
                               nullptr, pluralCount(account.linesSkipped))
                                .arg(file, first),
                      .routine = true});
    }
    return notes;
}

QString AccountWords::sizeShown(const FileAccount &account)
{
    const QLocale locale;
    if (account.packedSize <= 0)
        return locale.formattedDataSize(account.size);
    //: %1 the size of a file's text, %2 what it takes compressed
    return tr("%1 unpacked from %2").arg(locale.formattedDataSize(account.size), locale.formattedDataSize(account.packedSize));
}

std::pair<QString, QString> AccountWords::previewLine(const FileAccount &account, const QString &lineEnds)
{
    QString cut;
    QString found;
    if (account.dialect)
        std::tie(cut, found) = foundCutShown(*account.dialect);
    if (!account.decimalSign.isNull())
        cut += account.decimalSign == u',' ? tr("; numbers with a decimal comma") : tr("; numbers with a decimal point");
    const int counted = int(std::min<qint64>(account.rows, std::numeric_limits<int>::max()));
    const QString rows = account.rowsCounted ? tr("%Ln row(s)", nullptr, counted) : tr("about %Ln row(s)", nullptr, counted);
    //: %1 the encoding, %2 how it was taken (detected, chosen, guessed), %3 CR LF, LF or CR, %4 the size,
    //: %5 the rows, %6 how lines are cut ("; found separated by commas")
    const QString line = tr("%1, %2; line ends: %3; %4; %5%6")
                             .arg(encodingShown(account.encoding), takenInPreview(account.encodingTaken),
                                  lineEndsShown(lineEnds), sizeShown(account), rows, cut);
    return {line, found};
}

QString AccountWords::takenShown(EncodingTaken taken)
{
    switch (taken) {
    case EncodingTaken::Chosen:
        return tr("chosen");
    case EncodingTaken::Guessed:
        return tr("guessed");
    case EncodingTaken::Found:
        break;
    }
    return tr("found");
}

QString AccountWords::separatorShown(const FileAccount &account)
{
    if (!account.split || account.split->isEmpty())
        return tr("whole lines");
    if (const Separator *named = separatorOfText(*account.split))
        return pluralShown(*named);
    //: %1 the text lines were cut at, as the user typed it
    return tr("\"%1\"").arg(*account.split);
}

QString AccountWords::decimalShown(QChar sign)
{
    if (sign.isNull())
        return {};
    return sign == u',' ? tr("decimal comma") : tr("decimal point");
}

QString AccountWords::headerChangesShown(const FileAccount &account)
{
    QStringList parts;
    //: %1 the columns a file's header lacks, against the first header on its sheet
    if (!account.columnsMissing.isEmpty())
        parts.append(tr("lacks %1").arg(account.columnsMissing.join(u", "_s)));
    //: %1 the columns a file's header adds, against the first header on its sheet
    if (!account.columnsAdded.isEmpty())
        parts.append(tr("adds %1").arg(account.columnsAdded.join(u", "_s)));
    return parts.join(u"; "_s);
}

QString AccountWords::planLine(const FileAccount &account)
{
    // A file that could not be read has no encoding nor rows: why instead.
    if (!account.failure.isEmpty())
        //: %1 the file, %2 why it could not be read
        return tr("%1: not read: %2").arg(account.name, account.failure);
    //: %1 the file, %2 its encoding, %3 how it was taken, %4 its rows ("3 rows"), %5 its widest row ("2 cells")
    QString line = tr("%1: %2 (%3), %4, widest %5")
                       .arg(account.name, QString::fromLatin1(account.encoding), takenShown(account.encodingTaken),
                            tr("%Ln row(s)", nullptr, pluralCount(account.rows)),
                            tr("%Ln cell(s)", nullptr, int(account.widest)));
    if (account.packedSize > 0)
        line += u", "_s + sizeShown(account);
    if (account.dialect) {
        line += !account.dialect->separator ? tr(", no separator of its own: whole lines")
                                            : tr(", separated by %1").arg(dialectShown(*account.dialect));
    }
    if (!account.decimalSign.isNull())
        line += account.decimalSign == u',' ? tr(", numbers with a decimal comma") : tr(", numbers with a decimal point");
    if (account.hint)
        line += tr(", looks separated by %1").arg(account.hint->name);
    if (account.skippedToTable)
        line += tr(", %Ln line(s) above its table skipped", nullptr, pluralCount(account.linesSkipped));
    if (const QString kinds = columnKindsShown(account); !kinds.isEmpty())
        //: %1 each typed column and its kind ("amount: number, when: date-dmy")
        line += tr("; column kinds: %1").arg(kinds);
    return line;
}

QStringList AccountWords::reportColumns()
{
    return {tr("File"),          tr("Sheet"),         tr("First row"), tr("Last row"),       tr("Encoding"),
            tr("Encoding taken"), tr("Separator"),     tr("Quoting"),   tr("Decimal sign"),   tr("Lines skipped"),
            tr("Rows"),          tr("Columns"),       tr("Header changes"), tr("Notes"), tr("Column kinds")};
}

QStringList AccountWords::reportKeys()
{
    return {u"file"_s,      u"sheet"_s,         u"first_row"_s, u"last_row"_s, u"encoding"_s,
            u"encoding_taken"_s, u"separator"_s, u"quoting"_s, u"decimal_sign"_s, u"lines_skipped"_s,
            u"rows"_s,      u"columns"_s,       u"header_changes"_s, u"notes"_s, u"column_kinds"_s};
}

QStringList AccountWords::reportRow(const FileAccount &account, const QString &choose, const QLocale &locale)
{
    const auto number = [&](qint64 value) { return locale.toString(value); };
    QString sheet;
    QString first;
    QString last;
    if (const auto &landed = account.landed) {
        sheet = landed->lastSheet.isEmpty() || landed->lastSheet == landed->sheet
            ? landed->sheet
            //: A file's rows went on from the first sheet to the second
            : tr("%1 to %2").arg(landed->sheet, landed->lastSheet);
        first = number(landed->firstRow);
        last = number(landed->lastRow);
    }
    // The lines skipped have a column of their own; the file is named on
    // its row already.
    QStringList notes;
    for (const Note &note : notesOf(account, choose, Naming::ByName)) {
        if (!note.routine)
            notes.append(note.text);
    }
    const qint64 dataRows = std::max<qint64>(0, account.rows - (account.header ? 1 : 0));
    return {account.name,
            sheet,
            first,
            last,
            QString::fromLatin1(account.encoding),
            takenShown(account.encodingTaken),
            separatorShown(account),
            account.quotes ? tr("quoted fields whole") : tr("none", "quoting"),
            decimalShown(account.decimalSign),
            number(account.linesSkipped),
            number(dataRows),
            number(account.widest),
            headerChangesShown(account),
            notes.join(u' '),
            columnKindsShown(account)};
}

} // namespace quillora
