// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quillora {

// Where the next piece of decoded text ends in pending, or -1 when more text
// is needed to tell (whole: pending is all the text left). A piece ends
// after the last line break within pieceSize characters; a CR at the very
// end of what is known may still be followed by its LF. Without a line
// break there, the piece ends inside a line, never inside a surrogate pair.
qsizetype pieceEndIn(const QString &pending, qsizetype pieceSize, bool whole);

} // namespace quillora
