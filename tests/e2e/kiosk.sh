#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A kiosk session: a real X server and no window manager, as on a whiteboard
# PC that starts the program from xinit. --schermo-intero gives every window
# the whole screen, F11 gives the window back its normal size and takes the
# screen again; started without the option, F11 takes the screen as well.
# Exits 77 when no X server can be started.
#
# Usage: kiosk.sh PROGRAM [SHOTS-DIR]   (a screenshot of every step goes there)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

program_argument "kiosk.sh PROGRAM [SHOTS-DIR]" "${1:-}"

W=1280
H=1024
new_work_folder
shots=${2:-$work/shots}
rm -rf "$shots"
mkdir -p "$shots"
start_driven_xvfb "$work" ${W}x${H} || skip "$XVFB_PROBLEM"
wm=$(timeout 5 xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null || true)
if [[ $wm == *"window id #"* ]]; then
    skip "a window manager runs on $DISPLAY"
fi

# key KEY: once the window ($WIN) has the keyboard. With no window manager
# the program gives it the focus itself, once the window is on the screen.
key() {
    # The last key answered and the window painted, as a person sees it first.
    wait_settled "$APP_PID" || die "the program did not settle"
    give_keyboard "$WIN" || die "the window $WIN never got the keyboard"
    timeout 10 xdotool key "$1"
}

# full TITLE WHAT: the window takes the whole screen, and the screen shows it:
# no pixel of the empty root window's black is left at the corners.
full() {
    expect "$1" ${W}x${H} "$2"
    [ "$WX,$WY" = 0,0 ] || die "$2: full screen at $WX,$WY, not at the corner"
    # Painted at its new size before the screen is looked at.
    wait_settled "$APP_PID" || die "$2: the program did not settle"
    shot "$3"
    local corner
    for corner in "1 1" "$((W - 2)) 1" "1 $((H - 2))" "$((W - 2)) $((H - 2))"; do
        # shellcheck disable=SC2086 # two numbers
        [ "$(pixel "$SHOT" $corner)" != 0,0,0 ] || die "$2: the screen's corner $corner is not the window's"
    done
}

# 1. --schermo-intero: the start window, the menu and an exercise take the screen.
start_program --schermo-intero
full Vortelia "start, full screen" start-full
key Return # "Avvio"
wait_gone "$WIN" 30 || die "the start window stayed"
full Vortelia "menu, full screen" menu-full

# 2. F11 gives the menu its normal size, centred; F11 takes the screen again.
key F11
expect Vortelia 640x480 "menu after F11"
shot menu-normal
key F11
full Vortelia "menu after F11 again" menu-full-again
key Return # the first button: "Trova la rotazione - 4"
full "Trova la rotazione - 4" "exercise, full screen" exercise-full
stop_processes "$APP_PID"
APP_PID=

# 3. Without the option: the normal size, and F11 takes the screen.
start_program
expect Vortelia 701x557 "start, normal"
key F11
full Vortelia "start after F11" start-f11
echo "PASS"
