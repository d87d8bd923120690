#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command as a client of its own Xvfb: Qt's X11 platform, with no
# window manager, or with openbox. VORTELIA_WINDOW_MANAGER tells the command
# which ("none" or "openbox"). Exits with the command's status, or 77 when
# Xvfb, or openbox where asked for, is missing.
#
# Usage: x11.sh [--size WIDTHxHEIGHT] [--openbox] COMMAND [ARGUMENTS...]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

size=1920x1080
manager=none
while [ $# -gt 0 ]; do
    case $1 in
    --size)
        size=$2
        shift 2
        ;;
    --openbox)
        manager=openbox
        shift
        ;;
    *) break ;;
    esac
done
[ $# -gt 0 ] || fail "usage: x11.sh [--size WIDTHxHEIGHT] [--openbox] COMMAND [ARGUMENTS...]"
if [ "$manager" = openbox ]; then
    command -v openbox >/dev/null || skip "openbox is not installed"
fi

work=$(mktemp -d)
XVFB_PID=
WM_PID=
trap 'stop_processes "$WM_PID" "$XVFB_PID"; rm -rf "$work"' EXIT
trap 'exit 130' INT TERM HUP
start_xvfb "$work" "$size" || skip "$XVFB_PROBLEM"
if [ "$manager" = openbox ]; then
    start_openbox "$work" || fail "$WM_PROBLEM"
fi
mkdir -m 700 "$work/runtime"
env -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb \
    VORTELIA_WINDOW_MANAGER="$manager" "$@"
