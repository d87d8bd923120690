# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# The one way the scripts start a private X server; sourced, not run.

# start_xvfb DIR [WIDTHxHEIGHT]: starts Xvfb on a free display (1024x768
# unless told), its log in DIR, and exports
# DISPLAY; sets XVFB_PID, which the caller ends. Returns 1, with the reason
# in XVFB_PROBLEM, when Xvfb is missing or cannot start.
# XVFB_PROBLEM is read by the callers.
# shellcheck disable=SC2034
start_xvfb() {
    local dir=$1 size=${2:-1024x768}
    XVFB_PROBLEM=
    XVFB_PID=
    if ! command -v Xvfb >/dev/null; then
        XVFB_PROBLEM="Xvfb is not installed"
        return 1
    fi
    # -displayfd picks a free display and writes its number once it is ready;
    # -noreset keeps the server up while no client is connected.
    Xvfb -displayfd 3 -screen 0 "${size}x24" -dpi 96 -nolisten tcp -noreset \
        3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
    XVFB_PID=$!
    local i
    for ((i = 0; i < 150; i++)); do
        [ -s "$dir/display" ] && break
        if ! kill -0 "$XVFB_PID" 2>/dev/null; then
            cat "$dir/xvfb.log" >&2
            XVFB_PID=
            XVFB_PROBLEM="Xvfb could not start"
            return 1
        fi
        sleep 0.1
    done
    if [ ! -s "$dir/display" ]; then
        XVFB_PROBLEM="Xvfb did not report a display within 15 s"
        return 1
    fi
    DISPLAY=:$(head -n 1 "$dir/display")
    export DISPLAY
    echo "Xvfb on display $DISPLAY"
}
