#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's screenshot from the installed program, as users see it
# (the installed sample files' paths, no build folder): starts Quillora on a
# virtual laptop screen (1280x720; QUILLORA_SCREEN names another) whose
# every font is Debian's default, DejaVu Sans, with a fresh home, loads the
# sample files and captures the window into docs/screenshot.png. Needs the
# package installed (or QUILLORA_PROGRAM naming another program); installs
# ImageMagick and xdotool when they are missing. LANGUAGE=de takes it in
# German.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")
program=${QUILLORA_PROGRAM:-/usr/bin/quillora}
if [[ ! -x "$program" ]]; then
    echo "No $program: install the package first (see \"Installing\" in the README)." >&2
    exit 1
fi
output=${1:-$top/docs/screenshot.png}

if ! command -v import >/dev/null || ! command -v xdotool >/dev/null; then
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends imagemagick xdotool
fi

if [[ "${1:-}" != --inside ]]; then
    home=$(mktemp -d)
    trap 'rm -rf "$home"' EXIT
    sed 's/@FAMILY@/DejaVu Sans/' "$top/tests/data/fonts/desktop.conf.in" > "$home/fonts.conf"
    HOME="$home" FONTCONFIG_FILE="$home/fonts.conf" QUILLORA_PROGRAM="$program" \
        xvfb-run -a -s "-screen 0 ${QUILLORA_SCREEN:-1280x720}x24" "$0" --inside "$output"
    echo "$output"
    exit 0
fi
output=$2

"$program" &
pid=$!
trap 'kill $pid 2>/dev/null' EXIT
window=
for _ in $(seq 100); do
    window=$(xdotool search --name '^Quillora$' 2>/dev/null | head -n 1) && [[ -n "$window" ]] && break
    sleep 0.2
done
[[ -n "$window" ]] || { echo "Quillora did not show its window" >&2; exit 1; }
sleep 1
# "Load Sample/Example Files" by its Alt letter (X in English;
# QUILLORA_SAMPLES_KEY names another language's); then No to the question
# about opening the folder.
xdotool windowfocus --sync "$window"
xdotool key "alt+${QUILLORA_SAMPLES_KEY:-x}"
sleep 1.5
xdotool key Escape
sleep 1
mkdir -p "$(dirname "$output")"
import -window "$window" "$output"
