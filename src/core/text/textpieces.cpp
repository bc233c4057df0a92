// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/textpieces.h"

namespace quillora {

qsizetype pieceEndIn(const QString &pending, qsizetype pieceSize, bool whole)
{
    const qsizetype known = pending.size();
    if (!whole && known <= pieceSize)
        return -1;
    if (whole && known <= pieceSize)
        return known;
    const auto breakEnd = [&](qsizetype at) -> qsizetype {
        // at is a CR or LF; returns the position after the break, or -1 when
        // a CR ends what is known so far.
        if (pending.at(at) == u'\r') {
            if (at + 1 < known)
                return pending.at(at + 1) == u'\n' ? at + 2 : at + 1;
            return whole ? at + 1 : -1;
        }
        return at + 1;
    };
    for (qsizetype at = pieceSize - 1; at >= 0; --at) {
        const QChar c = pending.at(at);
        if (c == u'\n' || c == u'\r') {
            const qsizetype end = breakEnd(at);
            if (end >= 0 && end <= pieceSize + 1)
                return end;
        }
    }
    // A line longer than a piece goes in pieces of its own, never more than
    // a piece held at once; a character outside the BMP is not cut in two.
    qsizetype cut = pieceSize;
    if (pending.at(cut - 1).isHighSurrogate())
        cut += cut > 1 ? -1 : 1;
    return cut;
}

} // namespace quillora
