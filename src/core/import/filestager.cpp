// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/import/filestager.h"

#include "core/errorreport.h"
#include "core/failure.h"
#include "core/import/spreadsheet.h"
#include "core/reading/dialect.h"
#include "core/reading/filereading.h"
#include "core/reading/separatorhint.h"
#include "core/text/separators.h"
#include "core/text/stagingfile.h"
#include "core/text/textreader.h"
#include "core/translations.h"

#include <algorithm>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

FileStager::FileStager(ImportInputs &inputs, GuardedOperation &guard, Hooks hooks)
    : m_inputs(inputs)
    , m_guard(guard)
    , m_hooks(std::move(hooks))
{
}

bool FileStager::stage(StagingFile &staging, const QString &path, const Steps &steps, CellLimits limits,
                       StagedCells &counts, StagedFile &staged)
{
    const StagingFile::Mark start = staging.mark();
    const auto dropFile = [&] {
        m_guard.step(steps.write, [&] { staging.rollBack(start); });
        return false;
    };
    ReadOptions options;
    m_guard.step(steps.read, [&] { options = m_inputs.readOptions(path); });
    std::optional<FileReading> reading;
    // A file cut nowhere is told with the separator its start looks cut at.
    const bool cutting = options.split || options.ownSeparator;
    const FileReading::Watch watch{.stopRequested = m_hooks.stopRequested,
                                   .keepStart = m_hooks.summarize || cutting,
                                   .measure = m_hooks.summarize};
    if (!m_guard.step(steps.read, [&] { reading.emplace(path, options, limits, watch); }) || m_hooks.stopRequested())
        return false;
    QString piece;
    for (;;) {
        bool more = false;
        if (!m_guard.step(steps.pieces, [&] { more = reading->next(piece); }))
            return dropFile();
        if (reading->startedOver() && !m_guard.step(steps.write, [&] { staging.rollBack(start); }))
            return false;
        // The last piece goes on the disk before the next file starts: a file
        // that does not fit is this file's failure, and the files before it
        // stay whole.
        if (!m_guard.step(steps.write, [&] { write(staging, path, piece, !more); }))
            return dropFile();
        if (!more)
            break;
        m_hooks.handled(piece.size());
        if (m_hooks.stopRequested())
            return false;
    }
    if (const auto line = reading->unclosedQuoteLine()) {
        // Nothing is lost: the rest of the file is in that one cell.
        m_hooks.loss(steps.splitTest, tr("The file \"%1\" has a quoted field that opens on line %2 and is never "
                                         "closed: the rest of the file is in that one cell.")
                                          .arg(pathShown(path))
                                          .arg(*line));
    }
    reportEncoding(reading->reader(), path, steps.pieces);
    if (options.ownSeparator && m_hooks.note)
        noteDialect(*reading, path);
    if (options.skipToTable && reading->linesSkipped() > 0 && m_hooks.note)
        m_hooks.note(tr("%Ln line(s) above the table of the file \"%1\" were skipped.", nullptr,
                        pluralCount(reading->linesSkipped()))
                         .arg(pathShown(path)));
    counts += {reading->cutCells(), reading->leftOutCells()};
    staged = {staging.lineCount() - start.lines, reading->header(), summaryOf(*reading, options),
              typingOf(options, reading->split(), reading->decimalComma())};
    staged.summary.rows = staged.lines + (staged.header ? 1 : 0);
    staged.summary.decimalSign = staged.typing.decimalSign;
    return true;
}

// How a file was cut at its own separator, where there is something to
// say: it splits at none, a few rows differ from most, or two separators
// split it alike.
void FileStager::noteDialect(const FileReading &reading, const QString &file)
{
    const QString path = pathShown(file);
    const Dialect &dialect = reading.dialect();
    if (!dialect.separator) {
        m_hooks.note(tr("The lines of the file \"%1\" split evenly at none of comma, semicolon, tab or pipe: they "
                        "stay whole, one cell each.")
                         .arg(path));
        return;
    }
    if (dialect.differing > 0) {
        //: %2 how it is cut ("commas, quoted fields"), %3 the rows looked at
        m_hooks.note(tr("The file \"%1\" is cut at %2, as most of its rows split; %Ln of the first %3 rows have "
                        "another number of cells and are cut all the same.",
                        nullptr, pluralCount(dialect.differing))
                         .arg(path, dialectShown(dialect))
                         .arg(dialect.records));
    }
    if (dialect.tiedWith) {
        m_hooks.note(tr("The lines of the file \"%1\" split as well at %2 as at %3: they are cut at %2.")
                         .arg(path, pluralShown(*dialect.separator), pluralShown(*dialect.tiedWith)));
    }
}

