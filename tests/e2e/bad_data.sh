#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program in a real X window with no figure pictures at all, started
# through a symbolic link from a read-only folder whose name has a blank and
# an accented letter: it says what is missing, stays responsive, opens no
# exercise it cannot show, and ends normally. Exits 77 only when no X server
# can be started.
#
# Usage: bad_data.sh PROGRAM-FOLDER
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

program_folder_argument "bad_data.sh PROGRAM-FOLDER" "${1:-}"


folder="$work/Esercizi più belli"
mkdir -p "$folder"
cp "$source_dir/vortelia" "$folder/"
cp -r "$source_dir/suoni" "$folder/"
chmod -R a-w "$folder"
mkdir "$work/elsewhere"
ln -s "$folder/vortelia" "$work/elsewhere/vortelia"

start_driven_xvfb "$work" || skip "$XVFB_PROBLEM"
mkdir -m 700 "$work/runtime"
(cd "$work/elsewhere" && exec env -u QT_SCALE_FACTOR QT_QPA_PLATFORM=xcb \
    XDG_RUNTIME_DIR="$work/runtime" ./vortelia) >"$work/program.log" 2>&1 &
APP_PID=$!

found=$(wait_window Vortelia 701x557 30) || die "no start window"
read -r start _ _ SX SY <<<"$found"
found=$(wait_window Vortelia '!701x557' 30) || die "no message about the missing pictures"
read -r box _ _ _ _ <<<"$found"
echo "the message about the missing pictures is shown"
timeout 10 xdotool key Return
wait_gone "$box" || die "the message box does not close"

# Still responsive: "Avvio" opens the menu.
click $((SX + 308)) $((SY + 380))
found=$(wait_window Vortelia 640x480 30) || die "Avvio does not open the menu"
read -r menu _ _ MX MY <<<"$found"
wait_gone "$start" || die "the start window stays"

# An exercise cannot be shown: a message, and the menu stays.
click $((MX + 344 + 100)) $((MY + 152 + 20))
found=$(wait_window Vortelia '!640x480' 30) || die "no message when opening an exercise"
read -r box _ _ _ _ <<<"$found"
timeout 10 xdotool key Return
wait_gone "$box" || die "the message box does not close"
wait_settled "$APP_PID" || die "the program does not settle after the message"
others=$(visible_windows | awk -v id="$menu" '$1 != id')
[ -z "$others" ] || die "other windows than the menu: $others"

# "Esci", "Sì": the program ends by itself.
click $((MX + 352 + 100)) $((MY + 376 + 24))
found=$(wait_window Vortelia '!640x480' 30) || die "no question on Esci"
timeout 10 xdotool key Return
for _ in $(seq 50); do
    kill -0 "$APP_PID" 2>/dev/null || break
    sleep 0.2
done
if kill -0 "$APP_PID" 2>/dev/null; then
    die "the program is still running after Esci, Sì"
fi
wait "$APP_PID" || die "the program ended with an error"
APP_PID=
echo "PASS"
