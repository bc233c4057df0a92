#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's screenshot from the real program: starts the built
# Quillora on a virtual screen with a fresh home, loads the sample files and
# captures the window into docs/screenshot.png. Needs a build (quillora.sh)
# and installs ImageMagick and xdotool when they are missing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")
program=${QUILLORA_PROGRAM:-$top/build/bin/quillora}
output=${1:-$top/docs/screenshot.png}

if ! command -v import >/dev/null || ! command -v xdotool >/dev/null; then
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends imagemagick xdotool
fi

if [[ "${1:-}" != --inside ]]; then
    home=$(mktemp -d)
    trap 'rm -rf "$home"' EXIT
    HOME="$home" QUILLORA_PROGRAM="$program" xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside "$output"
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
eval "$(xdotool getwindowgeometry --shell "$window")"
# "Load Sample/Example Files" (its centre, in pixels inside the window); then
# No to the question about opening the folder.
xdotool mousemove $((X + 400)) $((Y + 232)) click 1
sleep 1.5
xdotool key Escape
sleep 1
mkdir -p "$(dirname "$output")"
import -window "$window" "$output"
