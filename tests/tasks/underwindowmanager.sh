#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillor developers

# Runs a command on a virtual screen of 1366 × 768 managed by openbox, as on a user's desktop:
#   underwindowmanager.sh COMMAND [ARGS...]
# Ends with status 77, which the test counts as skipped, when Xvfb or openbox cannot be started.
skip() {
    echo "$1: skipped"
    exit 77
}
command -v Xvfb >/dev/null 2>&1 || skip "Xvfb is not installed"
command -v openbox >/dev/null 2>&1 || skip "openbox is not installed"

work=$(mktemp -d) || skip "No folder for the display server"
xvfb=
windowmanager=
finish() {
    [ -n "$windowmanager" ] && kill "$windowmanager" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT

# Xvfb writes the number of the display it found free once it takes connections.
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
tries=0
while [ ! -s "$work/display" ] && kill -0 "$xvfb" 2>/dev/null && [ "$tries" -lt 100 ]; do
    sleep 0.1
    tries=$((tries + 1))
done
[ -s "$work/display" ] || skip "No display server could be started ($(tail -n 1 "$work/xvfb.log"))"
DISPLAY=:$(cat "$work/display")
export DISPLAY

openbox --sm-disable >"$work/openbox.log" 2>&1 &
windowmanager=$!
sleep 1
kill -0 "$windowmanager" 2>/dev/null || skip "openbox could not be started"

QT_QPA_PLATFORM=xcb "$@"
