// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commandlineimport.h"

#include "core/import/accountwords.h"

#include "cli/interruption.h"
#include "cli/progressline.h"
#include "cli/temporaryoutput.h"
#include "core/failure.h"
#include "core/import/importplan.h"
#include "core/import/reportfile.h"
#include "core/import/sheetnames.h"
#include "core/list/folderexpansion.h"
#include "core/list/paths.h"
#include "core/text/filenames.h"
#include "core/text/stagedline.h"
#include "core/text/textreader.h"
#include "core/translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QRandomGenerator>
#include <QTextStream>

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

namespace {
// The writer waits for nothing outside the program: only a document of many
// gigabytes takes long.
constexpr ImportRun::Deadlines WriterDeadlines{std::chrono::minutes(10), std::chrono::hours(1), std::chrono::hours(24)};

} // namespace

CommandLineImport::CommandLineImport(CommandLineOptions options, Console &console, SpreadsheetProvider &spreadsheets,
                                     StoreDocument store)
    : m_options(std::move(options))
    , m_console(console)
    , m_spreadsheets(spreadsheets)
    , m_store(std::move(store))
    , m_progress(console.err, console.terminal && !m_options.quiet)
{
}

CommandLineImport::StoreDocument CommandLineImport::storedBy(writer::DocumentWriter &writer)
{
    return [&writer](SpreadsheetDocument &document, const QString &path, const writer::StoreProgress &progress) {
        return writer.store(document, path, progress);
    };
}

bool CommandLineImport::closing() const
{
    return Interruption::requested();
}

QStringList CommandLineImport::listedFiles()
{
    // As the window's list would hold them: a file as given, a folder by the
    // folder expansion, with the extension's pattern or every file.
    QStringList files;
    const QString pattern = m_options.extension.isEmpty() ? u"*.*"_s : u"*."_s + m_options.extension;
    Breather breather({}, [] { return Interruption::requested(); });
    FolderWalk walk(*this, breather);
    // "-" is standard input (its sheet is called "stdin"), which can be
    // read once; a second one is left out.
    QStringList paths = m_options.paths;
    if (const qsizetype first = paths.indexOf(u"-"_s); first >= 0) {
        paths[first] = StandardInputPath.toString();
        if (paths.removeAll(u"-"_s) > 0)
            report(tr("standard input is read for the first \"-\"; another one has nothing left and is left out."));
    }
    expandPaths(
        paths, [&](const QStringList &found) { files.append(found); },
        [&](const QString &folder) {
            AddFolderFiles(folder, pattern, [&](const QString &file) { files.append(file); }, walk, breather);
        },
        [] { return Interruption::requested(); });
    leaveOutTheOutput(files);
    return files;
}

void CommandLineImport::leaveOutTheOutput(QStringList &files)
{
    // The files being replaced are never read as text, whatever name or
    // link brings them into the list.
    for (const QString &written : {m_options.output, m_options.report}) {
        struct stat output{};
        if (written.isEmpty() || ::stat(encodePath(written).constData(), &output) != 0)
            continue;
        files.removeIf([&](const QString &file) {
            struct stat listed{};
            if (::stat(encodePath(file).constData(), &listed) != 0 || listed.st_dev != output.st_dev
                || listed.st_ino != output.st_ino)
                return false;
            tell(written == m_options.output ? tr("%1 is the output file; it is not imported.").arg(file)
                                             : tr("%1 is the report's file; it is not imported.").arg(file));
            return true;
        });
    }
}

int CommandLineImport::run()
{
    m_files = listedFiles();
    if (Interruption::requested())
        return exitStatus({});
    if (m_files.isEmpty()) {
        // A folder without a matching file: nothing to import.
        report(tr("no files to import."));
        return ExitStatus::SomethingFailed;
    }
    if (m_options.dryRun)
        return withReport(printPlan());
    if (!m_store) {
        ImportRun importRun(*this, *this, m_spreadsheets, [] { return QRandomGenerator::global()->generateDouble(); });
        const ImportResult result = importRun.run();
        m_progress.clear();
        return withReport(exitStatus(result));
    }
    const std::optional<ImportResult> result = importAndStore();
    return withReport(result ? exitStatus(*result) : ExitStatus::SomethingFailed);
}

