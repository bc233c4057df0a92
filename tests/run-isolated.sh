#!/bin/sh
# Runs one test program with a home of its own, so that no test reads or
# writes the user's settings or office profile.
home=$(mktemp -d "${TMPDIR:-/tmp}/quillora-test-XXXXXX") || exit 1
mkdir -m 700 "$home/run" "$home/tmp"
trap 'rm -rf "$home"' EXIT INT TERM
HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache" \
XDG_DATA_HOME="$home/.local/share" XDG_RUNTIME_DIR="$home/run" TMPDIR="$home/tmp" "$@"
