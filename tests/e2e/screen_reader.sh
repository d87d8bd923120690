#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A screen reader's view of the program: under a private D-Bus session and a
# real X server, the pupil reaches "Trova la rotazione - 4" with the keyboard
# alone, and screen_reader.py reads the window's tree through AT-SPI, presses
# the menu bar's entries and a candidate as an assistant would. Exits 77 only when the tools are
# missing (Xvfb, xdotool, dbus-run-session, the AT-SPI bus, python3-pyatspi).
#
# Usage: screen_reader.sh PROGRAM
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

program=${1:?usage: screen_reader.sh PROGRAM}
case $program in /*) ;; *) program=$PWD/$program ;; esac
start_accessible_program "$program" "$@"

# press TITLE KEY: gives the window the keyboard and presses a key; sets WIN.
press() {
    local found
    found=$(wait_window "$1" "*" 30) || die "no window \"$1\""
    read -r WIN _ <<<"$found"
    timeout 10 xdotool windowactivate --sync "$WIN" 2>/dev/null ||
        timeout 10 xdotool windowfocus --sync "$WIN" || true
    wait_settled "$APP_PID" || die "the program does not settle"
    timeout 10 xdotool key --clearmodifiers "$2"
    echo "\"$1\": $2"
}

wait_window Vortelia "*" 30 >/dev/null || die "no start window"
/usr/bin/python3 "$here/screen_reader.py" Vortelia role || die "the start window's role"
press Vortelia Return # "Avvio" has the focus
wait_gone "$WIN" 30 || die "the start window stayed"
wait_window Vortelia "*" 30 >/dev/null || die "no menu"
/usr/bin/python3 "$here/screen_reader.py" Vortelia role || die "the menu's role"
press Vortelia Return # the menu opens on "Trova la rotazione - 4"
title="Trova la rotazione - 4"
wait_window "$title" "*" 30 >/dev/null || die "\"$title\" did not open"

/usr/bin/python3 "$here/screen_reader.py" "$title" read || die "reading the tree"
/usr/bin/python3 "$here/screen_reader.py" "$title" menu || die "the menu bar through AT-SPI"
/usr/bin/python3 "$here/screen_reader.py" "$title" answer || die "answering through AT-SPI"
echo "PASS"