// --report=FILE: each file read, written once the run is over; a report
// that cannot be written fails the run.
int CommandLineImport::withReport(int status)
{
    if (m_options.report.isEmpty() || Interruption::requested())
        return status;
    const auto failed = [&](const QString &why) {
        report(why);
        return status == ExitStatus::Success ? ExitStatus::SomethingFailed : status;
    };
    // As the output file: not replaced without --force.
    if (!m_options.force && QFileInfo::exists(m_options.report))
        return failed(tr("%1 exists; --force replaces it.").arg(m_options.report));
    try {
        writeReportFile(m_options.report, m_accounts, howTo(Choice::Encoding));
    } catch (const Failure &failure) {
        return failed(failure.description());
    }
    return status;
}

std::optional<ImportResult> CommandLineImport::importAndStore()
{
    // Refused before anything is read: the file could never take its place.
    QString why;
    const std::optional<QString> target = outputTarget(m_options.output, why);
    if (!target) {
        report(tr("%1 cannot be replaced: %2.").arg(m_options.output, why));
        return std::nullopt;
    }
    // Written beside the output file: the output file itself is touched
    // only when the document takes its place.
    std::optional<TemporaryOutput> stored = TemporaryOutput::beside(*target);
    if (!stored) {
        report(tr("%1: cannot write in %2: %3").arg(m_options.output, QFileInfo(*target).absolutePath(),
                                                   qt_error_string(errno)));
        return std::nullopt;
    }
    const QString path = stored->path();
    Interruption::setFileToRemove(stored->nameToRemove());

    ImportRun importRun(*this, *this, m_spreadsheets, [] { return QRandomGenerator::global()->generateDouble(); });
    importRun.setDeadlines(WriterDeadlines);
    QStringList storeReports;
    importRun.setFinishDocument([&](SpreadsheetDocument &document) {
        // The run waits for this: the line is drawn from here.
        m_progress.show(u"storing", tr("storing %1").arg(m_options.output));
        try {
            storeReports = m_store(document, path, [this](qint64 stored, qint64 total) {
                // The rows, then the file's finishing (an .xlsx packs its
                // parts only then).
                if (stored < total)
                    m_progress.show(u"storing rows", tr("storing rows: %1 of %2 into %3").arg(QLocale().toString(stored), QLocale().toString(total), m_options.output));
                else
                    m_progress.show(u"finishing", tr("storing %1: finishing the file").arg(m_options.output));
            });
        } catch (const SpreadsheetLost &) {
            throw;
        } catch (const Failure &failure) {
            // The temporary name means nothing to the user: it stands for FILE.
            throw Failure(QString(failure.description()).replace(path, m_options.output));
        }
    });
    const ImportResult result = importRun.run();
    m_progress.clear();
    for (const QString &text : std::as_const(storeReports))
        report(m_options.output + u": "_s + QString(text).replace(path, m_options.output));
    if (!Interruption::requested()) {
        if (result.filesImported == 0)
            report(tr("%1 was not written: no file could be imported.").arg(m_options.output));
        else
            m_saved = result.documentFinished && moveIntoPlace(*stored, *target);
    }
    Interruption::setFileToRemove({});
    return result;
}

// The plan of the import, found by the run itself into a document that keeps
// nothing: each file's line, then the sheets.
int CommandLineImport::printPlan()
{
    leaveOutStreams();
    if (m_files.isEmpty())
        return exitStatus({});
    // Cut as the document would cut them: an .xlsx cell holds less.
    const ImportPlan plan = planImport(*this, *this, {.cellCharacters = m_spreadsheets.cellCharacters()});
    m_progress.clear();
    for (const FileAccount &account : plan.files)
        m_console.out << printable(AccountWords::planLine(account)) << u'\n';
    printHeaderPlan(plan);
    for (const ImportPlan::Sheet &sheet : plan.sheets)
        m_console.out << printable(tr("sheet %1: %Ln row(s)", nullptr, pluralCount(sheet.rows)).arg(sheet.name))
                      << u'\n';
    if (plan.result.rowsLeftOut > 0)
        m_console.out << u"  "_s
                      << tr("(%Ln row(s) left out: a sheet holds %1)", nullptr,
                            pluralCount(plan.result.rowsLeftOut))
                             .arg(DocumentLimits().sheet.rows)
                      << u'\n';
    m_console.out.flush();
    return exitStatus({});
}

