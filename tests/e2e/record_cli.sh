#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The class record from the command line, as a technician uses it: each
# refusal (a bad class list, a short password, a record already on, a wrong
# password, no record, a day that is not one) exits non-zero with one
# Italian line and changes nothing; switching on prints the recovery code;
# the answers and the grid come out as CSV; erasing up to a day keeps the
# later answers.
#
# Usage: record_cli.sh PROGRAM LAB-PUPIL
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

program=${1:?usage: record_cli.sh PROGRAM LAB-PUPIL}
pupil=${2:?usage: record_cli.sh PROGRAM LAB-PUPIL}
new_work_folder
password=lavagna-verde
keys=$work/home/.local/share/Vortelia/registro/chiavi.json

# refused STATUS WHAT: the last run exited STATUS with one line.
refused() {
    [ "$STATUS" = "$1" ] || fail "$2 exits $STATUS, not $1: $ERR"
    [ "$(wc -l <<<"$ERR")" = 1 ] || fail "$2 writes: $ERR"
    case $ERR in vortelia:*) ;; *) fail "$2 says: $ERR" ;; esac
}

run_cli --registro-csv "$work/r.csv" <<<"$password"
refused 1 "no record"
for list in "" "Anna\nanna" "Anna\n$(printf 'x%.0s' {1..50})"; do
    printf "$list" >"$work/classe.txt"
    run_cli --registro-attiva "$work/classe.txt" <<<"$password"
    refused 1 "the list '$list'"
done
[ ! -e "$keys" ] || fail "a refused list made the keys"
printf 'Anna\nBruno\n' >"$work/classe.txt"
run_cli --registro-attiva "$work/classe.txt" <<<"corta"
refused 1 "a short password"
run_cli --registro-attiva "$work/classe.txt" <<<"$password"
[ "$STATUS" = 0 ] || fail "switching on exits $STATUS: $ERR"
grep -Eq '^([A-Z2-9]{4}-){5}[A-Z2-9]{4}$' <<<"$OUT" || fail "no recovery code: $OUT"
saved=$(sha256sum "$keys")
run_cli --registro-attiva "$work/classe.txt" <<<"$password"
refused 1 "switching on again"
[ "$(sha256sum "$keys")" = "$saved" ] || fail "switching on again changed the keys"

in_cli_home "$pupil" Anna 6 >"$work/anna" 2>"$work/anna.err" ||
    fail "Anna's play exits $?: $(cat "$work/anna.err")"
run_cli --registro-csv "$work/r.csv" <<<"sbagliata"
refused 1 "a wrong password"
[ ! -e "$work/r.csv" ] || fail "a wrong password wrote the CSV"
run_cli --registro-cancella-fino 31/02/2027 <<<"$password"
refused 2 "a day that is not one"
run_cli --registro-csv "$work/r.csv" <<<"$password"
[ "$STATUS" = 0 ] || fail "the CSV exits $STATUS: $ERR"
grep -q '^.*data;alunno;esercizio;.*;esito;primo_tentativo;secondi' <<<"$(head -1 "$work/r.csv")" ||
    fail "the CSV's head: $(head -1 "$work/r.csv")"
[ "$(($(wc -l <"$work/r.csv") - 1))" = 6 ] || fail "6 answers played, the CSV has: $(cat "$work/r.csv")"
run_cli --registro-griglia "$work/g.csv" <<<"$password"
# Anna's row ends with all the exercises together: 6 answers, today.
[ "$STATUS" = 0 ] && grep -Eq "^Anna;.*;6;[0-9,]+;[0-9-]{10}\$" <<<"$(tr -d '\r' <"$work/g.csv")" ||
    fail "the grid: $ERR $(cat "$work/g.csv" 2>/dev/null)"

# The day the answers were given, as the record has it (not today's date,
# which may have turned since).
day=$(sed -n 2p "$work/r.csv" | cut -c1-10)
run_cli --registro-cancella-fino "$(date -d "$day - 1 day" +%F)" <<<"$password"
[ "$STATUS" = 0 ] || fail "erasing up to the day before exits $STATUS: $ERR"
run_cli --registro-csv "$work/r.csv" <<<"$password"
[ "$(($(wc -l <"$work/r.csv") - 1))" = 6 ] || fail "erasing up to the day before took today's answers"
run_cli --registro-cancella-fino "$day" <<<"$password"
run_cli --registro-csv "$work/r.csv" <<<"$password"
[ "$(wc -l <"$work/r.csv")" = 1 ] || fail "erasing up to that day left: $(cat "$work/r.csv")"
echo PASS
