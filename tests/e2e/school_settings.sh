#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A school's settings file as a lab PC meets it, under openbox on a real X
# server. A quiet lab: a pupil answers and no sound file or sound system is
# opened (seen by strace), while the same session without the file opens
# them. A locked PC: Alt+F4, F11 and Esc on every window, and a click where
# the menu's "Esci" would be, leave the program running in full screen; the
# teacher's keys end it. Exits 77 when no X server or no openbox can be run.
#
# Usage: school_settings.sh PROGRAM [SHOTS-DIR]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

program_argument "school_settings.sh PROGRAM [SHOTS-DIR]" "${1:-}"
command -v openbox >/dev/null || skip "openbox is not installed"
command -v strace >/dev/null || skip "strace is not installed"

W=1280
H=1024
new_wm_work_folder "${2:-}"

start_driven_xvfb "$work" ${W}x${H} || skip "$XVFB_PROBLEM"
start_openbox "$work" || fail "$WM_PROBLEM"
mkdir -p -m 700 "$work/runtime" "$work/etc/Vortelia" "$work/home"

# school TEXT: the school's settings file; none when TEXT is empty.
school() {
    if [ -n "$1" ]; then
        printf '%s\n' "$1" >"$work/etc/Vortelia/Vortelia.conf"
    else
        rm -f "$work/etc/Vortelia/Vortelia.conf"
    fi
}

# run [WRAPPER...]: the program on this PC's settings, through the wrapper.
run() {
    (cd "$work" && exec env -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS HOME="$work/home" \
        XDG_CONFIG_HOME="$work/home/.config" XDG_CONFIG_DIRS="$work/etc" \
        QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime" "$@" "$program") \
        >"$work/program.log" 2>&1 &
    APP_PID=$!
}

no_windows() {
    [ -z "$(visible_windows)" ]
}

key_to() {
    give_keyboard "$1" || die "window $1 never gets the keyboard"
    timeout 10 xdotool key "$2"
}

# answer_once: from the start window into the menu's first exercise, one
# answer, then Esc; the question it asks shows the answer was taken.
answer_once() {
    expect Vortelia "*" "start"
    key_to "$WIN" Return
    expect Vortelia "!$WW"x"$WH" "menu" # the start window's size differs from the menu's
    key_to "$WIN" Return
    local exercise
    exercise=$(wait_window "Trova la rotazione - 4" "*" 30) || die "no exercise window"
    exercise=${exercise%% *}
    key_to "$exercise" 1
    key_to "$exercise" Escape
    wait_window Vortelia "*" 30 >/dev/null || die "no question after Esc"
    shot answered
}

# 1. The same session without settings, then in a quiet lab.
opened_sounds() {
    grep -E 'open(at)?\(.*(vortelia_suoni\.so|/suoni/[^"]*\.wav)' "$work/strace.log" || true
}
for lab in noisy quiet; do
    if [ $lab = quiet ]; then school $'[suoni]\nattivi=false'; else school ""; fi
    run strace -f -qq -e trace=open,openat -o "$work/strace.log"
    answer_once
    # strace leaves the program running when it is stopped itself.
    TRACED_PID=$(pgrep -P "$APP_PID" || true)
    if [ $lab = noisy ]; then
        wait_until 30 "without settings the sounds are never opened" test -n "$(opened_sounds)"
    else
        [ -z "$(opened_sounds)" ] || die "a quiet lab opened sounds: $(opened_sounds)"
    fi
    stop_processes "$TRACED_PID" "$APP_PID"
    TRACED_PID=
    APP_PID=
    wait_until 30 "the program's windows stay after it ended" no_windows
done

# ways_out WINDOW: each key a pupil may try on the locked window ($WIN).
ways_out() {
    local k
    for k in alt+F4 F11 Escape; do
        key_to "$WIN" "$k"
        wait_settled "$APP_PID" || die "the program does not settle after $k"
        process_gone "$APP_PID" && die "$k ended a locked program"
        expect Vortelia ${W}x${H} "$1, after $k"
    done
}

# 2. A locked PC.
school $'[classe]\nblocco=true'
run
expect Vortelia ${W}x${H} "start, locked, in full screen"
start_window=$WIN
ways_out start
key_to "$WIN" Return
wait_gone "$start_window" 30 || die "Avvio does not open the menu"
expect Vortelia ${W}x${H} "menu, locked"
shot locked_menu
# Where "Esci" stands in the menu's layout (5280,5640 twips of 9600x7200).
click $((W * (5280 + 1500) / 9600)) $((H * (5640 + 360) / 7200))
ways_out menu
key_to "$WIN" ctrl+alt+shift+e
question=$(wait_window Vortelia "!${W}x${H}" 30) || die "the teacher's keys ask nothing"
key_to "${question%% *}" Return
wait_until 30 "the teacher's keys did not end the program" process_gone "$APP_PID"
wait "$APP_PID" || die "the program ended with status $?"
APP_PID=
echo PASS
