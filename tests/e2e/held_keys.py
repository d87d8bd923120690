#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What held_keys.sh asks of the program through AT-SPI.

Usage: held_keys.py open TITLE      presses the menu button TITLE
       held_keys.py answers TITLE   prints the answers counted so far in TITLE
       held_keys.py focus TITLE     prints the name of the focused control
Exits 1 with the reason on a failure.
"""
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import pyatspi  # noqa: E402

from screen_reader import controls, fail, find_window, named  # noqa: E402


def count(found, prefix):
    names = [c[1] for c in found if (c[1] or "").startswith(prefix + ": ")]
    if len(names) != 1:
        fail("expected one counter '%s', found %s" % (prefix, names))
    match = re.fullmatch(prefix + r": (\d+)", names[0])
    if not match:
        fail("counter reads '%s'" % names[0])
    return int(match.group(1))


def main():
    step, title = sys.argv[1], sys.argv[2]
    if step == "open":
        button = named(controls(find_window("Vortelia")), title)[5]
        action = button.queryAction()
        names = [action.getName(i).lower() for i in range(action.nActions)]
        if "press" not in names:
            fail("'%s' offers no 'press' action" % title)
        action.doAction(names.index("press"))
    elif step == "answers":
        found = controls(find_window(title))
        print(count(found, "Esatti") + count(found, "Errati"))
    elif step == "focus":
        focused = [c for c in controls(find_window(title))
                   if c[5].getState().contains(pyatspi.STATE_FOCUSED)]
        print(focused[0][1] if focused else "")
    else:
        fail("unknown step " + step)


if __name__ == "__main__":
    main()
