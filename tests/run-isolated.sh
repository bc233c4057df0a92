#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one test program with a home of its own, so that no test reads or
# writes the user's settings or office profile.
home=$(mktemp -d "${TMPDIR:-/tmp}/quillora-test-XXXXXX") || exit 1
mkdir -m 700 "$home/run" "$home/tmp"
trap 'rm -rf "$home"' EXIT INT TERM
HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache" \
XDG_DATA_HOME="$home/.local/share" XDG_RUNTIME_DIR="$home/run" TMPDIR="$home/tmp" "$@"
status=$?
# Whatever the test left running in that home (a LibreOffice it started and
# lost track of) ends with it.
for environ in /proc/[0-9]*/environ; do
    if { tr '\0' '\n' < "$environ"; } 2>/dev/null | grep -qx "HOME=$home"; then
        pid=${environ#/proc/}
        kill -9 "${pid%/environ}" 2>/dev/null
    fi
done
exit $status
