// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commandlineimport.h"

#include "cli/interruption.h"
#include "core/failure.h"
#include "core/list/folderexpansion.h"
#include "core/list/paths.h"
#include "core/text/textreader.h"

#include <QFileInfo>
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
// How often the progress line may be redrawn.
constexpr qint64 RedrawEveryMs = 200;

// The writer waits for nothing outside the program: only a document of many
// gigabytes takes long.
constexpr ImportRun::Deadlines WriterDeadlines{std::chrono::minutes(10), std::chrono::hours(1), std::chrono::hours(24)};

} // namespace

// Where a document is written before it takes the output's place: a file
// without a name in the output's folder, which only the final link makes
// visible, so that nothing is left behind whatever ends the program, a kill
// included. It is reached by its /proc name. File systems without unnamed
// files get a name of their own beside the output, private to the user and
// removed when the object goes (unless renamed).
class TemporaryOutput
{
public:
    static std::optional<TemporaryOutput> beside(const QString &output)
    {
        const QFileInfo info(output);
        const QByteArray folder = encodePath(info.absolutePath());
        const int fd = ::open(folder.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
        if (fd >= 0) {
            const QByteArray reached = "/proc/self/fd/" + QByteArray::number(fd);
            const int probe = ::open(reached.constData(), O_WRONLY | O_CLOEXEC);
            if (probe >= 0) {
                ::close(probe);
                return TemporaryOutput(reached, fd);
            }
            ::close(fd);
        } else if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
            return std::nullopt;
        }
        QByteArray name = folder + "/.quillora-XXXXXX." + encodePath(info.suffix());
        const int named = ::mkostemps(name.data(), int(info.suffix().size()) + 1, O_CLOEXEC);
        if (named < 0)
            return std::nullopt;
        ::close(named);
        return TemporaryOutput(name, -1);
    }
    TemporaryOutput(TemporaryOutput &&other) noexcept
        : m_name(std::exchange(other.m_name, {}))
        , m_fd(std::exchange(other.m_fd, -1))
    {
    }
    TemporaryOutput &operator=(TemporaryOutput &&) = delete;
    ~TemporaryOutput()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        else if (!m_name.isEmpty())
            ::unlink(m_name.constData());
    }
    QString path() const { return decodePath(m_name); }
    // The name a second signal removes; none for a file without a name.
    QByteArray nameToRemove() const { return m_fd >= 0 ? QByteArray() : m_name; }

    // Gives the file its mode and its place at to; replaces what is there
    // only when asked. Returns 0, or -1 with errno set.
    int moveTo(const QByteArray &to, mode_t mode, bool replace);

private:
    TemporaryOutput(QByteArray name, int fd)
        : m_name(std::move(name))
        , m_fd(fd)
    {
    }
    QByteArray m_name;
    int m_fd = -1;
};