// The columns the headers make on one sheet, and how they drift, a line per
// change.
void CommandLineImport::printHeaderPlan(const ImportPlan &plan)
{
    // A sheet per file has a header each: nothing drifts.
    if (!plan.header || !m_options.sheets.oneSheet)
        return;
    constexpr qsizetype MostColumns = 40;
    const QStringList &columns = plan.header->columns;
    const QString shown = columns.size() <= MostColumns
        ? columns.join(u", "_s)
        : tr("%1, ... (%Ln columns)", nullptr, int(columns.size())).arg(columns.first(MostColumns).join(u", "_s));
    m_console.out << printable(tr("columns: %1").arg(shown)) << u'\n';
    for (const QString &line : plan.header->changes + plan.header->spellings)
        m_console.out << u"  "_s << printable(line) << u'\n';
}

void CommandLineImport::leaveOutStreams()
{
    m_files.removeIf([this](const QString &path) {
        struct stat info{};
        const bool stream = path == StandardInputPath
            || (::stat(encodePath(path).constData(), &info) == 0 && !S_ISREG(info.st_mode));
        if (stream)
            m_console.out << printable(pathShown(path))
                          << tr(": a stream, read by the import alone: not in this plan") << u'\n';
        return stream;
    });
}

bool CommandLineImport::moveIntoPlace(TemporaryOutput &stored, const QString &target)
{
    // Without --force a file that appeared meanwhile is not replaced either.
    if (stored.moveTo(target, m_options.force) == 0)
        return true;
    report(tr("%1: not saved: %2").arg(m_options.output, qt_error_string(errno)));
    return false;
}

int CommandLineImport::exitStatus(const ImportResult &result)
{
    if (Interruption::requested()) {
        report(Interruption::report());
        return Interruption::exitStatus();
    }
    if (result.officeLost)
        return ExitStatus::NoSpreadsheet;
    if (m_reports > 0 || (m_store && !m_saved))
        return ExitStatus::SomethingFailed;
    return ExitStatus::Success;
}

QString CommandLineImport::entry(int index) const
{
    if (index < 0 || index >= m_files.size())
        throw Failure(tr("The list no longer holds entry %1.").arg(index + 1));
    return m_files.at(index);
}

QString CommandLineImport::howTo(Choice choice) const
{
    switch (choice) {
    case Choice::Encoding:
        return tr("import it on its own with --encoding (--list-encodings lists the usual ones)");
    case Choice::ContinueSheets:
        return tr("give --continue-sheets");
    }
    return {};
}

void CommandLineImport::notice(const QString &)
{
    // "Done." needs no line of its own, and the list is never empty here.
}

void CommandLineImport::ShowApplicationError(QStringView, int, const QString &description)
{
    // The run's own reports name the file they are about.
    report(description);
}

void CommandLineImport::report(const QString &text)
{
    ++m_reports;
    tell(text);
}

void CommandLineImport::tell(const QString &text)
{
    m_progress.clear();
    m_console.err << u"quillora: "_s << printable(text) << u'\n';
    m_console.err.flush();
}

void CommandLineImport::fileStarted(int index, int count, const QString &path)
{
    m_progress.show(u"reading", tr("[%1/%2] reading %3").arg(QLocale().toString(index + 1), QLocale().toString(count), FileNameOf(path)));
}

void CommandLineImport::rowsWritten(qint64 written, qint64 total)
{
    m_progress.show(u"writing", tr("writing rows: %1 of %2").arg(written).arg(total));
}

} // namespace quillora
