#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What wayland_session.sh asks of the program through AT-SPI: there is no
xdotool on Wayland, so the session is played as an assistive tool plays it.

Usage: wayland_session.py wait TITLE CONTROL   waits for a window TITLE that shows CONTROL
       wayland_session.py press TITLE CONTROL  presses CONTROL in the window TITLE
       wayland_session.py answer TITLE         presses the first answer; one answer counted
       wayland_session.py ask TITLE            presses "Esci": the box asks to go back to the menu
       wayland_session.py yes TITLE            presses "Sì" in that box: the window goes
Exits 1 with the reason on a failure.
"""
import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import pyatspi  # noqa: E402
from gi.repository import GLib  # noqa: E402

from held_keys import count  # noqa: E402
from screen_reader import controls, fail, find_window, message_box, named, press  # noqa: E402


def wait_showing(title, control, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        window = find_window(title, seconds)
        try:
            found = [c for c in controls(window) if c[1] == control and c[2]]
        except GLib.GError:
            # A control went while its window was read (the window before
            # this one closing): read it again.
            found = []
        if found:
            return window, found[0]
        time.sleep(0.2)
    fail("the window '%s' shows no '%s' after %d s" % (title, control, seconds))


def answers(title):
    found = controls(find_window(title))
    return count(found, "Esatti") + count(found, "Errati")


def answer(title):
    window = find_window(title)
    found = controls(window)
    # Every family but one answers with pictures; "Indica il tipo di
    # rotazione" with the two signs.
    names = [c[1] for c in found]
    pictures = "Figura 1" in names
    first = "Figura 1" if pictures else "Senso orario"
    before = answers(title)
    if before != 0:
        fail("'%s' opened with %d answers" % (title, before))
    # In the windows that build a turning sequence a right pick short of the
    # last one places the picture and counts nothing: the next pictures are
    # pressed until one counts (a wrong one, or the one that ends the row).
    candidates = ["Figura %d" % n for n in range(1, 9)] if pictures else [first]
    for name in candidates:
        current = controls(find_window(title))
        if name not in [c[1] for c in current]:
            continue
        first = name
        press(named(current, name)[5])
        deadline = time.monotonic() + 20
        while answers(title) == 0 and time.monotonic() < deadline:
            time.sleep(0.1)
        if answers(title) != 0 or not pictures:
            break
    after = answers(title)
    if after != 1:
        fail("pressing '%s' in '%s' counted %d answers" % (first, title, after))
    print("'%s': '%s' pressed, one answer counted" % (title, first))


def ask(title):
    window = find_window(title)
    press(named(controls(window), "Esci")[5])
    box = message_box(window.getApplication(), True)
    texts = [c[1] for c in controls(box) if c[0] == "label"]
    if "Vuoi tornare al menù?" not in texts:
        fail("the box reads %s" % texts)
    print("'%s': 'Esci' asks 'Vuoi tornare al menù?'" % title)


def yes(title):
    window = find_window(title)
    box = message_box(window.getApplication(), True)
    yes = [c for c in controls(box) if c[0] == "push button" and c[1] == "Sì"]
    if len(yes) != 1:
        fail("the box has no single button 'Sì'")
    press(yes[0][5])
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        try:
            titles = [w.name for a in desktop
                      if a is not None and (a.name or "").lower() == "vortelia"
                      for w in a if w is not None and
                      w.getState().contains(pyatspi.STATE_SHOWING)]
        except GLib.GError:
            # A window closed while we asked about it: ask again.
            time.sleep(0.2)
            continue
        if title not in titles:
            print("'%s' left through 'Sì'" % title)
            return
        time.sleep(0.2)
    fail("'%s' stayed open after 'Sì'" % title)


def main():
    step, title = sys.argv[1], sys.argv[2]
    if step == "wait":
        wait_showing(title, sys.argv[3])
    elif step == "press":
        press(wait_showing(title, sys.argv[3])[1][5])
    elif step == "answer":
        answer(title)
    elif step == "ask":
        ask(title)
    elif step == "yes":
        yes(title)
    else:
        fail("unknown step " + step)


if __name__ == "__main__":
    main()
