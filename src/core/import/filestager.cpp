// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/import/filestager.h"

#include "core/errorreport.h"
#include "core/failure.h"
#include "core/import/importrun.h"
#include "core/import/spreadsheet.h"
#include "core/text/filehead.h"
#include "core/text/stagingfile.h"
#include "core/text/textreader.h"

#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

FileStager::FileStager(ImportInputs &inputs, GuardedOperation &guard, Hooks hooks)
    : m_inputs(inputs)
    , m_guard(guard)
    , m_hooks(std::move(hooks))
{
}

bool FileStager::stage(StagingFile &staging, const QString &path, const Steps &steps, qsizetype cellCharacters,
                       StagedCells &counts, StagedFile &staged)
{
    const StagingFile::Mark start = staging.mark();
    const auto dropFile = [&] {
        m_guard.step(steps.write, [&] { staging.rollBack(start); });
        return false;
    };
    std::optional<TextReader> reader;
    // Reading a stream ends with the run.
    std::optional<ChosenEncoding> encoding;
    qint64 skip = 0;
    bool header = false;
    m_guard.step(steps.read, [&] {
        encoding = m_inputs.encoding(path);
        skip = m_inputs.linesToSkip();
        header = m_inputs.firstLineIsHeader();
    });
    if (!m_guard.step(steps.read, [&] { reader.emplace(path, m_hooks.stopped, encoding); }) || m_hooks.stopped())
        return false;
    QString piece;
    // Cells are kept only as long as the document takes them.
    LineSplitter splitter({cellCharacters, MaxColumns});
    FileHead head(skip, header);
    // Whether the rows written so far end with a line break.
    std::optional<bool> rowsEndWithBreak;
    std::optional<QString> split;
    bool quotes = false;
    for (;;) {
        bool more = false;
        if (!m_guard.step(steps.pieces, [&] { more = reader->readPiece(piece); }))
            return dropFile();
        // The options are read for every piece: a change made during the run
        // acts on the rest of it.
        m_guard.step(steps.splitTest, [&] {
            split = m_inputs.splitText();
            quotes = m_inputs.keepQuotedText();
        });
        if (more)
            splitter.stage(piece, split, quotes);
        else
            splitter.finish(piece, split, quotes);
        if (!head.passed())
            head.take(piece);
        if (!piece.isEmpty())
            rowsEndWithBreak = piece.back() == u'\n' || piece.back() == u'\r';
        if (!m_guard.step(steps.write, [&] { write(staging, path, piece); }))
            return dropFile();
        if (!more)
            break;
        m_hooks.handled(piece.size());
        if (m_hooks.stopped())
            return false;
    }
    if (const auto line = splitter.unclosedQuoteLine()) {
        // Nothing is lost: the rest of the file is in that one cell.
        m_guard.step(steps.splitTest, [&] {
            throw Failure(u"The file \"%1\" has a quoted field that opens on line %2 and is never closed: "
                          u"the rest of the file is in that one cell."_s.arg(path)
                              .arg(*line));
        });
    }
    reportEncoding(*reader, path, steps.pieces);
    // The last line ends here. Without a header, a file that ends with a
    // line break is followed by an empty row; with one, its final line
    // break just ends its last line. A file skipped whole gives nothing.
    const bool endLine = header ? rowsEndWithBreak == false : rowsEndWithBreak.has_value() || skip == 0;
    // On the disk before the next file starts: a file that does not fit is
    // this file's failure, and the files before it stay whole.
    if (!m_guard.step(steps.write, [&] { write(staging, path, endLine ? u"\r\n" : u"", true); }))
        return dropFile();
    counts += {splitter.cutCells(), splitter.leftOutCells()};
    staged = {staging.lineCount() - start.lines, header ? head.header() : std::nullopt, reader->encodingName()};
    return true;
}

namespace {
QString counted(qint64 count, QStringView one, QStringView many)
{
    return u"%1 %2"_s.arg(count).arg(count == 1 ? one : many);
}
} // namespace

// At most one report a file, once it is read: bytes that are not valid in
// the encoding taken are a failure (they were replaced, or kept as controls
// where Windows-1252 has nothing); stray bytes read as Windows-1252 and an
// encoding that was only a guess are worth a note.
void FileStager::reportEncoding(const TextReader &reader, const QString &path, int step)
{
    const QString name = QString::fromLatin1(reader.encodingName());
    const qint64 invalid = reader.invalidCount();
    const qint64 strays = reader.strayCount();
    const bool guessed = reader.encodingGuessed();
    if (invalid == 0 && strays == 0 && !guessed)
        return;
    QString choose;
    m_guard.step(step, [&] { choose = m_inputs.howTo(ImportInputs::Choice::Encoding); });
    if (invalid > 0) {
        m_guard.step(step, [&] {
            const bool asWindows1252 = strays > 0 || reader.encoding() == TextEncoding::Windows1252;
            const QString read = strays > 0 ? u"as UTF-8, with %1 that are not UTF-8 read as windows-1252"_s.arg(
                                                  counted(strays, u"byte", u"bytes"))
                                            : u"as "_s + name;
            const QString wrong = asWindows1252
                ? (invalid == 1 ? u"1 byte means nothing in windows-1252 and is kept as a control character"_s
                                : u"%1 bytes mean nothing in windows-1252 and are kept as control characters"_s.arg(
                                      invalid))
                : (invalid == 1 ? u"1 character could not be read and is U+FFFD"_s
                                : u"%1 characters could not be read and are U+FFFD"_s.arg(invalid));
            throw Failure(u"The file \"%1\" was read %2, but %3. If it is in another encoding, %4."_s.arg(
                path, read, wrong, choose));
        });
        return;
    }
    if (!m_hooks.note)
        return;
    if (strays > 0) {
        m_hooks.note(u"The file \"%1\" was read as UTF-8; %2 read as windows-1252 reads them."_s.arg(
            path, strays == 1 ? u"1 byte that is not UTF-8 was"_s : u"%1 bytes that are not UTF-8 were"_s.arg(strays)));
    } else if (guessed) {
        m_hooks.note(u"The encoding of the file \"%1\" could not be told for sure: it was read as windows-1252. "
                     u"If the text looks wrong, %2."_s.arg(path, choose));
    }
}

void FileStager::write(StagingFile &staging, const QString &path, QStringView text, bool commit)
{
    try {
        staging.WriteTextFile(text);
        if (commit)
            staging.commit();
    } catch (const Failure &failure) {
        throw Failure(u"The file \"%1\" was not imported: %2"_s.arg(path, failure.description()));
    }
}

} // namespace quillora
