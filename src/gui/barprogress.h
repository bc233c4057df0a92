// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quillora {

class TextProgressBar;

// The window's progress bar as an import moves on: the share of the files
// begun while files are read, with "Processing: NAME"; the share of the rows
// written while a sheet is written; at rest again ("Progress Bar", 0) once
// the run ends.
class BarProgress
{
public:
    explicit BarProgress(TextProgressBar *bar);

    // A new run: the bar is told every value afresh.
    void start() { m_shown = -1; }
    void fileStarted(int index, int count, const QString &path);
    void rowsWritten(qint64 written, qint64 total);
    void reset();

private:
    void show(qint64 done, qint64 total);

    TextProgressBar *m_bar;
    int m_shown = -1;
};

} // namespace quillora