namespace {
mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// Renames without replacing a file that is there. File systems that do not
// know the flag (FUSE, some network mounts) get a hard link and the
// temporary name removed, or, without hard links either, the name claimed
// first with an exclusive create and then replaced by the rename.
int renameWithoutReplacing(const char *from, const char *to)
{
    if (::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return -1;
    if (::link(from, to) == 0)
        return ::unlink(from);
    if (errno != EPERM && errno != EOPNOTSUPP && errno != ENOSYS)
        return -1;
    const int claim = ::open(to, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (claim < 0)
        return -1;
    ::close(claim);
    if (::rename(from, to) == 0)
        return 0;
    const int error = errno;
    ::unlink(to);
    errno = error;
    return -1;
}
// The file the output names: a link is followed to its target, as cp and a
// shell's redirection do; what is not a file (a folder, a FIFO) is refused.
std::optional<QString> outputTarget(const QString &output, QString &why)
{
    const QByteArray name = encodePath(output);
    struct stat info{};
    if (::lstat(name.constData(), &info) != 0)
        return output; // a new file
    if (S_ISLNK(info.st_mode)) {
        char *resolved = ::realpath(name.constData(), nullptr);
        if (!resolved || ::stat(resolved, &info) != 0) {
            std::free(resolved);
            why = u"it is a link to a file that is not there"_s;
            return std::nullopt;
        }
        const QString target = decodePath(resolved);
        std::free(resolved);
        if (!S_ISREG(info.st_mode)) {
            why = u"it is a link to something that is not a file"_s;
            return std::nullopt;
        }
        return target;
    }
    if (S_ISDIR(info.st_mode))
        why = u"it is a folder"_s;
    else if (!S_ISREG(info.st_mode))
        why = u"it is not a file"_s;
    else
        return output;
    return std::nullopt;
}
} // namespace

int TemporaryOutput::moveTo(const QByteArray &to, mode_t mode, bool replace)
{
    if (m_fd < 0) {
        ::chmod(m_name.constData(), mode);
        return replace ? ::rename(m_name.constData(), to.constData()) : renameWithoutReplacing(m_name.constData(), to.constData());
    }
    ::fchmod(m_fd, mode);
    if (!replace)
        return ::linkat(AT_FDCWD, m_name.constData(), AT_FDCWD, to.constData(), AT_SYMLINK_FOLLOW);
    // A link can take no name that is there: a fresh one first, then the
    // rename over the output.
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QByteArray fresh = to.left(to.lastIndexOf('/') + 1) + ".quillora-"
            + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
        if (::linkat(AT_FDCWD, m_name.constData(), AT_FDCWD, fresh.constData(), AT_SYMLINK_FOLLOW) != 0) {
            if (errno == EEXIST)
                continue;
            return -1;
        }
        if (::rename(fresh.constData(), to.constData()) == 0)
            return 0;
        const int error = errno;
        ::unlink(fresh.constData());
        errno = error;
        return -1;
    }
    errno = EEXIST;
    return -1;
}

CommandLineImport::CommandLineImport(CommandLineOptions options, Console &console, SpreadsheetProvider &spreadsheets)
    : m_options(std::move(options))
    , m_console(console)
    , m_spreadsheets(spreadsheets)
{
}

CommandLineImport::CommandLineImport(CommandLineOptions options, Console &console, writer::DocumentWriter &writer)
    : CommandLineImport(std::move(options), console, static_cast<SpreadsheetProvider &>(writer))
{
    m_writer = &writer;
}

bool CommandLineImport::cancelled() const
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
    bool standardInputListed = false;
    for (const QString &path : std::as_const(m_options.paths)) {
        // "-" is standard input (its sheet is called "stdin"), which can be
        // read once.
        if (path == u"-") {
            if (standardInputListed)
                report(u"standard input is read for the first \"-\"; another one has nothing left and is left out."_s);
            else
                files.append(StandardInputPath.toString());
            standardInputListed = true;
            continue;
        }
        if (!IsFolder(path)) {
            files.append(path);
            continue;
        }
        QString folder = path;
        while (folder.size() > 1 && folder.endsWith(u'/'))
            folder.chop(1);
        AddFolderFiles(folder, pattern, [&](const QString &file) { files.append(file); }, walk, breather);
    }
    leaveOutTheOutput(files);
    return files;
}

void CommandLineImport::leaveOutTheOutput(QStringList &files)
{
    // The file being replaced is never read as text, whatever name or link
    // brings it into the list.
    struct stat output{};
    if (m_options.output.isEmpty() || ::stat(encodePath(m_options.output).constData(), &output) != 0)
        return;
    files.removeIf([&](const QString &file) {
        struct stat listed{};
        if (::stat(encodePath(file).constData(), &listed) != 0 || listed.st_dev != output.st_dev
            || listed.st_ino != output.st_ino)
            return false;
        tell(u"%1 is the output file; it is not imported."_s.arg(file));
        return true;
    });
}

int CommandLineImport::run()
{
    m_sinceDrawn.start();
    m_files = listedFiles();
    if (Interruption::requested())
        return exitStatus({});
    if (m_files.isEmpty()) {
        // A folder without a matching file: nothing to import.
        report(u"no files to import."_s);
        return ExitStatus::SomethingFailed;
    }
    if (!m_writer) {
        ImportRun importRun(*this, *this, m_spreadsheets, [] { return QRandomGenerator::global()->generateDouble(); });
        const ImportResult result = importRun.run();
        clearProgress();
        return exitStatus(result);
    }
    const std::optional<ImportResult> result = importAndStore();
    return result ? exitStatus(*result) : ExitStatus::SomethingFailed;
}

