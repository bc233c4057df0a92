#pragma once

#include <QString>

namespace quillora {

// A new file in the folder that has no name: private to this process, and
// gone with its descriptor whatever ends the program, a kill included.
// Returns the descriptor (close-on-exec), or -1 with errno set. File systems
// without unnamed files get a private name that is removed at once.
int openNamelessFile(const QString &folder);

} // namespace quillora
