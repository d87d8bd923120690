#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A pupil's session in a real X window, driven with xdotool: the start window,
# the menu, "Indica il tipo di rotazione" with a wrong and a right answer, back
# to the menu and out of the program. It only looks at the screen, never at
# the program's state. Exits 77 only when no X server can be started.
#
# Usage: pupil.sh PROGRAM [SHOTS-DIR]   (a screenshot of every step goes there)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

program_argument "pupil.sh PROGRAM [SHOTS-DIR]" "${1:-}"
[[ $(convert -version 2>/dev/null) == *ImageMagick* ]] || skip "ImageMagick's convert is not installed"

new_work_folder
shots=${2:-$work/shots}
rm -rf "$shots"
mkdir -p "$shots"

# only_window ID WHAT: no other titled window is shown, e.g. a warning box.
only_window() {
    local others
    others=$(visible_windows | awk -v id="$1" '$1 != id')
    [ -z "$others" ] || die "$2: other windows are shown too: $others"
}

is_red() {
    [ "$(pixel "$1" "$2" "$3")" = "255,0,0" ]
}

# sign_framed FILE LEFT: the 9-pixel red frame of a sign whose box starts at
# area x LEFT (y 216, 153x145) is drawn, sampled in the middle of its four sides.
sign_framed() {
    local file=$1 left=$((AX + $2)) top=$((AY + 216))
    is_red "$file" $((left + 4)) $((top + 72)) &&
        is_red "$file" $((left + 148)) $((top + 72)) &&
        is_red "$file" $((left + 76)) $((top + 4)) &&
        is_red "$file" $((left + 76)) $((top + 140))
}

# frames_after SECONDS: waits up to SECONDS for a red frame; prints "orario",
# "antiorario", "entrambi" or "nessuno".
frames_after() {
    local deadline=$((SECONDS + $1)) file="$work/now.png" cw ccw
    while :; do
        timeout 20 import -window root "$file"
        cw=0
        ccw=0
        sign_framed "$file" 320 && cw=1
        sign_framed "$file" 48 && ccw=1
        case $cw$ccw in
        10) echo orario && return ;;
        01) echo antiorario && return ;;
        11) echo entrambi && return ;;
        esac
        ((SECONDS < deadline)) || break
        sleep 0.3
    done
    echo nessuno
}

start_driven_xvfb "$work" || skip "$XVFB_PROBLEM"

# The program under test: a real X window, not ctest's offscreen platform, and
# a runtime folder of its own.
mkdir -m 700 "$work/runtime"
(cd "$work" && exec env -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS \
    QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime" "$program") \
    >"$work/program.log" 2>&1 &
APP_PID=$!
echo "program $program started, pid $APP_PID"

# 1. The start window, alone: a box about missing data would show here.
expect Vortelia 701x557 "start"
wait_settled "$APP_PID" || die "the program does not settle after its start"
only_window "$WIN" "start"
shot avvio
start_window=$WIN

# 2. "Avvio" opens the menu.
click $((WX + 161 + 147)) $((WY + 333 + 47))
expect Vortelia 640x480 "menu"
wait_gone "$start_window" || die "the start window is still shown with the menu"
only_window "$WIN" "menu"
MX=$WX
MY=$WY
menu_window=$WIN
shot menu

# 3. "Indica il tipo di rotazione" (left column, the seventh button).
click $((MX + 8 + 100)) $((MY + 296 + 20))
expect "Indica il tipo di rotazione" "638x*" "exercise"
wait_gone "$menu_window" || die "the menu is still shown with the exercise"
exercise=$WIN
# The window is a menu bar above the 638x459 area of the exercise.
menubar=$((WH - 459))
((menubar >= 10 && menubar <= 60)) || die "exercise window ${WW}x${WH}: no room for a menu bar"
AX=$WX
AY=$((WY + menubar))
shot esercizio
[ "$(frames_after 0)" = nessuno ] || die "a sign is framed before any answer"

# 4. Exactly one sign is right. Click the clockwise one: if it gets the red
# frame it was right, and "avanti" brings a new exercise to try again, so
# that a wrong answer followed by the right one is seen too.
wrong_seen=0
for round in 1 2 3 4 5 6 7 8; do
    click $((AX + 320 + 76)) $((AY + 216 + 72))
    result=$(frames_after 3)
    case $result in
    orario)
        echo "round $round: the clockwise sign was right and is framed"
        shot giusta-oraria
        [ "$round" -lt 8 ] || break
        click $((AX + 520 + 47)) $((AY + 336 + 36))
        wait_settled "$APP_PID" || die "the program does not settle after \"avanti\""
        [ "$(frames_after 0)" = nessuno ] || die "after \"avanti\" a sign is still framed"
        ;;
    nessuno)
        echo "round $round: the clockwise sign was wrong, nothing is framed"
        shot sbagliata-oraria
        click $((AX + 48 + 76)) $((AY + 216 + 72))
        result=$(frames_after 10)
        [ "$result" = antiorario ] || die "after the wrong sign, the other one is not framed alone ($result)"
        echo "round $round: the anticlockwise sign was right and is framed"
        shot giusta-antioraria
        wrong_seen=1
        break
        ;;
    *) die "after a click on the clockwise sign: frame on $result" ;;
    esac
done
[ "$wrong_seen" = 1 ] || echo "note: the clockwise sign was right in all eight rounds"

# 5. "Esci", the third entry of the menu bar: find its caption's place on
# the screen as the third group of dark columns in the bar.
timeout 20 import -window root "$work/bar.png"
read -r esci_left esci_right < <(
    menu_bar_entry "$work/bar.png" "$WX" "$WY" "$WW" "$menubar" 3
) || die "the menu bar has no third entry"
echo "menu bar: \"Esci\" spans x $esci_left..$esci_right"
click $((WX + (esci_left + esci_right) / 2)) $((WY + menubar / 2))
expect Vortelia "!640x480" "question to go back"
box=$WIN
shot domanda-menu
# The default button is "Sì".
timeout 10 xdotool windowfocus --sync "$box" || true
timeout 10 xdotool key Return
expect Vortelia 640x480 "menu again"
wait_gone "$exercise" || die "the exercise is still shown with the menu"
wait_gone "$box" || die "the question is still shown with the menu"
only_window "$WIN" "menu again"
MX=$WX
MY=$WY
shot menu-di-nuovo

# 6. The menu's "Esci" button, "Sì", and the program ends.
click $((MX + 352 + 100)) $((MY + 376 + 24))
expect Vortelia "!640x480" "question to quit"
box=$WIN
shot domanda-uscita
timeout 10 xdotool windowfocus --sync "$box" || true
started=$SECONDS
timeout 10 xdotool key Return
while kill -0 "$APP_PID" 2>/dev/null; do
    ((SECONDS - started < 10)) || die "the program is still running 10 s after \"Sì\""
    sleep 0.2
done
status=0
wait "$APP_PID" || status=$?
APP_PID=
[ "$status" = 0 ] || die "the program ended with exit status $status"
echo "the program ended by itself within $((SECONDS - started)) s, exit status 0"
echo "PASS: a pupil's session, screenshots in $shots"