std::optional<ImportResult> CommandLineImport::importAndStore()
{
    // Refused before anything is read: the file could never take its place.
    QString why;
    const std::optional<QString> target = outputTarget(m_options.output, why);
    if (!target) {
        report(u"%1 cannot be replaced: %2."_s.arg(m_options.output, why));
        return std::nullopt;
    }
    // Written beside the output file: the output file itself is touched
    // only when the document takes its place.
    std::optional<TemporaryOutput> stored = TemporaryOutput::beside(*target);
    if (!stored) {
        report(u"%1: cannot write in %2: %3"_s.arg(m_options.output, QFileInfo(*target).absolutePath(),
                                                   qt_error_string(errno)));
        return std::nullopt;
    }
    const QString path = stored->path();
    Interruption::setFileToRemove(stored->nameToRemove());

    ImportRun importRun(*this, *this, m_spreadsheets, [] { return QRandomGenerator::global()->generateDouble(); });
    importRun.setDeadlines(WriterDeadlines);
    QStringList storeReports;
    importRun.setFinishDocument([&](SpreadsheetDocument &) {
        // The run waits for this: the line is drawn from here.
        showPhase(u"storing", u"storing "_s + m_options.output);
        try {
            storeReports = m_writer->store(path);
        } catch (const SpreadsheetLost &) {
            throw;
        } catch (const Failure &failure) {
            // The temporary name means nothing to the user: it stands for FILE.
            throw Failure(QString(failure.description()).replace(path, m_options.output));
        }
    });
    const ImportResult result = importRun.run();
    clearProgress();
    for (const QString &text : std::as_const(storeReports))
        report(m_options.output + u": "_s + QString(text).replace(path, m_options.output));
    if (!Interruption::requested()) {
        if (result.filesImported == 0)
            report(u"%1 was not written: no file could be imported."_s.arg(m_options.output));
        else
            m_saved = result.documentFinished && moveIntoPlace(*stored, *target);
    }
    Interruption::setFileToRemove({});
    return result;
}

bool CommandLineImport::moveIntoPlace(TemporaryOutput &stored, const QString &target)
{
    const QByteArray to = encodePath(target);
    // The permissions of the file replaced, or those a new file gets; the
    // temporary file was private to the user.
    struct stat replaced{};
    mode_t mode = 0666 & ~currentUmask();
    if (::stat(to.constData(), &replaced) == 0)
        mode = replaced.st_mode & 07777;
    // Without --force a file that appeared meanwhile is not replaced either.
    if (stored.moveTo(to, mode, m_options.force) == 0)
        return true;
    report(u"%1: not saved: %2"_s.arg(m_options.output, qt_error_string(errno)));
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
    if (m_reports > 0 || (m_writer && !m_saved))
        return ExitStatus::SomethingFailed;
    return ExitStatus::Success;
}

QString CommandLineImport::entry(int index) const
{
    if (index < 0 || index >= m_files.size())
        throw Failure(u"The list no longer holds entry %1."_s.arg(index + 1));
    return m_files.at(index);
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
    clearProgress();
    m_console.err << u"quillora: "_s << printable(text) << u'\n';
    m_console.err.flush();
}

void CommandLineImport::readingFile(int index, int count, const QString &path)
{
    showPhase(u"reading", u"[%1/%2] reading %3"_s.arg(index + 1).arg(count).arg(FileNameOf(path)));
}

void CommandLineImport::writingRows(qint64 written, qint64 total)
{
    showPhase(u"writing", u"writing rows: %1 of %2"_s.arg(written).arg(total));
}

void CommandLineImport::showPhase(QStringView phase, const QString &line)
{
    if (!m_console.terminal || m_options.quiet)
        return;
    // A figure that changes is redrawn a few times a second; a new phase
    // (reading, writing, storing) at once.
    const bool newPhase = phase != m_phase;
    m_phase = phase.toString();
    if (line == m_lastProgress || (!newPhase && m_progressShown && m_sinceDrawn.elapsed() < RedrawEveryMs))
        return;
    m_console.err << u'\r' << printable(line) << u"\x1B[K"_s;
    m_console.err.flush();
    m_lastProgress = line;
    m_progressShown = true;
    m_sinceDrawn.restart();
}

void CommandLineImport::clearProgress()
{
    if (!m_progressShown)
        return;
    m_console.err << u"\r\x1B[K"_s;
    m_console.err.flush();
    m_progressShown = false;
    m_lastProgress.clear();
}

} // namespace quillora
