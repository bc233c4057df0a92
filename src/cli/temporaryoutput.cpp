// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/temporaryoutput.h"

#include "core/list/paths.h"
#include "core/text/filenames.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

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
} // namespace

std::optional<TemporaryOutput> TemporaryOutput::beside(const QString &output)
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

TemporaryOutput::TemporaryOutput(QByteArray name, int fd)
    : m_name(std::move(name))
    , m_fd(fd)
{
}

TemporaryOutput::TemporaryOutput(TemporaryOutput &&other) noexcept
    : m_name(std::exchange(other.m_name, {}))
    , m_fd(std::exchange(other.m_fd, -1))
{
}

TemporaryOutput::~TemporaryOutput()
{
    if (m_fd >= 0)
        ::close(m_fd);
    else if (!m_name.isEmpty())
        ::unlink(m_name.constData());
}

QString TemporaryOutput::path() const
{
    return decodePath(m_name);
}

// The file replaced keeps its owner and group where the user may set them
// (root may set both, others a group of their own); otherwise the new file
// is the user's, as any file they write. Before the mode: a change of owner
// clears the set-user bits.
void TemporaryOutput::keepOwner(const struct stat &replaced) const
{
    const auto change = [this](uid_t owner, gid_t group) {
        return m_fd >= 0 ? ::fchown(m_fd, owner, group) : ::chown(m_name.constData(), owner, group);
    };
    if (change(replaced.st_uid, replaced.st_gid) != 0)
        change(uid_t(-1), replaced.st_gid);
}

int TemporaryOutput::moveTo(const QString &target, bool replace)
{
    const QByteArray to = encodePath(target);
    // The permissions of the file replaced, or those a new file gets; the
    // temporary file was private to the user.
    struct stat replaced{};
    mode_t mode = 0666 & ~currentUmask();
    if (::stat(to.constData(), &replaced) == 0) {
        mode = replaced.st_mode & 07777;
        keepOwner(replaced);
    }
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
            why = QCoreApplication::translate("quillora::TemporaryOutput", "it is a link to a file that is not there");
            return std::nullopt;
        }
        const QString target = decodePath(resolved);
        std::free(resolved);
        if (!S_ISREG(info.st_mode)) {
            why = QCoreApplication::translate("quillora::TemporaryOutput", "it is a link to something that is not a file");
            return std::nullopt;
        }
        return target;
    }
    if (S_ISDIR(info.st_mode))
        why = QCoreApplication::translate("quillora::TemporaryOutput", "it is a folder");
    else if (!S_ISREG(info.st_mode))
        why = QCoreApplication::translate("quillora::TemporaryOutput", "it is not a file");
    else
        return output;
    return std::nullopt;
}

} // namespace quillora
