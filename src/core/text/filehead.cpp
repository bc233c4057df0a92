// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/filehead.h"

#include "core/text/stagedline.h"

namespace quillora {

FileHead::FileHead(qint64 linesToSkip, bool header)
    : m_toSkip(std::max<qint64>(linesToSkip, 0))
    , m_wantHeader(header)
{
}

void FileHead::take(QString &staged)
{
    qsizetype at = 0;
    while (at < staged.size() && !passed()) {
        if (m_afterCr) {
            m_afterCr = false;
            if (staged[at] == u'\n')
                ++at;
            continue;
        }
        qsizetype end = at;
        while (end < staged.size() && staged[end] != u'\n' && staged[end] != u'\r')
            ++end;
        if (m_toSkip == 0)
            m_headerLine += QStringView(staged).sliced(at, end - at);
        if (end == staged.size()) {
            at = end;
            break;
        }
        // A CR at the end of the piece may be the first half of a CR LF.
        const bool cr = staged[end] == u'\r';
        at = end + 1;
        if (cr && at == staged.size())
            m_afterCr = true;
        else if (cr && staged[at] == u'\n')
            ++at;
        if (m_toSkip > 0) {
            --m_toSkip;
        } else {
            m_header = cellsOfStagedLine(m_headerLine);
            m_headerLine.clear();
            m_wantHeader = false;
        }
    }
    staged.remove(0, at);
}

std::optional<QStringList> FileHead::header() const
{
    if (m_wantHeader && m_toSkip == 0 && !m_headerLine.isEmpty())
        return cellsOfStagedLine(m_headerLine);
    return m_header;
}

} // namespace quillora
