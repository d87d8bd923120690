#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Worksheets from the command line with no display: a sheet in two versions
# is written (and the same seed writes the same bytes); a wrong line, or a
# file that cannot be written, gets one Italian line, a non-zero status and
# no file.
#
# Usage: worksheet_cli.sh PROGRAM
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

program=${1:?usage: worksheet_cli.sh PROGRAM}
command -v pdfinfo >/dev/null || skip "pdfinfo (poppler-utils) is not installed"
new_work_folder

lines() {
    if [ -z "$1" ]; then echo 0; else wc -l <<<"$1"; fi
}

run_cli --scheda "$work/a.pdf" --esercizi FormEs2:2,FormEs14:1 --versioni 2 --seme 41
[ "$STATUS" = 0 ] || fail "a sheet exits $STATUS: $ERR"
pages=$(pdfinfo "$work/a.pdf" | awk '/^Pages:/ { print $2 }')
# Each version: its exercises and its key on a page of its own.
[ "$pages" -ge 4 ] || fail "two versions with their keys in $pages pages"
run_cli --scheda "$work/b.pdf" --esercizi FormEs2:2,FormEs14:1 --versioni 2 --seme 41
[ "$STATUS" = 0 ] || fail "the same sheet again exits $STATUS: $ERR"
cmp -s "$work/a.pdf" "$work/b.pdf" || fail "the same seed wrote different files"

for wrong in "--esercizi FormEs99:2" "--esercizi FormEs2:0" "--esercizi FormEs2:2 --seme sette" \
    "--esercizi FormEs2:2 --versioni 9"; do
    # shellcheck disable=SC2086 # split on purpose
    run_cli --scheda "$work/c.pdf" $wrong
    [ "$STATUS" != 0 ] || fail "'$wrong' exits 0"
    [ "$(lines "$ERR")" = 1 ] || fail "'$wrong' writes $(lines "$ERR") lines: $ERR"
    [ ! -e "$work/c.pdf" ] || fail "'$wrong' left a file"
done

mkdir "$work/cartella.pdf"
run_cli --scheda "$work/cartella.pdf" --esercizi FormEs2:1
[ "$STATUS" = 1 ] || fail "a folder in the file's place exits $STATUS, not 1"
[ "$(lines "$ERR")" = 1 ] || fail "a folder in the file's place writes: $ERR"
[ -z "$(find "$work" -maxdepth 1 -name '*.pdf.*')" ] || fail "a half-written file is left"
echo PASS
