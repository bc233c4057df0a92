#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The program as help2man reads it for the manual page: the paragraphs its
# --help ends with become the manual's own sections (the rules join the
# description, the encoding and the exit status get sections of their own).
# The program is named by QUILLORA_PROGRAM.
if [ "$1" = --help ]; then
    "$QUILLORA_PROGRAM" --help | sed \
        -e '/^Encodings:$/,/^Exit status:$/s/^  //' \
        -e 's/^Paths:$/*Description*\nPaths:/' \
        -e 's/^Encodings:$/*Encoding*/' \
        -e 's/^Exit status:$/*Exit status*/'
else
    exec "$QUILLORA_PROGRAM" "$@"
fi
