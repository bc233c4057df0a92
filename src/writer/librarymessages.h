// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <cstdio>

namespace quillora::writer {

// libxlsxwriter tells its warnings and errors on the C library's standard
// error, under the temporary name of the file it writes. While an object of
// this class lives, they are gathered instead (the C library lets its
// standard error stream be replaced), to be reported as Quillora's own
// lines.
class LibraryMessages
{
public:
    LibraryMessages();
    ~LibraryMessages();
    LibraryMessages(const LibraryMessages &) = delete;
    LibraryMessages &operator=(const LibraryMessages &) = delete;

    // What was said so far, a line each, without the library's tags.
    QStringList take();

private:
    char *m_text = nullptr;
    size_t m_size = 0;
    FILE *m_capture = nullptr;
    FILE *m_saved = nullptr;
};

} // namespace quillora::writer
