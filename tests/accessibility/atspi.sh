#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillor developers

# Reads a window of the program through the real accessibility bus, under a virtual display and a
# session bus of its own: atspi.sh QUILLOR-DRIVE. Skips (77) where no display or bus can be
# started. Qt shows its accessible tree only to a screen reader, or when told to always.
here=$(dirname "$0")
# Debian's own Python, which python3-pyatspi installs into, also where another python3 comes first.
python=/usr/bin/python3
[ -x "$python" ] || python=python3
for tool in xvfb-run xauth dbus-run-session "$python"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
exec xvfb-run -a -s "-screen 0 1366x768x24" \
    dbus-run-session -- "$python" "$here/atspi_tree.py" "$1"
