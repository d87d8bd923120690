#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails when the program's folders break their layering.

Each folder of the program may include its own headers and those of the
folders listed for it below, nothing else: a header of a higher layer, of a
layer beside it, or through `../`. Code above the platform layer may not
include a header only POSIX or X11 systems have. And no two units (a source
and its header) include each other, directly or through others.

Usage: check_layers.py SOURCE_DIR
"""
import os
import re
import sys

PLATFORM = ["common/platform/services", "common/platform/system",
            "common/platform/widgets", "common/platform/sound"]
VIEWS = ["common/views"]
LIBRARY = ["common/library"]
CLASS_FIGURES = ["common/class_figures"]
SETTINGS = ["common/settings"]
RECORD = ["common/record"]
KEYS = ["common/keys"]
CORE = ["common"]
REPORTS = ["common/reports"]
FRAME = ["common/frame"]
EXERCISES = ["exercises"]
WORKSHEETS = ["common/worksheets"]
TEACHER = ["app/teacher"]
APP = ["app"]

# What each folder may include besides itself, lowest first.
ALLOWED = {
    "common/platform/services": [],
    "common/platform/system": ["common/platform/services"],
    "common/platform/widgets": ["common/platform/services"],
    "common/platform/sound": ["common/platform/services"],
    "common/views": [],
    "common/library": PLATFORM + VIEWS,
    "common/class_figures": PLATFORM + VIEWS,
    "common/settings": ["common/platform/services"],
    "common/record": PLATFORM + SETTINGS,
    "common/keys": PLATFORM + RECORD,
    "common": PLATFORM + SETTINGS + RECORD,
    "common/reports": PLATFORM + SETTINGS + RECORD + CORE,
    "common/frame": PLATFORM + VIEWS + LIBRARY + SETTINGS + RECORD + CORE,
    "exercises": PLATFORM + VIEWS + LIBRARY + SETTINGS + RECORD + CORE + FRAME,
    "common/worksheets": PLATFORM + VIEWS + LIBRARY + SETTINGS + RECORD + CORE + FRAME +
    EXERCISES,
    "app/teacher": PLATFORM + VIEWS + LIBRARY + CLASS_FIGURES + SETTINGS + RECORD + KEYS + CORE +
    REPORTS + FRAME + EXERCISES + WORKSHEETS,
    "app": PLATFORM + VIEWS + LIBRARY + CLASS_FIGURES + SETTINGS + RECORD + KEYS + CORE + REPORTS +
    FRAME + EXERCISES + WORKSHEETS + TEACHER,
}
SYSTEM_HEADER = re.compile(
    r"^(unistd|fcntl|malloc|dirent|dlfcn|pthread|termios)\.h$|^(sys|xcb|X11|linux)/")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
ROOTS = ("common", "exercises", "app")


def layer_of(path):
    """The folder of ALLOWED a file or header path belongs to, or None."""
    best = None
    for folder in ALLOWED:
        if path.startswith(folder + "/") and (best is None or len(folder) > len(best)):
            rest = path[len(folder) + 1:]
            # The core is common/ itself, not its subfolders; exercises/ and
            # the system's linux/ and qt/ keep their subfolders.
            if folder == "common" and "/" in rest:
                continue
            best = folder
    return best


def unit_of(path):
    return os.path.splitext(path)[0]


def sources(root):
    for top in ROOTS:
        for folder, _, names in os.walk(os.path.join(root, top)):
            for name in sorted(names):
                if name.endswith((".h", ".cpp")):
                    yield os.path.relpath(os.path.join(folder, name), root)


def check(root):
    faults = []
    files = sorted(sources(root))
    known = set(files)
    edges = {}
    for source in files:
        here = os.path.dirname(source)
        own = layer_of(source)
        with open(os.path.join(root, source), encoding="utf-8") as text:
            lines = text.read().splitlines()
        for line in lines:
            match = INCLUDE.match(line)
            if not match:
                continue
            bracket, header = match.groups()
            if own not in PLATFORM and SYSTEM_HEADER.search(header):
                faults.append(f"{source} includes {header}, a POSIX or X11 header")
                continue
            if bracket == "<":
                continue
            if "../" in header:
                faults.append(f"{source} includes {header}, out of its folder")
                continue
            target = os.path.normpath(os.path.join(here, header))
            if target not in known:
                target = header
            if target not in known:
                continue  # a header of Qt's or generated
            if unit_of(target) != unit_of(source):
                edges.setdefault(unit_of(source), set()).add(unit_of(target))
            theirs = layer_of(target)
            if theirs != own and theirs not in ALLOWED.get(own, []):
                faults.append(f"{source} includes {header}, of {theirs}, not below {own}")
    faults += [f"units include each other: {' -> '.join(c)}" for c in cycles(edges)]
    return faults, len(files)


def cycles(edges):
    """One cycle of each strongly connected set of units (Tarjan)."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []
    counter = [0]

    def visit(unit):
        index[unit] = low[unit] = counter[0]
        counter[0] += 1
        stack.append(unit)
        on_stack.add(unit)
        for other in sorted(edges.get(unit, ())):
            if other not in index:
                visit(other)
                low[unit] = min(low[unit], low[other])
            elif other in on_stack:
                low[unit] = min(low[unit], index[other])
        if low[unit] == index[unit]:
            group = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                group.append(member)
                if member == unit:
                    break
            if len(group) > 1:
                found.append(path_within(sorted(group), edges))

    for unit in sorted(edges):
        if unit not in index:
            visit(unit)
    return found


def path_within(group, edges):
    """A closed walk from the group's first unit back to it, inside the group."""
    start, members = group[0], set(group)
    previous, queue = {start: None}, [start]
    while queue:
        unit = queue.pop(0)
        for other in sorted(edges.get(unit, ())):
            if other == start:
                walk = [unit]
                while previous[walk[-1]] is not None:
                    walk.append(previous[walk[-1]])
                return list(reversed(walk)) + [start]
            if other in members and other not in previous:
                previous[other] = unit
                queue.append(other)
    return group


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: check_layers.py SOURCE_DIR")
    faults, count = check(sys.argv[1])
    if faults:
        print("Includes that break the layers:\n  " + "\n  ".join(faults))
        sys.exit(1)
    print(f"{count} files include nothing from a higher layer, and no units include each other")


if __name__ == "__main__":
    main()
