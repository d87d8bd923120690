#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A letter's folder that is a symbolic link to a folder of the teacher's
# own (Documenti/scuola, with files and a folder in it), as a pupil on a
# shared account could leave it. Saving the letter from the command line
# replaces the link by the figure's folder, removing the letter takes a link
# away as a link, and the folder it pointed to keeps every file as it was;
# no working folder is left beside the letters'.
#
# Usage: linked_letter_folder.sh PROGRAM
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

program=${1:?usage: linked_letter_folder.sh PROGRAM}
new_work_folder
copy_drawings

figure=$work/home/.local/share/Vortelia/figure
documents=$work/home/Documenti/scuola
mkdir -p "$figure" "$documents/gite"
printf 'tema\n' >"$documents/tema.txt"
# Named as a view is, so that a save that wrote through the link would show.
printf 'non una vista\n' >"$documents/b1.jpg"
printf 'foto\n' >"$documents/gite/foto.jpg"
before=$(tree_sums "$documents")

# documents_kept WHEN: the linked folder holds what it held.
documents_kept() {
    [ "$(tree_sums "$documents")" = "$before" ] || fail "$1, the linked folder changed"
}

ln -s "$documents" "$figure/b"
run_cli --nuova-figura "$work/barca.svg" --lettera b
[ "$STATUS" = 0 ] || fail "saving over a link exits $STATUS: $ERR"
[ ! -L "$figure/b" ] || fail "the link is still in the letter's place"
[ -f "$figure/b/b8.jpg" ] || fail "the figure is not in the letter's folder"
documents_kept "after the save"
no_work_folders "$figure"

run_cli --togli-figura b
[ "$STATUS" = 0 ] || fail "removing the saved figure exits $STATUS: $ERR"
[ ! -e "$figure/b" ] || fail "the letter's folder is still there"
documents_kept "after removing the saved figure"

ln -s "$documents" "$figure/b"
run_cli --togli-figura b
[ "$STATUS" = 0 ] || fail "removing a link exits $STATUS: $ERR"
if [ -e "$figure/b" ] || [ -L "$figure/b" ]; then fail "the link is still there"; fi
documents_kept "after removing the link"
no_work_folders "$figure"
echo "PASS"
