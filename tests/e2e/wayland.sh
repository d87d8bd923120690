#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command as a Wayland client of its own headless compositor: Qt's
# Wayland platform, a runtime folder of its own. Exits with the command's
# status, or 77 when weston or Qt's Wayland plugin is missing.
#
# Usage: wayland.sh [--size WIDTHxHEIGHT] COMMAND [ARGUMENTS...]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"
# shellcheck source=../../scripts/weston.sh
. "$here/../../scripts/weston.sh"

size=1920x1080
if [ "${1:-}" = --size ]; then
    size=$2
    shift 2
fi
[ $# -gt 0 ] || fail "usage: wayland.sh [--size WIDTHxHEIGHT] COMMAND [ARGUMENTS...]"

work=$(mktemp -d)
WESTON_PID=
trap 'stop_processes "$WESTON_PID"; rm -rf "$work"' EXIT
trap 'exit 130' INT TERM HUP
start_weston "$work" "$size" || skip "$WESTON_PROBLEM"

status=0
env -u DISPLAY QT_QPA_PLATFORM=wayland "$@" || status=$?
if ! kill -0 "$WESTON_PID" 2>/dev/null; then
    tail -n 20 "$work/weston.log" >&2
    fail "weston ended during the run"
fi
exit "$status"
