#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads an exercise window the way a screen reader does, through AT-SPI.

Usage: screen_reader.py TITLE STEP
  STEP "read":   the window's tree before any answer.
  STEP "answer": presses "Figura 1" through its AT-SPI action and checks that
                 a counter's new name is announced and the right face shows.
  STEP "menu":   presses the menu bar's "Informazioni" and "Esci": each call
                 returns while its message box is up; the box is read and
                 closed through AT-SPI.
  STEP "role":   the window is a frame.
Exits 1 with the reason on a failure.
"""
import sys
import time

import pyatspi
from gi.repository import GLib


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def find_window(title, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        try:
            for app in desktop:
                if app is None or (app.name or "").lower() != "vortelia":
                    continue
                for window in app:
                    if window is not None and window.name == title:
                        return window
        except GLib.GError:
            pass  # a window closed while we looked: look again
        time.sleep(0.3)
    fail("no application 'Vortelia' with a window '%s' on the accessibility bus" % title)


def controls(window):
    """(role name, name, showing, enabled, focusable, accessible) of every descendant."""
    found = []

    def visit(node):
        for child in node:
            if child is None:
                continue
            states = child.getState()
            found.append((child.getRoleName(), child.name,
                          states.contains(pyatspi.STATE_SHOWING),
                          states.contains(pyatspi.STATE_ENABLED),
                          states.contains(pyatspi.STATE_FOCUSABLE), child))
            visit(child)

    visit(window)
    return found


def named(found, name):
    matches = [c for c in found if c[1] == name]
    if len(matches) != 1:
        fail("expected one control named '%s', found %d" % (name, len(matches)))
    return matches[0]


def showing(found, name):
    return named(found, name)[2]


def action_names(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def press(node):
    """Runs the node's "press" action; returns the seconds the call took."""
    names = [n.lower() for n in action_names(node)]
    if "press" not in names:
        fail("'%s' offers no 'press' action, only %s" % (node.name, names))
    start = time.monotonic()
    node.queryAction().doAction(names.index("press"))
    return time.monotonic() - start


