#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package into a temporary folder and checks it: its fields
# and Depends, its files (the program and its data only, laid out as by
# `cmake --install` under /usr), and that the unpacked program starts; keeps
# the package as KEEP when given. Exits 77 when cpack or dpkg-deb is missing.
# Usage: package.sh CPACK BUILD-DIR [KEEP]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

cpack=${1:?usage: package.sh CPACK BUILD-DIR}
build=${2:?usage: package.sh CPACK BUILD-DIR}
keep=${3:-}
[ -z "$keep" ] || rm -f "$keep"
command -v "$cpack" >/dev/null || skip "cpack is not installed"
command -v dpkg-deb >/dev/null || skip "dpkg-deb is not installed"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
trap 'exit 130' INT TERM HUP

(cd "$build" && "$cpack" --config CPackConfig.cmake -G DEB -B "$work/out") >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack failed"; }
debs=("$work"/out/*.deb)
if [ ${#debs[@]} != 1 ] || [ ! -f "${debs[0]}" ]; then
    fail "cpack made no single .deb: ${debs[*]}"
fi
deb=${debs[0]}
echo "package: $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = vortelia ] || fail "Package is '$(field Package)'"
[ "$(field Section)" = education ] || fail "Section is '$(field Section)'"
[ "$(field Maintainer)" = "Vortelia <info@vortelia.example>" ] || fail "Maintainer is '$(field Maintainer)'"
depends=$(field Depends)
echo "Depends: $depends"
names=$(echo "$depends" | tr ',' '\n' | sed 's/(.*)//; s/|.*//; s/[[:space:]]//g' | grep .)
for needed in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libqt6multimedia6 \
    fonts-liberation fonts-dejavu-core fonts-dejavu-extra qt6-translations-l10n; do
    grep -qxF "$needed" <<<"$names" || fail "Depends lacks $needed"
done
# Every name must be a real package: installed here, or known to apt.
for name in $names; do
    [ "$(dpkg-query -W -f='${Status}' "$name" 2>/dev/null)" = "install ok installed" ] ||
        apt-cache show "$name" >/dev/null 2>&1 ||
        fail "Depends names '$name', which is no package known here"
done

# The files, links included, against the layout of an install under /usr.
listed=$(dpkg-deb -c "$deb" | grep -v '^d' | sed -E 's/^([^ ]+ +){5}//')
expected=$(expected_tree | sed 's|^|./usr/|; s|^\./usr/bin/vortelia$|./usr/bin/vortelia -> ../lib/vortelia/vortelia|' |
    LC_ALL=C sort)
if [ "$(echo "$listed" | LC_ALL=C sort)" != "$expected" ]; then
    diff <(echo "$expected") <(echo "$listed" | LC_ALL=C sort) >&2 || true
    fail "the package's files are not the expected ones (< expected, > found)"
fi
echo "package files: $(echo "$listed" | wc -l), as expected"

dpkg-deb -x "$deb" "$work/root"
check_tree "$work/root/usr"
run_briefly "$work/root/usr/bin/vortelia" "$work/run.log"
if [ -n "$keep" ]; then
    mkdir -p "$(dirname "$keep")"
    cp "$deb" "$keep"
fi
echo "PASS: Debian package"
