#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installed beside an editor and Calc, the desktop entry leaves the defaults
# of text files as they were: xdg-mime asked, for a user who chose none,
# before and after the entry is added, with nothing of the machine's own.
set -eu
entry=$1
root=$(mktemp -d "${TMPDIR:-/tmp}/quillora-mime-XXXXXX")
trap 'rm -rf "$root"' EXIT
apps=$root/share/applications
mkdir -p "$apps" "$root/home" "$root/etc"
claim() {
    printf '[Desktop Entry]\nType=Application\nName=%s\nExec=%s %%F\nMimeType=%s\n' "$1" "$1" "$2" >"$apps/$1.desktop"
}
claim vim 'text/plain;'
claim libreoffice-calc 'text/csv;text/tab-separated-values;'
defaults() {
    update-desktop-database "$apps"
    for type in text/plain text/csv text/tab-separated-values; do
        printf '%s: ' "$type"
        env -i HOME="$root/home" XDG_DATA_DIRS="$root/share" XDG_CONFIG_DIRS="$root/etc" PATH=/usr/bin:/bin \
            xdg-mime query default "$type"
    done
}
before=$(defaults)
cp "$entry" "$apps/"
after=$(defaults)
if [ "$before" != "$after" ]; then
    printf 'The entry changed the defaults.\nBefore:\n%s\nAfter:\n%s\n' "$before" "$after"
    exit 1
fi
printf '%s\n' "$after"
