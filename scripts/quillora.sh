#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and then starts Quillora ("run") or runs
# every test ("test"). Meant for Debian 12; apt needs root.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")
build=${QUILLORA_BUILD_DIR:-$top/build}
# Where the user ran it from: what run writes without a display goes there.
caller=$PWD
cd "$top"

install_packages() {
    local missing=()
    while read -r package; do
        [[ -z "$package" || "$package" == \#* ]] && continue
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done < "$here/debian-packages.txt"
    if ((${#missing[@]})); then
        local sudo=()
        [[ $(id -u) -ne 0 ]] && sudo=(sudo)
        "${sudo[@]}" apt-get update
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
    fi
}

build_all() {
    cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$build"
}

run_fuzz() {
    # The reader and the line splitter, then the .xlsx cell text, under
    # libFuzzer for a bounded time each.
    local fuzz_build="$build-fuzz"
    cmake -S "$top" -B "$fuzz_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++ -DQUILLORA_BUILD_FUZZ=ON -DQUILLORA_BUILD_TESTS=OFF \
        -DQUILLORA_BUILD_BENCH=OFF -DQUILLORA_BUILD_LIBREOFFICE=OFF
    cmake --build "$fuzz_build" --target fuzz_textreader fuzz_xlsxcell
    local seconds=${QUILLORA_FUZZ_SECONDS:-60}
    local target corpus
    for target in fuzz_textreader fuzz_xlsxcell; do
        corpus=$(mktemp -d)
        [[ $target == fuzz_textreader ]] && cp "$top"/fuzz/corpus/* "$corpus"/
        "$fuzz_build/bin/$target" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 "$corpus"
        rm -rf "$corpus"
        seconds=$(((seconds + 2) / 3))
    done
}

case "${1:-}" in
install)
    install_packages
    ;;
run)
    install_packages
    build_all
    if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
        # A window nobody can see would wait for ever: the command line does
        # the same job, on the sample files, into the current folder.
        echo "No display here for the window: the command line imports the sample files instead."
        cd "$caller"
        command=("$build/bin/quillora" --split=comma -o quillora-samples.ods "$build/bin/Samples")
        echo "\$ ${command[*]}"
        "${command[@]}"
        echo "Wrote $caller/quillora-samples.ods; see quillora --help for more."
        exit 0
    fi
    exec "$build/bin/quillora"
    ;;
test)
    install_packages
    build_all
    run_fuzz
    # Qt tests draw off screen; LibreOffice gets a real window on a virtual
    # screen. An X server resets when its last client goes, and refuses new
    # ones meanwhile: a LibreOffice started right after another was killed
    # would find no display. -noreset keeps it up, as a desktop's is.
    xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" ctest --test-dir "$build" --output-on-failure
    ;;
*)
    echo "usage: $0 run|test|install" >&2
    exit 2
    ;;
esac
