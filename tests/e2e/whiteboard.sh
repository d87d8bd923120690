#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A pupil's session on a 1920x1080 whiteboard, in full screen: F11 on the
# start window with a window manager running, then every next window opens in
# full screen too; the pupil clicks at the places the scaled layout puts the
# controls: "Avvio", "Indica il tipo di rotazione", a sign, "Esci" in the menu
# bar, the menu's "Esci". Then the program is started again with
# --schermo-intero. Only the screen is looked at. Exits 77 when no X server or
# no window manager can be started.
#
# Usage: whiteboard.sh PROGRAM [SHOTS-DIR]   (a screenshot of every step goes there)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

program_argument "whiteboard.sh PROGRAM [SHOTS-DIR]" "${1:-}"
command -v openbox >/dev/null || skip "openbox is not installed: X honours full screen only with a window manager"

W=1920
H=1080
new_wm_work_folder "${2:-}"

# layout STORED-W STORED-H AREA-TOP: the scale and the offsets of a layout
# shown as large as fits below AREA-TOP, centred (S, OX, OY).
layout() {
    read -r S OX OY < <(awk -v sw="$1" -v sh="$2" -v top="$3" -v w=$W -v h=$H 'BEGIN {
        ah = h - top; s = w / sw; if (ah / sh < s) s = ah / sh
        printf "%.6f %.3f %.3f\n", s, (w - sw * s) / 2, top + (ah - sh * s) / 2 }')
}

# at X Y: the screen point of a stored point of the present layout (AT_X, AT_Y).
at() {
    read -r AT_X AT_Y < <(awk -v x="$1" -v y="$2" -v s="$S" -v ox="$OX" -v oy="$OY" \
        'BEGIN { printf "%d %d\n", x * s + ox + 0.5, y * s + oy + 0.5 }')
}

click_stored() {
    at "$1" "$2"
    click "$AT_X" "$AT_Y"
}

colour_at() {
    at "$2" "$3"
    pixel "$1" "$AT_X" "$AT_Y"
}

start_driven_xvfb "$work" ${W}x${H} || skip "$XVFB_PROBLEM"
# The program starts only once openbox manages windows.
start_openbox "$work" || fail "$WM_PROBLEM"

# 1. The start window at its stored size; F11 puts it in full screen.
start_program
expect Vortelia 701x557 "start"
timeout 10 xdotool windowactivate --sync "$WIN" 2>/dev/null || timeout 10 xdotool windowfocus --sync "$WIN"
timeout 10 xdotool key F11
expect Vortelia ${W}x${H} "start in full screen"
wait_settled "$APP_PID" || die "the program does not settle"
shot avvio
layout 701 557 0
# The margins left and right are the window's colour; the title is on cyan.
margin=$(pixel "$SHOT" 5 540)
[ "$(pixel "$SHOT" $((W - 5)) 540)" = "$margin" ] || die "the two margins differ"
[ "$(colour_at "$SHOT" -2 300)" = "$margin" ] || die "the left margin is not the window's colour"
[ "$(colour_at "$SHOT" 60 200)" = "0,255,255" ] || die "no cyan title where the layout puts it"
start_window=$WIN

# 2. "Avvio": the menu opens in full screen.
click_stored $((161 + 147)) $((333 + 47))
expect Vortelia ${W}x${H} "menu"
wait_gone "$start_window" || die "the start window is still shown with the menu"
menu_window=$WIN
wait_settled "$APP_PID" || die "the program does not settle"
shot menu
layout 640 480 0

# 3. "Indica il tipo di rotazione": the exercise opens in full screen.
click_stored $((8 + 100)) $((296 + 20))
expect "Indica il tipo di rotazione" ${W}x${H} "exercise"
wait_gone "$menu_window" || die "the menu is still shown with the exercise"
exercise=$WIN
wait_settled "$APP_PID" || die "the program does not settle"
shot esercizio
# The menu bar ends where the window's colour starts at the bottom right.
area=$(pixel "$SHOT" $((W - 3)) $((H - 3)))
menubar=0
for ((y = 0; y < 120; y++)); do
    if [ "$(pixel "$SHOT" $((W - 3)) "$y")" = "$area" ]; then
        menubar=$y
        break
    fi
