#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command as a client of its own Xvfb (no window manager): Qt's X11
# platform. Exits with the command's status, or 77 when Xvfb is missing.
#
# Usage: x11.sh [--size WIDTHxHEIGHT] COMMAND [ARGUMENTS...]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

size=1920x1080
if [ "${1:-}" = --size ]; then
    size=$2
    shift 2
fi
[ $# -gt 0 ] || fail "usage: x11.sh [--size WIDTHxHEIGHT] COMMAND [ARGUMENTS...]"

work=$(mktemp -d)
XVFB_PID=
trap 'stop_processes "$XVFB_PID"; rm -rf "$work"' EXIT
trap 'exit 130' INT TERM HUP
start_xvfb "$work" "$size" || skip "$XVFB_PROBLEM"
mkdir -m 700 "$work/runtime"
env -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb "$@"
