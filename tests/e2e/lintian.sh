#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# lintian, Debian's package checker, finds no error and no warning in the
# package; its informational notes are shown but allowed. Exits 77 when
# lintian is not installed.
# Usage: lintian.sh DEB
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

deb=${1:?usage: lintian.sh DEB}
[ -f "$deb" ] || fail "no package at $deb"
command -v lintian >/dev/null || skip "lintian is not installed"

out=$(lintian --display-info --fail-on none "$deb" 2>&1) || fail "lintian could not run: $out"
echo "$out"
if grep -q '^[EW]: ' <<<"$out"; then
    fail "lintian reports errors or warnings"
fi
echo "PASS: lintian reports no error and no warning"