FileSummary FileStager::summaryOf(const FileReading &reading, const ReadOptions &options) const
{
    FileSummary summary;
    summary.encoding = reading.reader().encodingName();
    summary.encodingChosen = reading.encodingTaken() == EncodingTaken::Chosen;
    summary.encodingGuessed = reading.encodingTaken() == EncodingTaken::Guessed;
    const auto header = reading.header();
    summary.headerCells = header ? header->size() : 0;
    const bool cutting = options.split || options.ownSeparator;
    summary.oneCellEach = cutting && reading.rowsHaveText() && !reading.rowsCut();
    if (cutting && (summary.oneCellEach || summary.headerCells == 1)) {
        if (const Separator *looks = ownSeparatorOf(reading.start(), options.quotes))
            summary.looksCutAt = pluralShown(*looks);
    }
    if (cutting || m_hooks.summarize) {
        if (const auto hint = separatorHint(reading.start(), reading.split(), options.quotes))
            summary.separatorHint = hint->name;
    }
    if (!m_hooks.summarize)
        return summary;
    summary.widest = reading.widest();
    if (options.ownSeparator)
        summary.ownSeparator = dialectShown(reading.dialect());
    if (options.skipToTable)
        summary.rowsAboveTable = reading.linesSkipped();
    return summary;
}

// At most one report a file, once it is read: bytes that are not valid in
// the encoding taken are a failure (they were replaced, or kept as controls
// where Windows-1252 has nothing); stray bytes read as Windows-1252 and an
// encoding that was only a guess are worth a note, and so is UTF-8 read as
// a code page.
void FileStager::reportEncoding(const TextReader &reader, const QString &file, int step)
{
    const QString path = pathShown(file);
    const QString name = QString::fromLatin1(reader.encodingName());
    const qint64 invalid = reader.invalidCount();
    const qint64 strays = reader.strayCount();
    const bool guessed = reader.encodingGuessed();
    const qint64 utf8 = reader.utf8SequencesReadOtherwise();
    if (invalid == 0 && strays == 0 && !guessed && utf8 == 0)
        return;
    QString choose;
    m_guard.step(step, [&] { choose = m_inputs.howTo(ImportInputs::Choice::Encoding); });
    //: Follows a sentence about the file's encoding.
    const QString mixed = utf8 == 0 ? QString()
                                    : tr(" It also holds %Ln valid UTF-8 sequence(s): it may be UTF-8 with bytes of "
                                         "another encoding mixed in.",
                                         nullptr, pluralCount(utf8));
    if (invalid > 0) {
        const bool asWindows1252 = strays > 0 || reader.encoding() == TextEncoding::Windows1252;
        const QString wrong = asWindows1252
            ? tr("%Ln byte(s) mean(s) nothing in windows-1252 and is kept as a control character", nullptr,
                 pluralCount(invalid))
            : tr("%Ln character(s) could not be read and is U+FFFD", nullptr, pluralCount(invalid));
        //: %2 what went wrong ("3 characters could not be read and are U+FFFD"), %3 how to choose an encoding,
        //: %4 a sentence more or nothing
        m_hooks.loss(step, strays > 0 ? tr("The file \"%1\" was read as UTF-8, with %Ln byte(s) that are not UTF-8 read "
                                           "as windows-1252, but %2. If it is in another encoding, %3.%4",
                                           nullptr, pluralCount(strays))
                                            .arg(path, wrong, choose, mixed)
                                      : tr("The file \"%1\" was read as %2, but %3. If it is in another encoding, %4.%5")
                                            .arg(path, name, wrong, choose, mixed));
        return;
    }
    if (!m_hooks.note)
        return;
    if (strays > 0) {
        m_hooks.note(tr("The file \"%1\" was read as UTF-8; %Ln byte(s) that are not UTF-8 was read as windows-1252 "
                        "reads them.",
                        nullptr, pluralCount(strays))
                         .arg(path));
    } else if (guessed) {
        //: %2 how to choose an encoding, %3 a sentence more or nothing
        m_hooks.note(tr("The encoding of the file \"%1\" could not be told for sure: it was read as windows-1252. "
                        "If the text looks wrong, %2.%3")
                         .arg(path, choose, mixed));
    } else {
        m_hooks.note(tr("The file \"%1\" was read as %2. If the text looks wrong, %3.%4").arg(path, name, choose, mixed));
    }
}

void FileStager::write(StagingFile &staging, const QString &path, QStringView text, bool commit)
{
    try {
        staging.WriteTextFile(text);
        if (commit)
            staging.commit();
    } catch (const Failure &failure) {
        throw Failure(tr("The file \"%1\" was not imported: %2").arg(pathShown(path), failure.description()));
    }
}

} // namespace quillora
