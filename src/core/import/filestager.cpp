// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/import/filestager.h"

#include "core/errorreport.h"
#include "core/failure.h"
#include "core/import/importrun.h"
#include "core/import/spreadsheet.h"
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
                       StagedCells &counts)
{
    const StagingFile::Mark start = staging.mark();
    const auto dropFile = [&] {
        m_guard.step(steps.write, [&] { staging.rollBack(start); });
        return false;
    };
    std::optional<TextReader> reader;
    // Reading a stream ends with the run.
    if (!m_guard.step(steps.read, [&] { reader.emplace(path, m_hooks.stopped); }) || m_hooks.stopped())
        return false;
    QString piece;
    // Cells are kept only as long as the document takes them.
    LineSplitter splitter({cellCharacters, MaxColumns});
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
    // On the disk before the next file starts: a file that does not fit is
    // this file's failure, and the files before it stay whole.
    if (!m_guard.step(steps.write, [&] { write(staging, path, u"\r\n", true); }))
        return dropFile();
    counts += {splitter.cutCells(), splitter.leftOutCells()};
    return true;
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
