// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

#include <sys/stat.h>

#include <sys/types.h>

namespace quillora {

// Where a document is written before it takes the output's place: a file
// without a name in the output's folder, which only the final link makes
// visible, so that nothing is left behind whatever ends the program, a kill
// included. It is reached by its /proc name. File systems without unnamed
// files get a name of their own beside the output, private to the user and
// removed when the object goes (unless moved).
class TemporaryOutput
{
public:
    // Beside the output file; nullopt, with errno set, when its folder
    // takes no file.
    static std::optional<TemporaryOutput> beside(const QString &output);
    TemporaryOutput(TemporaryOutput &&other) noexcept;
    TemporaryOutput &operator=(TemporaryOutput &&) = delete;
    ~TemporaryOutput();

    // The name to write the document under.
    QString path() const;
    // The name a second signal removes; none for a file without a name.
    QByteArray nameToRemove() const { return m_fd >= 0 ? QByteArray() : m_name; }

    // Gives the file the permissions, owner and group of the file it
    // replaces (or those a new file gets) and its place at target: a new
    // file, so hard links to the old one keep the old content. Replaces what
    // is there only when asked. Returns 0, or -1 with errno set.
    int moveTo(const QString &target, bool replace);

private:
    TemporaryOutput(QByteArray name, int fd);
    void keepOwner(const struct stat &replaced) const;

    QByteArray m_name;
    int m_fd = -1;
};

// The file the output names: a link is followed to its target, as cp and a
// shell's redirection do; what is not a file (a folder, a FIFO) is refused,
// with why.
std::optional<QString> outputTarget(const QString &output, QString &why);

} // namespace quillora
