#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
"""The program as a screen reader meets it over AT-SPI: prints the tree (role, name, actions),
checks that every command can be used, presses "Data list" through its action, chooses a line
there and answers the question, then presses "Close". Usage: screen_reader.py PID"""
import sys
import time

import pyatspi

COMMANDS = {
    "Close": ("push button", "Press"),
    "Data list": ("push button", "Press"),
    "Link to my broker": ("push button", "Press"),
    "Move the window": ("push button", "Press"),
    "Pick a skin": ("push button", "Press"),
    "Add stock": ("push button", "Press"),
    "Remove stock": ("push button", "Press"),
    "Look now": ("link", "Jump"),
    "Maker's web site": ("link", "Jump"),
}


def fail(message):
    print(f"screen reader: {message}", file=sys.stderr)
    sys.exit(1)


def poll(seconds, find):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    return None


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def tree(node, depth=0):
    """Every node under node, with its depth, in the order a walk meets them."""
    yield node, depth
    for child in node:
        if child is not None:
            yield from tree(child, depth + 1)


def window(app, name):
    for child in app:
        if child is not None and child.name == name and \
                child.getState().contains(pyatspi.STATE_SHOWING):
            return child
    return None


def named(root, name):
    return next((node for node, _ in tree(root) if node.name == name), None)


def press(node):
    if not node.queryAction().doAction(0):
        fail(f"the action of {node.name!r} was refused")


def walk(frame):
    """Prints the tree under a window; returns each name's role and first action."""
    seen = {}
    for node, depth in tree(frame):
        role, name = node.getRoleName(), node.name
        print(f"{'  ' * depth}{role} {name!r} {actions(node)}")
        if not name:
            fail(f"a {role} has no name")
        seen[name] = (role, (actions(node) or [None])[0])
    return seen


def check_main_window(main):
    seen = walk(main)
    for name, expected in COMMANDS.items():
        if seen.get(name) != expected:
            fail(f"{name!r} is {seen.get(name)}, expected {expected}")
    if main.getRoleName() != "frame":
        fail(f"the main window is a {main.getRoleName()}")
    value = named(main, "Change refresh rate").queryValue()
    found = (value.currentValue, value.minimumValue, value.maximumValue, value.minimumIncrement)
    if found != (10, 2, 99, 1):
        fail(f"the spinner's value, range and step are {found}")
    minutes = named(main, "Refresh minutes").getState()
    if minutes.contains(pyatspi.STATE_EDITABLE) or not minutes.contains(pyatspi.STATE_READ_ONLY):
        fail("the minutes field is editable or not read-only")


def answer_no_in_data_list(app, main):
    press(named(main, "Data list"))
    data_list = poll(60, lambda: window(app, "Morvane Stocks Data List"))
    if not data_list or data_list.getRoleName() != "frame":
        fail("pressing \"Data list\" showed no data list frame")
    walk(data_list)
    lines = named(data_list, "Page lines")
    # The choice returns at once; the question follows from the program's event loop.
    press(lines[2])
    question = poll(60, lambda: window(app, "Confirm"))
    if not question:
        fail("choosing a line asked nothing")
    press(named(question, "No"))
    if not poll(60, lambda: not window(app, "Confirm")):
        fail("the question stayed after \"No\"")


def main():
    pid = int(sys.argv[1])
    app = poll(60, lambda: next((a for a in pyatspi.Registry.getDesktop(0)
                                 if a is not None and a.get_process_id() == pid), None))
    if not app:
        fail("the program never showed up on the accessibility bus")
    main_window = poll(60, lambda: window(app, "Morvane Stocks"))
    if not main_window:
        fail("no window \"Morvane Stocks\"")
    check_main_window(main_window)
    answer_no_in_data_list(app, main_window)
    press(named(main_window, "Close"))


main()
