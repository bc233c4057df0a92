// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/commandline.h"

#include <QString>

namespace quillora {

// What is wrong with the files a run writes (--output, --report), found
// before anything is read: --force consents to replace an old output, never
// an input, nor the other output, nor a folder. Empty when nothing is.
QString writtenFilesProblem(const CommandLineOptions &options);

} // namespace quillora
