#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A class figure in a pupil's exercise, in a real X window: the program runs
# with no class figure, "Indica il tipo di rotazione" shows a shipped one;
# a technician then saves a class figure for every letter from the command
# line, and after "avanti" the exercise shows it, without a restart. Judged
# by the screen alone: the class figure has a colour no shipped figure has.
# Exits 77 only when no X server can be started.
#
# Usage: class_figure_exercise.sh PROGRAM [SHOTS-DIR]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

program_argument "class_figure_exercise.sh PROGRAM [SHOTS-DIR]" "${1:-}"

start_shot_session "${2:-}"
copy_drawings

environment=(HOME="$work" XDG_DATA_HOME="$work/data" XDG_DATA_DIRS="$work/school"
    XDG_RUNTIME_DIR="$work/runtime")

# class_pixels FILE: how many pixels of the exercise's row of views have the
# class colour.
class_pixels() {
    convert "$1" -crop "500x140+$AX+$((AY + 35))" -depth 8 txt:- |
        sed -n 's/^[^(]*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p' |
        awk '$1 < 60 && $2 > 170 && $2 < 230 && $3 > 140 && $3 < 200 { n++ } END { print n + 0 }'
}

(cd "$work" && exec env "${environment[@]}" QT_QPA_PLATFORM=xcb "$program") \
    >"$work/program.log" 2>&1 &
APP_PID=$!
expect Vortelia 701x557 "start"
wait_settled "$APP_PID" || die "the program does not settle after its start"
start_window=$WIN
click $((WX + 161 + 147)) $((WY + 333 + 47))
expect Vortelia 640x480 "menu"
wait_gone "$start_window" || die "the start window is still shown with the menu"
menu_window=$WIN
click $((WX + 8 + 100)) $((WY + 296 + 20))
expect "Indica il tipo di rotazione" "638x*" "exercise"
wait_gone "$menu_window" || die "the menu is still shown with the exercise"
AX=$WX
AY=$((WY + WH - 459))
wait_settled "$APP_PID" || die "the exercise does not settle"
shot shipped
[ "$(class_pixels "$SHOT")" -lt 50 ] || die "a class colour before any class figure"

# Saved while the exercise is open, from the command line.
for letter in {a..z}; do
    env "${environment[@]}" "$program" --nuova-figura "$work/bandiera.svg" --lettera "$letter" \
        >/dev/null 2>"$work/cli.err" || die "saving the figure of $letter: $(cat "$work/cli.err")"
done

# "avanti" is enabled once the exercise is answered: one of the two signs is right.
deadline=$((SECONDS + 60))
while :; do
    click $((AX + 320 + 76)) $((AY + 216 + 72))
    click $((AX + 48 + 76)) $((AY + 216 + 72))
    click $((AX + 520 + 47)) $((AY + 336 + 36))
    wait_settled "$APP_PID" || die "the program does not settle after \"avanti\""
    timeout 20 import -window root "$work/now.png"
    n=$(class_pixels "$work/now.png")
    ((n < 2000)) || break
    ((SECONDS < deadline)) || die "no class figure in the next exercise ($n pixels of its colour)"
done
shot class-figure
echo "the class figure shows: $n pixels of its colour"
echo PASS
