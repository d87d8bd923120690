#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The command line as a school's technician uses it, with no display at all:
# --help prints the options, an unknown option gets one line and a non-zero
# status, and the class figures are added, listed and removed, the
# teacher's over the school's, each with its exit status.
#
# Usage: class_figures_cli.sh PROGRAM
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

program=${1:?usage: class_figures_cli.sh PROGRAM}
new_work_folder

lines() {
    if [ -z "$1" ]; then echo 0; else wc -l <<<"$1"; fi
}

run_cli --help
[ "$STATUS" = 0 ] || fail "--help exits $STATUS: $ERR"
for option in --schermo-intero --figure --nuova-figura --lettera --togli-figura --elenca-figure --help; do
    grep -qF -- "$option" <<<"$OUT" || fail "--help does not list $option"
done
[ -z "$ERR" ] || fail "--help wrote on stderr: $ERR"

for wrong in --sconosciuta "--lettera b" "--nuova-figura" "--togli-figura 7" parola; do
    # shellcheck disable=SC2086 # split on purpose
    run_cli $wrong
    [ "$STATUS" = 2 ] || fail "'$wrong' exits $STATUS, not 2"
    [ "$(lines "$ERR")" = 1 ] || fail "'$wrong' writes $(lines "$ERR") lines: $ERR"
    [ -z "$OUT" ] || fail "'$wrong' wrote on stdout: $OUT"
done
grep -qF "opzione sconosciuta: --sconosciuta" <<<"$(run_cli --sconosciuta; echo "$ERR")" ||
    fail "an unknown option is not named"

# Drawings: a boat without symmetry, a heart the same on both sides.
copy_drawings

run_cli --nuova-figura "$work/cuore.svg" --lettera c
[ "$STATUS" = 1 ] || fail "a symmetric drawing exits $STATUS, not 1"
grep -qF "rispetto all'asse verticale" <<<"$ERR" || fail "the symmetry is not named: $ERR"
[ ! -e "$work/home/.local/share/Vortelia/figure/c" ] || fail "a refused drawing was saved"

# The school's figure for b, saved as a technician would.
DATA_HOME=$work/school run_cli --nuova-figura "$work/barca.svg" --lettera B
[ "$STATUS" = 0 ] || fail "saving the school's figure exits $STATUS: $ERR"
[ -f "$work/school/Vortelia/figure/b/b8.jpg" ] || fail "no school figure in $work/school"
run_cli --elenca-figure
[ "$STATUS" = 0 ] || fail "--elenca-figure exits $STATUS"
[ "$(lines "$OUT")" = 26 ] || fail "--elenca-figure lists $(lines "$OUT") letters"
grep -qx "b  della scuola  *$work/school/Vortelia/figure/b" <<<"$OUT" || fail "b is not the school's: $OUT"
grep -qx "a  del programma" <<<"$OUT" || fail "a is not the program's: $OUT"

# The teacher's own wins over the school's, and removing it brings that back.
run_cli --nuova-figura "$work/barca.svg" --lettera b
[ "$STATUS" = 0 ] || fail "saving the teacher's figure exits $STATUS: $ERR"
run_cli --elenca-figure
grep -qx "b  della classe  *$work/home/.local/share/Vortelia/figure/b" <<<"$OUT" ||
    fail "b is not the class's: $OUT"
run_cli --togli-figura b
[ "$STATUS" = 0 ] || fail "--togli-figura exits $STATUS: $ERR"
run_cli --elenca-figure
grep -qx "b  della scuola  .*" <<<"$OUT" || fail "removing did not bring back the school's: $OUT"
run_cli --togli-figura b
[ "$STATUS" = 1 ] || fail "removing the school's figure exits $STATUS, not 1"
[ "$(lines "$ERR")" = 1 ] || fail "the refusal is not one line: $ERR"

# Drawings whose path is not valid UTF-8 (a Latin-1 "è" from an old stick),
# in the file's name and in a folder's: read by their bytes and saved.
odd_file=$(printf 'dis\xe8gno.svg')
odd_folder=$(printf 'cart\xe8lla')
cp "$work/barca.svg" "$work/$odd_file"
mkdir "$work/$odd_folder"
cp "$work/barca.svg" "$work/$odd_folder/disegno.svg"
for letter in e f; do
    if [ "$letter" = e ]; then drawing=$work/$odd_file; else drawing=$work/$odd_folder/disegno.svg; fi
    run_cli --nuova-figura "$drawing" --lettera "$letter"
    [ "$STATUS" = 0 ] || fail "a drawing whose path is not UTF-8 exits $STATUS: $ERR"
    [ -f "$work/home/.local/share/Vortelia/figure/$letter/${letter}8.jpg" ] ||
        fail "the drawing whose path is not UTF-8 was not saved for $letter"
done

# A folder that cannot be written: one line, status 1, nothing made.
touch "$work/file"
DATA_HOME=$work/file run_cli --nuova-figura "$work/barca.svg" --lettera d
[ "$STATUS" = 1 ] || fail "an unwritable folder exits $STATUS, not 1"
[ "$(lines "$ERR")" = 1 ] || fail "the refusal is not one line: $ERR"
grep -qF "c'è un file dove serve una cartella" <<<"$ERR" || fail "the reason is not in Italian: $ERR"
echo "PASS"
