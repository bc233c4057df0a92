// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/import/filestager.h"

#include "core/errorreport.h"
#include "core/failure.h"
#include "core/import/accountwords.h"
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
    m_failure.clear();
    const auto dropFile = [&] {
        m_guard.step(steps.write, [&] { staging.rollBack(start); });
        return false;
    };
    ReadOptions options;
    m_guard.step(steps.read, [&] { options = m_inputs.readOptions(path); });
    std::optional<FileReading> reading;
    const FileReading::Watch watch{.stopRequested = m_hooks.stopRequested, .keepStart = true, .measure = true};
    if (!readingStep(steps.read, [&] { reading.emplace(path, options, limits, watch); }) || m_hooks.stopRequested())
        return false;
    QString piece;
    for (;;) {
        bool more = false;
        if (!readingStep(steps.pieces, [&] { more = reading->next(piece); }))
            return dropFile();
        if (reading->startedOver() && !m_guard.step(steps.write, [&] { staging.rollBack(start); }))
            return false;
        // The last piece goes on the disk before the next file starts: a file
        // that does not fit is this file's failure, and the files before it
        // stay whole.
        if (!readingStep(steps.write, [&] { write(staging, path, piece, !more); }))
            return dropFile();
        if (!more)
            break;
        m_hooks.handled(piece.size());
        if (m_hooks.stopRequested())
            return false;
    }
    counts += {reading->cutCells(), reading->leftOutCells()};
    staged = {staging.lineCount() - start.lines, reading->account(), reading->typing()};
    staged.account.rows = staged.lines + (staged.account.header ? 1 : 0);
    tellNotes(staged.account, steps);
    return true;
}

bool FileStager::readingStep(int step, const std::function<void()> &action)
{
    return m_guard.step(step, [&] {
        try {
            action();
        } catch (const Failure &failure) {
            m_failure = failure.description();
            throw;
        }
    });
}

// What the user should know of the file, each at its step.
void FileStager::tellNotes(const FileAccount &account, const Steps &steps)
{
    QString choose;
    m_guard.step(steps.pieces, [&] { choose = m_inputs.howTo(ImportInputs::Choice::Encoding); });
    for (const AccountWords::Note &note : AccountWords::notesOf(account, choose)) {
        if (note.loss)
            m_hooks.loss(note.ofCutting ? steps.splitTest : steps.pieces, note.text);
        else if (m_hooks.note)
            m_hooks.note(note.text);
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
