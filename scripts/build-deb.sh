#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Quillora's Debian package the distribution's way: installs what
# building needs (the tools, and debian/control's Build-Depends through
# apt-get build-dep; root, or sudo), runs dpkg-buildpackage, puts the
# package into build-deb/ and has lintian check it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")
out=${QUILLORA_DEB_DIR:-$top/build-deb}
cd "$top"
sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
"${sudo[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends dpkg-dev debhelper fakeroot lintian
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get build-dep -y ./
dpkg-buildpackage -us -uc -b
# dpkg-buildpackage leaves its results beside the source folder.
version=$(dpkg-parsechangelog -SVersion)
mkdir -p "$out"
mv ../quillora_"$version"_*.deb ../quillora-dbgsym_"$version"_*.deb ../quillora_"$version"_*.buildinfo \
    ../quillora_"$version"_*.changes "$out"/ 2>/dev/null || true
# What Debian's checker says of the package: nothing, when all is well.
lintian --pedantic "$out"/quillora_"$version"_*.deb
ls "$out"/quillora_"$version"_*.deb
