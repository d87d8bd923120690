#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A lab of two PCs cloned from one disk image: one profile copied whole, the
# class record's folder on one shared folder. The teacher switches the
# record on from the command line; Anna plays on PC 1, Bruno on PC 2, whose
# program is killed mid-play, then plays on while the share is read-only,
# and copies what waited once it can write again. The teacher's CSV holds
# every answer each pupil saw judged, in the order given, and no other; no
# file on the PCs or the share holds a pupil's answers in the clear. The
# read-only share is a bind mount in a mount namespace of the script's own;
# exits 77 where none can be made.
#
# Usage: record_lab.sh PROGRAM LAB-PUPIL
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

program=${1:?usage: record_lab.sh PROGRAM LAB-PUPIL}
pupil=${2:?usage: record_lab.sh PROGRAM LAB-PUPIL}
case $program in /*) ;; *) program=$PWD/$program ;; esac
case $pupil in /*) ;; *) pupil=$PWD/$pupil ;; esac

in_own_mount_namespace "$0" "$program" "$pupil"
[ -n "${VORTELIA_OWN_MOUNTS:-}" ] || skip "no mount namespace can be made for a read-only share"

new_work_folder
share=$work/share
mkdir -p "$share" "$work/runtime"
chmod 700 "$work/runtime"
password=lavagna-verde

# profile N: the environment of PC N's profile, in $profile.
profile() {
    local home=$work/pc$1
    profile=(env -u DISPLAY -u WAYLAND_DISPLAY HOME="$home" XDG_CONFIG_HOME="$home/.config"
        XDG_DATA_HOME="$home/.local/share" XDG_RUNTIME_DIR="$work/runtime")
}

# on_pc N COMMAND...: COMMAND with PC N's profile.
on_pc() {
    profile "$1"
    shift
    "${profile[@]}" "$@"
}

mkdir -p "$work/pc1/.config/Vortelia"
printf '[registro]\nattivo=true\ncartella=%s\n' "$share" >"$work/pc1/.config/Vortelia/Vortelia.conf"
printf 'Anna\nBruno\n' >"$work/classe.txt"
on_pc 1 "$program" --registro-attiva "$work/classe.txt" <<<"$password" >"$work/attiva.out" ||
    fail "--registro-attiva exits $?: $(cat "$work/attiva.out")"
grep -Eq '^([A-Z2-9]{4}-){5}[A-Z2-9]{4}$' "$work/attiva.out" ||
    fail "no recovery code printed: $(cat "$work/attiva.out")"
# The second PC is a clone of the first: the same profile, byte for byte.
cp -a "$work/pc1" "$work/pc2"

on_pc 1 "$pupil" Anna 12 >"$work/anna" || fail "Anna's PC exits $?"

# Bruno's program is killed while he plays.
profile 2
# env runs the program in its own place: $! is the program itself.
"${profile[@]}" "$pupil" Bruno -1 >"$work/bruno" 2>"$work/bruno.err" &
played=$!
# Stopped with the script, whatever happens.
APP_PID=$played
answered() { [ "$(wc -l <"$work/bruno")" -ge "$1" ]; }
wait_until 120 "Bruno never answers 10 times" answered 10
kill -9 "$played"
wait "$played" 2>/dev/null || true
# A line cut by the kill was not seen whole.
sed -i -n '/;\(giusta\|sbagliata\)$/p' "$work/bruno"

# The share goes read-only; Bruno plays on and his answers wait on his PC.
{ mount --bind "$share" "$share" && mount -o remount,bind,ro "$share"; } 2>"$work/mount.log" ||
    skip "the share cannot be made read-only: $(cat "$work/mount.log")"
on_pc 2 "$pupil" Bruno 5 >>"$work/bruno" || fail "Bruno's PC with a read-only share exits $?"
on_pc 2 "$program" --registro-csv "$work/pc2.csv" <<<"$password" 2>"$work/pc2.err" ||
    fail "the teacher on PC 2 exits $?: $(cat "$work/pc2.err")"
grep -q 'aspettano' "$work/pc2.err" || fail "no note of answers waiting: $(cat "$work/pc2.err")"
umount "$share"
on_pc 2 "$pupil" Bruno 0 || fail "Bruno's PC copying what waited exits $?"

on_pc 1 "$program" --registro-csv "$work/tutto.csv" <<<"$password" 2>"$work/tutto.err" ||
    fail "the teacher's CSV exits $?: $(cat "$work/tutto.err")"
python3 - "$work/tutto.csv" "$work/anna" "$work/bruno" <<'PY' || fail "the record and the play differ"
import csv, sys
with open(sys.argv[1], encoding="utf-8-sig", newline="") as f:
    rows = list(csv.DictReader(f, delimiter=";"))
def played(path):
    with open(path) as f:
        return [tuple(l.strip().split(";")) for l in f if l.strip()]
ok = True
for name, path in (("Anna", sys.argv[2]), ("Bruno", sys.argv[3])):
    recorded = [(r["esercizio"], r["scelto"], r["esito"]) for r in rows if r["alunno"] == name]
    seen = played(path)
    if recorded != seen:
        ok = False
        print(f"{name}: played {len(seen)} answers, the record holds {len(recorded)}")
        for i, (a, b) in enumerate(zip(seen, recorded)):
            if a != b:
                print(f"  first difference at {i}: played {a}, recorded {b}")
                break
others = {r["alunno"] for r in rows} - {"Anna", "Bruno"}
if others:
    ok = False
    print("answers of", others)
sys.exit(0 if ok else 1)
PY
[ "$(wc -l <"$work/bruno")" -ge 15 ] || fail "Bruno's answers: $(wc -l <"$work/bruno")"

# Sealed: a pupil's program can add to the record but read none of it.
if grep -rlaF -e FormEs -e giusta -e Bruno --exclude=chiavi.json --exclude='*.conf' \
    "$share" "$work/pc1" "$work/pc2" >"$work/clear"; then
    fail "answers in the clear in: $(cat "$work/clear")"
fi
echo PASS
