#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The teacher's area on its page "Figure della classe", in a real X window,
# driven with xdotool: a symmetric drawing is opened through the file dialog and cannot
# be saved, a drawing without symmetry is saved as the figure of b (its
# letter is marked among the 26), then removed after a question; Esc closes
# the area. Judged by the screen and by
# the class folder. Exits 77 only when no X server can be started.
#
# Usage: teacher_window.sh PROGRAM [SHOTS-DIR]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

program_argument "teacher_window.sh PROGRAM [SHOTS-DIR]" "${1:-}"

start_shot_session "${2:-}"
copy_drawings

class=$work/data/Vortelia/figure

(cd "$work" && exec env HOME="$work" XDG_DATA_HOME="$work/data" XDG_DATA_DIRS="$work/school" \
    XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb "$program" --figure) \
    >"$work/program.log" 2>&1 &
APP_PID=$!
expect "Area dell'insegnante - Vortelia" "*" "the teacher's area"
shot opened
[ "$WW" = 940 ] || die "the teacher's area is ${WW} wide, not its normal 940"
# The page, at its normal size, below the tabs.
PY=$((WY + WH - 620))

# at X Y: the screen point of a point of the page's layout.
at() {
    echo $((WX + $1)) $((PY + $2))
}

# open_drawing FILE: through the file dialog, as a teacher would.
open_drawing() {
    # shellcheck disable=SC2046
    click $(at 755 129)
    local dialog
    dialog=$(wait_window "Apri un disegno" "*" 30) || die "no file dialog"
    dialog=${dialog%% *}
    give_keyboard "$dialog" || die "the file dialog never gets the keyboard"
    timeout 20 xdotool type --delay 20 "$1"
    timeout 10 xdotool key Return
    wait_gone "$dialog" 30 || die "the file dialog stays open"
}

# wait_pixel X Y COLOUR-TEST SECONDS: waits until the layout point's colour
# passes the test (an awk condition on r, g, b).
wait_pixel() {
    local x y deadline=$((SECONDS + $4)) c
    read -r x y < <(at "$1" "$2")
    while :; do
        timeout 20 import -window root "$work/now.png"
        c=$(pixel "$work/now.png" "$x" "$y")
        if awk -F, "{ r = \$1; g = \$2; b = \$3; exit !($3) }" <<<"$c"; then
            return 0
        fi
        ((SECONDS < deadline)) || return 1
        sleep 0.2
    done
}

# The middle of view 1 and the name under b's figure (its left edge).
red='r > 200 && g < 90 && b < 90'
marked='r == 255 && g == 224 && b == 130'
unmarked='!(r == 255 && g == 224 && b == 130)'

open_drawing "$work/cuore.svg"
wait_pixel 627 197 "$red" 30 || die "the heart's views are not shown"
shot symmetric
# shellcheck disable=SC2046
click $(at 755 479) # "Salva": disabled
[ ! -e "$class" ] || die "a symmetric drawing was saved"

# shellcheck disable=SC2046
click $(at 134 102) # b
open_drawing "$work/barca.svg"
wait_pixel 627 197 "!($red)" 30 || die "the boat's views are not shown"
shot usable
# shellcheck disable=SC2046
click $(at 755 479)
wait_until 30 "the figure of b was not saved" test -f "$class/b/300/b8.jpg" -a -f "$class/b/b8.jpg"
wait_pixel 98 140 "$marked" 30 || die "b is not marked as the class's"
shot saved

# shellcheck disable=SC2046
click $(at 755 521) # "Togli": asked first, "Sì" by default
box=$(wait_window Vortelia "*" 30) || die "removing asks nothing"
give_keyboard "${box%% *}" || die "the question never gets the keyboard"
timeout 10 xdotool key Return
wait_until 30 "the figure of b was not removed" test ! -e "$class/b"
wait_pixel 98 140 "$unmarked" 30 || die "b is still marked as the class's"
shot removed

give_keyboard "$WIN" || die "the teacher's area never gets the keyboard"
timeout 10 xdotool key Escape
wait_until 30 "the program did not end with its window" process_gone "$APP_PID"
wait "$APP_PID" || die "the program ended with status $?"
APP_PID=
echo PASS
