#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Windows destroyed by another program (XDestroyWindow, as a window manager's
# "kill" or a tool does), in a real X session:
# 1. the exercise window: the program ends by itself, as when its last
#    window is closed;
# 2. the "Vuoi tornare al menù?" box: the exercise stays and answers clicks
#    ("Esci" asks again, "Sì" goes back to the menu);
# 3. the exercise window while that box is open: the program ends too.
# Exits 77 only when no X server can be started.
#
# Usage: destroyed_windows.sh PROGRAM DESTROY-TOOL
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

program=${1:?usage: destroyed_windows.sh PROGRAM DESTROY-TOOL}
destroy=${2:?usage: destroyed_windows.sh PROGRAM DESTROY-TOOL}
[ -x "$program" ] || fail "no program at $program"
[ -x "$destroy" ] || fail "no tool at $destroy"
command -v import >/dev/null || skip "ImageMagick's import is not installed"

new_work_folder


start_driven_xvfb "$work" || skip "$XVFB_PROBLEM"
mkdir -m 700 "$work/runtime"

# open_exercise: starts the program and opens "Indica il tipo di rotazione";
# sets EXERCISE, EX, EY, EW, EH.
open_exercise() {
    (cd "$work" && exec env -u QT_SCALE_FACTOR QT_QPA_PLATFORM=xcb \
        XDG_RUNTIME_DIR="$work/runtime" "$program") >"$work/program.log" 2>&1 &
    APP_PID=$!
    local found
    found=$(wait_window Vortelia 701x557 30) || die "no start window"
    read -r _ _ _ SX SY <<<"$found"
    click $((SX + 308)) $((SY + 380))
    found=$(wait_window Vortelia 640x480 30) || die "Avvio does not open the menu"
    read -r _ _ _ MX MY <<<"$found"
    click $((MX + 8 + 100)) $((MY + 296 + 20))
    found=$(wait_window "Indica il tipo di rotazione" "638x*" 30) || die "no exercise"
    read -r EXERCISE EW EH EX EY <<<"$found"
}

# ask_esci: clicks "Esci" in the exercise's menu bar; sets BOX.
ask_esci() {
    local bar=$((EH - 459)) left right found
    found=$(wait_menu_bar_entry "$EX" "$EY" "$EW" "$bar" 3) ||
        die "the menu bar has no third entry"
    read -r left right <<<"$found"
    click $((EX + (left + right) / 2)) $((EY + bar / 2))
    found=$(wait_window Vortelia '!640x480' 30) || die "no question on Esci"
    BOX=${found%% *}
}

# ends_by_itself WHAT: the program ends within 10 s, with exit status 0.
ends_by_itself() {
    local started=$SECONDS status=0
    while kill -0 "$APP_PID" 2>/dev/null; do
        ((SECONDS - started < 10)) || die "the program still runs 10 s after $1"
        sleep 0.2
    done
    wait "$APP_PID" || status=$?
    APP_PID=
    [ "$status" = 0 ] || die "after $1 the program ended with exit status $status"
}

# 1. The exercise window destroyed: the program ends by itself.
open_exercise
"$destroy" "$EXERCISE" || die "the exercise window could not be destroyed"
ends_by_itself "its window was destroyed"
echo "exercise window destroyed: the program ended by itself, exit status 0"

# 2. The question destroyed: the exercise still answers.
open_exercise
ask_esci
"$destroy" "$BOX" || die "the question could not be destroyed"
wait_gone "$BOX" || die "the destroyed question is still listed"
ask_esci
timeout 10 xdotool windowfocus --sync "$BOX" || true
timeout 10 xdotool key Return
wait_window Vortelia 640x480 30 >/dev/null || die "after the destroyed question, Esci and Sì do not lead to the menu"
wait_gone "$EXERCISE" || die "the exercise stays with the menu"
echo "question destroyed: the exercise kept answering, Esci and Sì led to the menu"
stop_processes "$APP_PID"
APP_PID=

# 3. The exercise window destroyed under its open question.
open_exercise
ask_esci
"$destroy" "$EXERCISE" || die "the exercise window could not be destroyed"
ends_by_itself "its window was destroyed under the question"
echo "exercise window destroyed under its question: the program ended by itself, exit status 0"
echo "PASS"
