#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillor developers

"""Reads the quadratic function's window through the AT-SPI bus, as a screen reader would.

Run inside a display and a session bus (atspi.sh starts both): starts the scenario runner,
plots a parabola, and while the runner waits walks the window's accessible tree, prints it, and
checks what a screen reader would say of the prescription list, the box and slider of a, and the
graph. Exits 77 (skipped) where the accessibility bus does not answer.
"""
import subprocess
import sys
import time

SKIPPED = 77

try:
    import pyatspi
except ImportError:
    print("skipped: python3-pyatspi is not installed")
    sys.exit(SKIPPED)

SCRIPT = """select Fst.List1 0
click Fst.Command1
select Fd.List1 4
type Fd.Text3 -2
type Fd.Text4 -3
click Fd.Command1
echo ready
wait 60000
"""


def find_window(caption, seconds=20):
    """The top-level window with this caption (blanks compared as one), once the runner's
    application shows on the bus."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is None:
                continue
            for window in app:
                if window is not None and " ".join(window.name.split()) == caption:
                    return window
        time.sleep(0.2)
    return None


def walk(node, depth=0, lines=None, found=None):
    """Prints the tree below node, one line per node, and keeps the nodes by role and name."""
    lines = [] if lines is None else lines
    found = {} if found is None else found
    line = "%s%s %r" % ("  " * depth, node.getRoleName(), node.name)
    try:
        line += " value %g" % node.queryValue().currentValue
    except NotImplementedError:
        pass
    if node.description:
        line += " description %r" % node.description
    lines.append(line)
    found.setdefault((node.getRoleName(), node.name), node)
    for child in node:
        if child is not None:
            walk(child, depth + 1, lines, found)
    return lines, found


def main():
    drive = sys.argv[1]
    runner = subprocess.Popen([drive], stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
    try:
        runner.stdin.write(SCRIPT)
        runner.stdin.flush()
        if runner.stdout.readline().strip() != "ready":
            print("the runner did not get ready")
            return 1
        window = find_window("The quadratic function")
        if window is None:
            print("skipped: the quadratic function's window did not show on the accessibility bus")
            return SKIPPED
        lines, found = walk(window)
        print("\n".join(lines))
        failures = []

        def expect(role, name, value=None, description=None):
            node = found.get((role, name))
            if node is None:
                failures.append("no %s named %r" % (role, name))
            elif value is not None and node.queryValue().currentValue != value:
                failures.append("%s %r has the value %g, not %g"
                                % (role, name, node.queryValue().currentValue, value))
            elif description is not None and node.description != description:
                failures.append("%s %r says %r" % (role, name, node.description))

        if window.getRoleName() != "frame":
            failures.append("the window is a %s, not a frame" % window.getRoleName())
        expect("list", "Prescription")
        expect("text", "a")
        expect("slider", "a", value=1)
        expect("slider", "Scale", value=8)
        expect("push button", "Plot")
        expect("image", "Graph", description="scale 8, grid off: y = 1x² − 2x − 3; "
                                             "zeros −1 and 3; vertex (1, −4)")
        if any("&" in key[1] for key in found):
            failures.append("a name holds a mnemonic mark")
        print("\n".join(failures) if failures else "the tree reads as expected")
        return 1 if failures else 0
    finally:
        runner.kill()
        runner.wait()


if __name__ == "__main__":
    sys.exit(main())
