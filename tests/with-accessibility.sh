#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one program with an assistive technology's view of it: a session bus
# of its own, the accessibility bus on it, and Qt's bridge to it switched
# on, as a screen reader's desktop has them. Needs an X display.
if [ -z "$QUILLORA_A11Y_SESSION" ]; then
    QUILLORA_A11Y_SESSION=1 exec dbus-run-session -- "$0" "$@"
fi
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
trap 'kill $launcher 2>/dev/null' EXIT INT TERM
# Up once it answers on the session bus.
until dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1; do
    kill -0 $launcher 2>/dev/null || exit 1
    sleep 0.05
done
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
