// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace quillora {

// A folder of what Quillora installs beside the program ("Samples",
// "translations"): beside the program in the build tree, else in its
// installed data folder.
QString dataFolder(const QString &programFolder, QStringView name);

} // namespace quillora
