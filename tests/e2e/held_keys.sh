#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A pupil who leans on a key: in one window of each family, under a real X
# server whose keyboard repeats a held key, a digit, Space on a candidate and
# Enter are each held for three seconds; each hold counts one answer at most.
# A held arrow shows that the keyboard did repeat. The counters are read
# through AT-SPI, as a screen reader reads them. Exits 77 only when the
# tools are missing (Xvfb, xdotool, dbus-run-session, the AT-SPI bus,
# python3-pyatspi).
#
# Usage: held_keys.sh PROGRAM
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

program=${1:?usage: held_keys.sh PROGRAM}
case $program in /*) ;; *) program=$PWD/$program ;; esac
start_accessible_program "$program" "$@"

atspi() {
    timeout 60 /usr/bin/python3 "$here/held_keys.py" "$@"
}

# focus_window TITLE: gives the window the keyboard; sets WIN.
focus_window() {
    local found
    found=$(wait_window "$1" "*" 30) || die "no window \"$1\""
    read -r WIN _ <<<"$found"
    give_keyboard "$WIN" || die "\"$1\" never got the keyboard"
}

# hold KEY: down for three seconds, then up.
hold() {
    timeout 10 xdotool keydown "$1"
    sleep 3
    timeout 10 xdotool keyup "$1"
    # Every key event answered before the counters are read.
    wait_settled "$APP_PID" || die "the program did not settle after $1 was let go"
}

focus_window Vortelia
timeout 10 xdotool key Return # "Avvio"
wait_gone "$WIN" 30 || die "the start window stayed"

back_to_menu() {
    local box
    timeout 10 xdotool key Escape
    box=$(wait_window Vortelia "*" 30) || die "no question on leaving \"$1\""
    read -r box _ <<<"$box"
    give_keyboard "$box" || die "the question never got the keyboard"
    timeout 10 xdotool key Return # "Sì"
    wait_gone "$WIN" 30 || die "\"$1\" stayed open"
}

repeated=0
for title in "Trova la rotazione - 4" "Indica il tipo di rotazione" \
    "Forma la rotazione - 4" "Trova la simmetria - asse verticale"; do
    wait_window Vortelia "*" 30 >/dev/null || die "no menu"
    atspi open "$title" || die "opening \"$title\""
    focus_window "$title"
    before=$(atspi answers "$title") || die "reading the counters"
    [ "$before" = 0 ] || die "\"$title\" opened with $before answers"
    # The keyboard does repeat: on the fresh exercise, a held arrow walks on
    # from the first candidate. Checked before any answer, since an answered
    # exercise may leave the focus on "avanti", where no arrow leads on.
    if [ "$title" = "Trova la rotazione - 4" ]; then
        first=$(atspi focus "$title")
        for _ in $(seq 12); do
            [ "$first" = "Figura 1" ] && break
            timeout 10 xdotool key Tab
            first=$(atspi focus "$title")
        done
        [ "$first" = "Figura 1" ] || die "Tab never reached \"Figura 1\" (focus on \"$first\")"
        hold Right
        last=$(atspi focus "$title")
        echo "Right held 3 s: from \"$first\" to \"$last\""
        after=$(atspi answers "$title") || die "reading the counters"
        [ "$after" = 0 ] || die "a held arrow counted $after answers"
        # Two steps or more: the arrow repeated (the row has four).
        if [[ $last == "Figura "? ]] && ((${last#Figura } >= 3)); then
            repeated=1
        fi
    fi
    for key in 1 Tab:space Return; do
        if [ "${key%%:*}" = Tab ]; then
            timeout 10 xdotool key Tab
            key=${key#*:}
        fi
        hold "$key"
        after=$(atspi answers "$title") || die "reading the counters"
        echo "\"$title\": $key held 3 s, answers $before -> $after"
        ((after - before <= 1)) || die "holding $key for 3 s in \"$title\" counted $((after - before)) answers"
        before=$after
    done
    back_to_menu "$title"
done
((repeated)) || die "a held arrow moved the focus once at most: the keyboard does not repeat here"
echo "PASS"
