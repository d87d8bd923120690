# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# The one way the scripts start a private Wayland compositor; sourced, not run.

# start_weston DIR [WIDTHxHEIGHT]: starts a headless weston (1920x1080 unless
# told) with its log in DIR and its socket in DIR/runtime, a runtime folder of
# its own (mode 700); exports XDG_RUNTIME_DIR and WAYLAND_DISPLAY once the
# socket is there, and sets WESTON_PID, which the caller ends. Returns 1, with
# the reason in WESTON_PROBLEM, when weston or Qt's Wayland plugin is missing
# or weston cannot start. --debug lets weston-screenshooter take pictures.
# WESTON_PROBLEM is read by the callers.
# shellcheck disable=SC2034
start_weston() {
    local dir=$1 size=${2:-1920x1080}
    WESTON_PROBLEM=
    WESTON_PID=
    if ! command -v weston >/dev/null; then
        WESTON_PROBLEM="weston is not installed"
        return 1
    fi
    if ! compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null; then
        WESTON_PROBLEM="Qt's Wayland plugin (qt6-wayland) is not installed"
        return 1
    fi
    mkdir -p "$dir/runtime"
    chmod 700 "$dir/runtime"
    local socket=wayland-vortelia
    XDG_RUNTIME_DIR=$dir/runtime weston --backend=headless-backend.so --use-pixman \
        --width="${size%x*}" --height="${size#*x}" --socket="$socket" --idle-time=0 \
        --debug >"$dir/weston.log" 2>&1 &
    WESTON_PID=$!
    local deadline=$((SECONDS + 30))
    until [ -S "$dir/runtime/$socket" ]; do
        if ! kill -0 "$WESTON_PID" 2>/dev/null; then
            cat "$dir/weston.log" >&2
            WESTON_PID=
            WESTON_PROBLEM="weston could not start"
            return 1
        fi
        if ((SECONDS >= deadline)); then
            WESTON_PROBLEM="weston made no socket within 30 s"
            return 1
        fi
        sleep 0.1
    done
    export XDG_RUNTIME_DIR=$dir/runtime WAYLAND_DISPLAY=$socket
    echo "weston on $WAYLAND_DISPLAY (${size})"
}

# weston_shot FILE: a picture of the whole output, as PNG.
weston_shot() {
    local file=$1 tmp
    tmp=$(mktemp -d)
    # It names its picture by the time, in the current folder.
    (cd "$tmp" && timeout 20 weston-screenshooter) >/dev/null 2>&1 || {
        rm -rf "$tmp"
        return 1
    }
    local taken=("$tmp"/*.png)
    [ -f "${taken[0]}" ] || {
        rm -rf "$tmp"
        return 1
    }
    mv "${taken[0]}" "$file"
    rm -rf "$tmp"
}