done
((menubar >= 10 && menubar <= 60)) || die "no menu bar of a sensible height above the area ($menubar)"
echo "menu bar: $menubar pixels"
layout 638 459 "$menubar"

# red_frame FILE LEFT: the red frame of the sign whose stored box starts at
# LEFT (top 216, 153x145, 9 pixels wide) is drawn on all four sides.
red_frame() {
    local file=$1 left=$2
    [ "$(colour_at "$file" $((left + 4)) 288)" = "255,0,0" ] &&
        [ "$(colour_at "$file" $((left + 148)) 288)" = "255,0,0" ] &&
        [ "$(colour_at "$file" $((left + 76)) 220)" = "255,0,0" ] &&
        [ "$(colour_at "$file" $((left + 76)) 356)" = "255,0,0" ]
}
wait_frame() {
    local deadline=$((SECONDS + 10))
    while ((SECONDS < deadline)); do
        timeout 20 import -window root "$work/now.png"
        red_frame "$work/now.png" "$1" && return 0
        sleep 0.3
    done
    return 1
}

timeout 20 import -window root "$work/now.png"
red_frame "$work/now.png" 320 && die "a sign is framed before any answer"
# 4. The clockwise sign, and if it was wrong the anticlockwise one.
click_stored $((320 + 76)) $((216 + 72))
if wait_frame 320; then
    echo "the clockwise sign was right and is framed"
    shot giusta-oraria
else
    click_stored $((48 + 76)) $((216 + 72))
    wait_frame 48 || die "neither sign got its red frame"
    echo "the anticlockwise sign was right and is framed"
    shot giusta-antioraria
fi

# 5. "Esci" of the menu bar: the third group of dark columns in the bar.
timeout 20 import -window root "$work/bar.png"
read -r esci_left esci_right < <(
    convert "$work/bar.png" -crop "${W}x${menubar}+0+0" -depth 8 txt:- |
        awk -F'[,:() ]+' 'NR > 1 && $3 + $4 + $5 < 240 { dark[$1] = 1 }
            END {
                n = 0; last = -100
                for (x = 0; x < '"$W"'; x++)
                    if (x in dark) { if (x - last > 14) { n++; from[n] = x }; to[n] = x; last = x }
                if (n >= 3) print from[3], to[3]
            }'
) || die "the menu bar has no third entry"
echo "menu bar: \"Esci\" spans x $esci_left..$esci_right"
click $(((esci_left + esci_right) / 2)) $((menubar / 2))
expect Vortelia "!${W}x${H}" "question to go back"
shot domanda-menu
timeout 10 xdotool windowfocus --sync "$WIN" || true
timeout 10 xdotool key Return
expect Vortelia ${W}x${H} "menu again, in full screen"
wait_gone "$exercise" || die "the exercise is still shown with the menu"
wait_settled "$APP_PID" || die "the program does not settle"
shot menu-di-nuovo
layout 640 480 0

# 6. The menu's "Esci", "Sì", and the program ends.
click_stored $((352 + 100)) $((376 + 24))
expect Vortelia "!${W}x${H}" "question to quit"
timeout 10 xdotool windowfocus --sync "$WIN" || true
timeout 10 xdotool key Return
started=$SECONDS
while kill -0 "$APP_PID" 2>/dev/null; do
    ((SECONDS - started < 10)) || die "the program is still running 10 s after \"Sì\""
    sleep 0.2
done
wait "$APP_PID" || die "the program ended with an error"
APP_PID=

# 7. --schermo-intero: the start window opens in full screen at once.
start_program --schermo-intero
expect Vortelia ${W}x${H} "start with --schermo-intero"
wait_settled "$APP_PID" || die "the program does not settle"
shot schermo-intero
stop_processes "$APP_PID"
APP_PID=
echo "PASS: a pupil's session in full screen, screenshots in $shots"
