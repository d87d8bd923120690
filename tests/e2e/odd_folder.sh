#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program copied into a folder whose name is not valid UTF-8 (a Latin-1
# "é", as an old stick or share gives it) and started, directly and through
# a link from elsewhere, with LANG=C and with a UTF-8 locale: it finds its
# pictures there (no message about missing pictures, and an exercise opens).
# Exits 77 only when no X server can be started.
#
# Usage: odd_folder.sh PROGRAM-FOLDER
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

program_folder_argument "odd_folder.sh PROGRAM-FOLDER" "${1:-}"


folder="$work/Esercizi caff"$'\xe9'
mkdir "$folder"
cp "$source_dir/vortelia" "$folder/"
cp -r "$source_dir/jpg" "$source_dir/suoni" "$folder/"
mkdir "$work/elsewhere"
ln -s "$folder/vortelia" "$work/elsewhere/vortelia"

start_driven_xvfb "$work" || skip "$XVFB_PROBLEM"
mkdir -m 700 "$work/runtime"

# run LANG PROGRAM: the start window alone, then "Avvio" and an exercise.
run() {
    local lang=$1 program=$2
    (cd / && exec env -u LC_ALL -u LC_CTYPE -u LANGUAGE -u QT_SCALE_FACTOR LANG="$lang" \
        QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime" "$program") \
        >"$work/program.log" 2>&1 &
    APP_PID=$!
    local found start menu others
    found=$(wait_window Vortelia 701x557 30) || die "LANG=$lang: no start window"
    read -r start _ _ SX SY <<<"$found"
    # A message about missing pictures is up once the program has settled.
    wait_settled "$APP_PID" || die "LANG=$lang: the program does not settle after its start"
    others=$(visible_windows | awk -v id="$start" '$1 != id')
    [ -z "$others" ] || die "LANG=$lang: a message with the start window: $others"

    click $((SX + 308)) $((SY + 380))
    found=$(wait_window Vortelia 640x480 30) || die "LANG=$lang: Avvio does not open the menu"
    read -r menu _ _ MX MY <<<"$found"
    # "Indica il tipo di rotazione": without pictures a message comes instead.
    click $((MX + 8 + 100)) $((MY + 296 + 20))
    found=$(wait_window "Indica il tipo di rotazione" "638x*" 30) ||
        die "LANG=$lang: the exercise does not open"
    wait_gone "$menu" || die "LANG=$lang: the menu stays"
    others=$(visible_windows | awk -v id="${found%% *}" '$1 != id')
    [ -z "$others" ] || die "LANG=$lang: a message with the exercise: $others"
    echo "LANG=$lang, $program: pictures found, the exercise opens"
    stop_processes "$APP_PID"
    APP_PID=
}

run C "$folder/vortelia"
run C "$work/elsewhere/vortelia"
run C.UTF-8 "$folder/vortelia"
echo "PASS"
