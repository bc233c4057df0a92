// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quillora {

QString helpRules();

} // namespace quillora
