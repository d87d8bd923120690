#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the desktop entry or the AppStream metadata with the distribution's
# own validator; exits 77 when that validator is not installed.
# Usage: validate.sh desktop FILE | validate.sh metainfo FILE
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

kind=${1:?usage: validate.sh desktop|metainfo FILE}
file=${2:?usage: validate.sh desktop|metainfo FILE}
[ -f "$file" ] || fail "no file $file"

case $kind in
desktop)
    command -v desktop-file-validate >/dev/null ||
        skip "desktop-file-validate is not installed (Debian package desktop-file-utils)"
    # It prints hints too; any output at all is treated as a finding.
    out=$(desktop-file-validate "$file" 2>&1) || fail "desktop-file-validate: $out"
    [ -z "$out" ] || fail "desktop-file-validate: $out"
    echo "desktop-file-validate: $file is valid"
    ;;
metainfo)
    command -v appstreamcli >/dev/null ||
        skip "appstreamcli is not installed (Debian package appstream)"
    appstreamcli validate --no-net "$file" || fail "appstreamcli found problems in $file"
    ;;
*) fail "unknown kind '$kind'" ;;
esac
