// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/barprogress.h"

#include "core/list/paths.h"
#include "gui/textprogressbar.h"

#include <QCoreApplication>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

BarProgress::BarProgress(TextProgressBar *bar)
    : m_bar(bar)
{
}

void BarProgress::fileStarted(int index, int count, const QString &path)
{
    show(index + 1, count);
    m_bar->setText(QCoreApplication::translate("quillora::BarProgress", "Processing: %1").arg(FileNameOf(path)));
}

void BarProgress::rowsWritten(qint64 written, qint64 total)
{
    show(written - 1, total - 1);
}

void BarProgress::reset()
{
    m_bar->setValue(0);
    m_bar->setText(QCoreApplication::translate("quillora::MainWindow", "Progress Bar"));
    m_shown = 0;
}

void BarProgress::show(qint64 done, qint64 total)
{
    // With a single line there is nothing to divide by: the work is all done.
    const int value = total <= 0 ? 100 : static_cast<int>(std::clamp<qint64>(done * 100 / total, 0, 100));
    if (value == m_shown)
        return;
    m_shown = value;
    m_bar->setValue(value);
}

} // namespace quillora
