// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QStringView>

class QTextStream;

namespace quillora {

// The one line of progress on a terminal's standard error, drawn over
// itself: a figure that changes is redrawn a few times a second, a new
// phase (reading, writing, storing) at once. Cleared before any other line.
class ProgressLine
{
public:
    // Draws nothing unless shown (a terminal, and not --quiet).
    ProgressLine(QTextStream &err, bool shown);

    void show(QStringView phase, const QString &line);
    void clear();

private:
    static constexpr qint64 RedrawEveryMs = 200;

    QTextStream &m_err;
    bool m_enabled;
    bool m_drawn = false;
    QString m_line;
    QString m_phase;
    QElapsedTimer m_sinceDrawn;
};

} // namespace quillora
