#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Quillora's Debian package into build-deb/: installs what is missing,
# configures a release build for /usr and runs CPack.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")
build=${QUILLORA_DEB_BUILD_DIR:-$top/build-deb}
bash "$here/quillora.sh" install
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DQUILLORA_BUILD_TESTS=OFF -DQUILLORA_BUILD_BENCH=OFF
cmake --build "$build"
(cd "$build" && cpack -G DEB)
ls "$build"/quillora_*.deb
