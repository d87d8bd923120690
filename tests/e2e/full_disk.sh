#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A full disk as a teacher meets it: the data folder on a small file system
# (a tmpfs of 1 MB), a figure saved for b, then the disk filled, first all
# but a little (the save's lock fits, its files do not), then to the last
# byte, and b saved again each time. Each later save exits 1 saying that the
# disk is full, and the first figure's files stay whole and unchanged; no
# working folder is left. The file system is mounted in a mount namespace of
# the script's own (as root, or as a user mapped to root), so that it goes
# with the script; exits 77 where no file system can be mounted.
#
# Usage: full_disk.sh PROGRAM
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

program=${1:?usage: full_disk.sh PROGRAM}
case $program in /*) ;; *) program=$PWD/$program ;; esac

in_own_mount_namespace "$0" "$program"
[ -n "${VORTELIA_OWN_MOUNTS:-}" ] || [ "$(id -u)" = 0 ] ||
    skip "not root, and no mount namespace can be made (unshare --map-root-user --mount)"

new_work_folder
disk=$work/disk
mkdir "$disk"
mount -t tmpfs -o size=1m,mode=700 tmpfs "$disk" 2>"$work/mount.log" ||
    skip "a tmpfs cannot be mounted: $(cat "$work/mount.log")"
trap 'umount "$disk" 2>/dev/null || true; rm -rf "$work"' EXIT
copy_drawings
DATA_HOME=$disk
b=$disk/Vortelia/figure/b

run_cli --nuova-figura "$work/barca.svg" --lettera b
[ "$STATUS" = 0 ] || fail "the first save exits $STATUS: $ERR"
saved=$(tree_sums "$b")

# save_on_full_disk WHEN: b saved again is refused for a full disk, the
# first figure as it was.
save_on_full_disk() {
    run_cli --nuova-figura "$work/barca.svg" --lettera b
    [ "$STATUS" = 1 ] || fail "$1: the save exits $STATUS, not 1: $OUT $ERR"
    grep -qF "il disco è pieno" <<<"$ERR" || fail "$1: the full disk is not named: $ERR"
    [ "$(tree_sums "$b")" = "$saved" ] || fail "$1: the first figure's files changed"
    no_work_folders "$disk/Vortelia/figure"
    echo "$1: $ERR"
}

head -c 2M /dev/zero >"$disk/pieno" 2>/dev/null || true
truncate -s -64K "$disk/pieno"
save_on_full_disk "64 kB left"
head -c 1M /dev/zero >>"$disk/pieno" 2>/dev/null || true
save_on_full_disk "no byte left"
echo "PASS"
