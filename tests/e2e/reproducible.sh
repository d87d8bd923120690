#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Two builds of the same commit in two different folders give byte-identical
# Debian packages when SOURCE_DATE_EPOCH is the time of the last commit, as
# reproducible-build checkers do it. Only the program and its data are built.
# Exits 77 outside a git checkout or without cpack, dpkg-deb or git.
# Usage: reproducible.sh CMAKE CPACK SOURCE-DIR
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

cmake=${1:?usage: reproducible.sh CMAKE CPACK SOURCE-DIR}
cpack=${2:?usage: reproducible.sh CMAKE CPACK SOURCE-DIR}
source=${3:?usage: reproducible.sh CMAKE CPACK SOURCE-DIR}
command -v "$cpack" >/dev/null || skip "cpack is not installed"
command -v dpkg-deb >/dev/null || skip "dpkg-deb is not installed"
command -v git >/dev/null || skip "git is not installed"
SOURCE_DATE_EPOCH=$(git -C "$source" log -1 --format=%ct 2>/dev/null) || skip "$source is not a git checkout"
export SOURCE_DATE_EPOCH

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
trap 'exit 130' INT TERM HUP

# ccache, when there, makes the second build cheap; it must not change a byte.
configure=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF)
if command -v ccache >/dev/null; then
    configure+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR=$work CCACHE_NOHASHDIR=1
fi
# Folders of different names and depths, so that no path can cancel out.
builds=("$work/one/build" "$work/second/b/folder")
for build in "${builds[@]}"; do
    mkdir -p "$build"
    "$cmake" -S "$source" -B "$build" "${configure[@]}" >"$build.log" 2>&1 ||
        { cat "$build.log"; fail "configure in $build failed"; }
    "$cmake" --build "$build" -j "$(nproc)" >>"$build.log" 2>&1 ||
        { tail -n 50 "$build.log"; fail "build in $build failed"; }
    (cd "$build" && "$cpack" --config CPackConfig.cmake -G DEB -B "$build/out") >>"$build.log" 2>&1 ||
        { tail -n 50 "$build.log"; fail "cpack in $build failed"; }
done
one=("${builds[0]}"/out/*.deb)
two=("${builds[1]}"/out/*.deb)
[ ${#one[@]} = 1 ] && [ -f "${one[0]}" ] && [ ${#two[@]} = 1 ] && [ -f "${two[0]}" ] ||
    fail "cpack made no single package: ${one[*]} ${two[*]}"
echo "SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH"
sha256sum "${one[0]}" "${two[0]}"
if ! cmp -s "${one[0]}" "${two[0]}"; then
    # Say where they differ: the archive members, then the files in them.
    for n in 1 2; do
        mkdir -p "$work/x$n"
        deb=$([ $n = 1 ] && echo "${one[0]}" || echo "${two[0]}")
        (cd "$work/x$n" && ar x "$deb" && dpkg-deb --ctrl-tarfile "$deb" | tar tv >control.list &&
            dpkg-deb --fsys-tarfile "$deb" | tar tv --full-time >data.list && dpkg-deb -x "$deb" root)
    done
    diff "$work/x1/control.list" "$work/x2/control.list" >&2 || true
    diff "$work/x1/data.list" "$work/x2/data.list" >&2 || true
    diff -r "$work/x1/root" "$work/x2/root" >&2 || true
    fail "the two packages differ"
fi
echo "PASS: the two packages are byte-identical"
