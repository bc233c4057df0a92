// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/progressline.h"

#include "cli/commandline.h"

#include <QTextStream>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

ProgressLine::ProgressLine(QTextStream &err, bool shown)
    : m_err(err)
    , m_enabled(shown)
{
    m_sinceDrawn.start();
}

void ProgressLine::show(QStringView phase, const QString &line)
{
    if (!m_enabled)
        return;
    const bool newPhase = phase != m_phase;
    m_phase = phase.toString();
    if (line == m_line || (!newPhase && m_drawn && m_sinceDrawn.elapsed() < RedrawEveryMs))
        return;
    m_err << u'\r' << printable(line) << u"\x1B[K"_s;
    m_err.flush();
    m_line = line;
    m_drawn = true;
    m_sinceDrawn.restart();
}

void ProgressLine::clear()
{
    if (!m_drawn)
        return;
    m_err << u"\r\x1B[K"_s;
    m_err.flush();
    m_drawn = false;
    m_line.clear();
}

} // namespace quillora
