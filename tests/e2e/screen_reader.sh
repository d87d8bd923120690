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
[ -x "$program" ] || fail "no program at $program"
case $program in /*) ;; *) program=$PWD/$program ;; esac

command -v dbus-run-session >/dev/null || skip "dbus-run-session is not installed"
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "the AT-SPI bus (at-spi2-core) is not installed"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"

# Everything below runs on a D-Bus session bus of its own.
if [ -z "${VORTELIA_PRIVATE_BUS:-}" ]; then
    on_private_bus "$0" "$@"
fi

new_work_folder
start_driven_xvfb "$work" || skip "$XVFB_PROBLEM"

runtime=$work/runtime
mkdir -m 700 "$runtime"
(cd "$work" && exec env XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=xcb \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program") >"$work/program.log" 2>&1 &
APP_PID=$!


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