def message_box(app, present, seconds=20):
    """The program's message box once it is up (present) or None once gone."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            boxes = [w for w in app if w is not None and w.name == "Vortelia" and
                     w.getRoleName() in ("dialog", "alert") and
                     w.getState().contains(pyatspi.STATE_SHOWING)]
        except GLib.GError:
            # A box closed between listing the windows and asking about it.
            time.sleep(0.1)
            continue
        if present and boxes:
            return boxes[0]
        if not present and not boxes:
            return None
        time.sleep(0.1)
    fail("the message box is %s after %d s" % ("not up" if present else "still up", seconds))


def menu_entries(window):
    """Presses "Informazioni" and "Esci" through AT-SPI: each call must return
    while the message box it opens waits for the pupil."""
    app = window.getApplication()
    for entry, answer, text in (("Informazioni", "OK", None),
                                ("Esci", "No", "Vuoi tornare al menù?")):
        took = press(named(controls(window), entry)[5])
        box = message_box(app, True)
        print("'%s': the press returned in %d ms, its box then up" % (entry, took * 1000))
        # Generous: a call that waited for the box would take until D-Bus gives up.
        if took > 5:
            fail("pressing '%s' took %.1f s: it waited for the box" % (entry, took))
        found = controls(box)
        texts = [c[1] for c in found if c[0] == "label"]
        if text is not None and text not in texts:
            fail("the box reads %s, not '%s'" % (texts, text))
        if any("---" in t for t in texts):
            fail("the box reads a row of hyphens aloud: %s" % texts)
        buttons = [c for c in found if c[0] == "push button" and c[1] == answer]
        if len(buttons) != 1:
            fail("the box has no single button '%s': %s" % (answer, [c[1] for c in found]))
        press(buttons[0][5])
        message_box(app, False)
    print("the menu bar's entries answer at once")


def check_role(window):
    if window.getRoleName() not in ("frame", "window"):
        fail("the window '%s' is a %s" % (window.name, window.getRoleName()))
    print("'%s' is a %s" % (window.name, window.getRoleName()))


def check_tree(window):
    found = controls(window)
    print("%d controls:" % len(found))
    for role, name, show, enabled, focusable, _ in found:
        print("  %-14s %-28s%s%s%s" % (role, repr(name), " showing" if show else "",
                                       " enabled" if enabled else "",
                                       " focusable" if focusable else ""))
    candidates = [c for c in found if c[1].startswith("Figura ")]
    names = sorted(c[1] for c in candidates)
    if names != ["Figura %d" % n for n in range(1, 9)]:
        fail("candidates are %s, not 'Figura 1' to 'Figura 8'" % names)
    for role, name, show, enabled, focusable, _ in candidates:
        if role != "push button" or not (show and enabled and focusable):
            fail("'%s' is a %s, showing %s, enabled %s, focusable %s" %
                 (name, role, show, enabled, focusable))
    for n in range(1, 5):
        role = named(found, "Sequenza, casella %d" % n)[0]
        if role != "image":
            fail("'Sequenza, casella %d' is a %s, not an image" % (n, role))
    avanti = named(found, "avanti")
    if avanti[0] != "push button" or avanti[3]:
        fail("'avanti' is a %s, enabled %s" % (avanti[0], avanti[3]))
    for label in ("Esatti: 0", "Errati: 0"):
        named(found, label)
    if not showing(found, "Risposta sbagliata") or showing(found, "Risposta giusta"):
        fail("the sad face should be the only face shown")
    for face in ("Risposta giusta", "Risposta sbagliata"):
        node = named(found, face)
        if node[0] != "image" or action_names(node[5]):
            fail("'%s' is a %s with actions %s, not a picture" %
                 (face, node[0], action_names(node[5])))
    entries = [c[1] for c in found if c[0] == "menu item"]
    if entries != ["Azzera conteggio", "Informazioni", "Esci"]:
        fail("the menu bar's entries read %s" % entries)
    print("the tree reads as a pupil's assistant expects")


def answer(window):
    found = controls(window)
    announced = []

    def on_name(event):
        announced.append(event.source.name)

    pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")
    first = named(found, "Figura 1")[5]
    action = first.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    press = [i for i, n in enumerate(names) if n.lower() == "press"]
    if not press:
        fail("'Figura 1' offers no 'press' action, only %s" % names)

    # Press once the listener runs; stop once a counter has been announced.
    def do_press():
        action.doAction(press[0])
        return False

    def check():
        if any(n in ("Esatti: 1", "Errati: 1") for n in announced) or \
                time.monotonic() > deadline:
            pyatspi.Registry.stop()
            return False
        return True

    deadline = time.monotonic() + 20
    GLib.timeout_add(300, do_press)
    GLib.timeout_add(100, check)
    pyatspi.Registry.start()
    pyatspi.Registry.deregisterEventListener(on_name, "object:property-change:accessible-name")
    print("announced: %s" % announced)
    right = "Esatti: 1" in announced
    if not right and "Errati: 1" not in announced:
        fail("pressing 'Figura 1' announced no new counter")
    found = controls(window)
    named(found, "Esatti: 1" if right else "Errati: 1")
    face, other = ("Risposta giusta", "Risposta sbagliata") if right else \
        ("Risposta sbagliata", "Risposta giusta")
    if not showing(found, face) or showing(found, other):
        fail("after a %s answer '%s' should be the face shown" %
             ("right" if right else "wrong", face))
    print("pressing 'Figura 1' gave a %s answer, announced and shown" %
          ("right" if right else "wrong"))


def main():
    title, step = sys.argv[1], sys.argv[2]
    window = find_window(title)
    if step == "read":
        check_tree(window)
    elif step == "answer":
        answer(window)
    elif step == "menu":
        menu_entries(window)
    elif step == "role":
        check_role(window)
    else:
        fail("unknown step " + step)


if __name__ == "__main__":
    main()
