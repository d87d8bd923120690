# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Helpers shared by the end-to-end scripts; sourced, not run.

SKIP=77

skip() {
    echo "SKIP: $*"
    exit "$SKIP"
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The files an installed tree must hold, relative to its prefix, sorted.
expected_tree() {
    {
        echo bin/vortelia
        echo lib/vortelia/vortelia
        # The sound system, loaded once the first window is painted.
        echo lib/vortelia/moduli/vortelia_suoni.so
        # Every view, and its smaller copies in jpg/SIDE/ (VORTELIA_VIEW_COPIES).
        for letter in {a..z}; do
            for n in 1 2 3 4 5 6 7 8; do
                for folder in "" 120/ 240/ 300/; do
                    echo "lib/vortelia/jpg/$folder$letter$n.jpg"
                done
            done
        done
        for sound in si1 si2 si3 si4 no; do
            echo "lib/vortelia/suoni/$sound.wav"
        done
        echo share/applications/org.vortelia.Vortelia.desktop
        echo share/doc/vortelia/changelog.gz
        echo share/doc/vortelia/copyright
        echo share/man/en/man1/vortelia.1.gz
        echo share/man/man1/vortelia.1.gz
        echo share/icons/hicolor/scalable/apps/org.vortelia.Vortelia.svg
        echo share/metainfo/org.vortelia.Vortelia.metainfo.xml
    } | LC_ALL=C sort
}

# check_tree PREFIX: exactly the expected files, the program's data beside the
# real program file, and bin/vortelia a relative link to it.
check_tree() {
    local prefix=$1
    local found
    found=$(cd "$prefix" && find . \( -type f -o -type l \) | sed 's|^\./||' | LC_ALL=C sort)
    if [ "$found" != "$(expected_tree)" ]; then
        diff <(expected_tree) <(echo "$found") >&2 || true
        fail "the tree under $prefix is not the expected one (< expected, > found)"
    fi
    [ -L "$prefix/bin/vortelia" ] || fail "$prefix/bin/vortelia is not a symbolic link"
    local target
    target=$(readlink "$prefix/bin/vortelia")
    [ "$target" = ../lib/vortelia/vortelia ] || fail "bin/vortelia points to '$target'"
    [ -x "$prefix/lib/vortelia/vortelia" ] || fail "lib/vortelia/vortelia is not executable"
    local real
    real=$(dirname "$(readlink -f "$prefix/bin/vortelia")")
    if [ ! -d "$real/jpg" ] || [ ! -d "$real/suoni" ]; then
        fail "jpg/ and suoni/ are not beside $real/vortelia"
    fi
    echo "tree under $prefix: $(echo "$found" | wc -l) files, as expected"
}

# cpu_ticks PID: the CPU time the process has used so far, all its threads
# together, in clock ticks.
cpu_ticks() {
    local stat fields
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    # The command name in parentheses may hold blanks.
    read -r -a fields <<<"${stat##*) }"
    echo $((fields[11] + fields[12]))
}

# wait_settled PID [SECONDS]: waits until the process has used no CPU for a
# second: its start-up work is done (the check of the pictures, the sounds
# made ready) and a message it had to give is on the screen. Returns 1 when
# the process ends or keeps working past the deadline (30 s unless told).
wait_settled() {
    local pid=$1 deadline=$((SECONDS + ${2:-30})) last=-1 now quiet=0
    while ((SECONDS < deadline)); do
        now=$(cpu_ticks "$pid") || return 1
        if [ "$now" = "$last" ]; then
            quiet=$((quiet + 1))
            ((quiet < 4)) || return 0
        else
            quiet=0
        fi
        last=$now
        sleep 0.25
    done
    return 1
}

# run_briefly PROGRAM LOG: starts it headless, checks it is still alive once
# it has drawn its start window and settled, ends it. The program must not
# complain about its data.
run_briefly() {
    local program=$1 log=$2
    local runtime
    runtime=$(mktemp -d)
    chmod 700 "$runtime"
    # The caller's current folder must not matter: run from elsewhere.
    (cd / && exec env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$runtime" "$program") \
        >"$log" 2>&1 &
    local pid=$!
    # Text drawn in a face maps the face's file.
    local deadline=$((SECONDS + 60))
    until grep -Eq '\.(ttf|otf|ttc)$' "/proc/$pid/maps" 2>/dev/null; do
        kill -0 "$pid" 2>/dev/null && ((SECONDS < deadline)) || break
        sleep 0.2
    done
    wait_settled "$pid" 60 || true
    if ! kill -0 "$pid" 2>/dev/null; then
        local status=0
        wait "$pid" || status=$?
        rm -rf "$runtime"
        cat "$log" >&2
        fail "$program ended by itself during its start (exit status $status)"
    fi
    grep -Eq '\.(ttf|otf|ttc)$' "/proc/$pid/maps" || {
        kill "$pid"
        cat "$log" >&2
        fail "$program drew no text within 60 s"
    }
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    rm -rf "$runtime"
    if grep -Eiq 'jpg|suoni|\.wav|cannot|impossibile|not found|mancan' "$log"; then
        cat "$log" >&2
        fail "$program complained about its data"
    fi
    echo "$program stayed alive until it was ended"
}

# --- A real X server -------------------------------------------------------

# shellcheck source=../../scripts/xvfb.sh
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xvfb.sh"

# start_driven_xvfb DIR [WIDTHxHEIGHT]: start_xvfb, for a session xdotool drives. Returns 1,
# with the reason in XVFB_PROBLEM, when xdotool is missing or cannot reach it.
# shellcheck disable=SC2034
start_driven_xvfb() {
    if ! command -v xdotool >/dev/null; then
        XVFB_PROBLEM="xdotool is not installed"
        return 1
    fi
    start_xvfb "$@" || return 1
    if ! timeout 10 xdotool getmouselocation >/dev/null 2>&1; then
        XVFB_PROBLEM="xdotool cannot reach the X server on $DISPLAY"
        return 1
    fi
}

# start_openbox DIR: starts openbox on $DISPLAY, its log in DIR, and waits
# until it manages windows; sets WM_PID, which the caller ends. openbox names
# itself the window manager (_NET_SUPPORTING_WM_CHECK) at the very beginning
# of its start-up, and a window mapped before that start-up has ended is
# never managed: it stays unmapped. It runs its --startup command at the end.
# Returns 1, with the reason in WM_PROBLEM, when openbox is missing or does
# not finish starting within 60 s.
# shellcheck disable=SC2034
start_openbox() {
    local dir=$1
    WM_PROBLEM=
    WM_PID=
    if ! command -v openbox >/dev/null; then
        WM_PROBLEM="openbox is not installed"
        return 1
    fi
    openbox --sm-disable --startup "touch $dir/wm-ready" >"$dir/openbox.log" 2>&1 &
    WM_PID=$!
    local deadline=$((SECONDS + 60))
    until [ -e "$dir/wm-ready" ]; do
        if ! kill -0 "$WM_PID" 2>/dev/null || ((SECONDS >= deadline)); then
            cat "$dir/openbox.log" >&2
            WM_PROBLEM="openbox did not finish starting"
            return 1
        fi
        sleep 0.1
    done
}

# visible_windows: one line "id width height x y title" per visible window
# with a title (the root window has none).
visible_windows() {
    local id
    for id in $(timeout 10 xdotool search --onlyvisible --name . 2>/dev/null); do
        # Set by the eval; WINDOW and SCREEN only so that they stay local.
        # shellcheck disable=SC2034
        local WINDOW X Y WIDTH HEIGHT SCREEN title
        eval "$(timeout 10 xdotool getwindowgeometry --shell "$id" 2>/dev/null)" || continue
        title=$(timeout 10 xdotool getwindowname "$id" 2>/dev/null) || continue
        echo "$id $WIDTH $HEIGHT $X $Y $title"
    done
}

# wait_window TITLE SIZE [SECONDS]: waits for a visible window with exactly
# that title whose "WIDTHxHEIGHT" matches the glob SIZE ("638x*"), or does not
# match it when SIZE starts with "!"; prints "id width height x y".
wait_window() {
    local title=$1 size=$2 seconds=${3:-20}
    local deadline=$((SECONDS + seconds))
    local id w h x y name
    while ((SECONDS < deadline)); do
        while read -r id w h x y name; do
            [ "$name" = "$title" ] || continue
            if [ "${size:0:1}" = "!" ]; then
                # shellcheck disable=SC2053 # the size is a glob on purpose
                [[ ${w}x${h} != ${size:1} ]] || continue
            else
                # shellcheck disable=SC2053
                [[ ${w}x${h} == $size ]] || continue
            fi
            echo "$id $w $h $x $y"
            return 0
        done < <(visible_windows)
        sleep 0.2
    done
    return 1
}

# wait_gone ID [SECONDS]: waits until the window is no longer visible.
# give_keyboard WINDOW-ID [SECONDS]: gives the window the keyboard and waits
# until X says it has it (20 s unless told); 1 when it never gets it. Keys sent
# before that go to whatever had the keyboard.
give_keyboard() {
    local id=$1 deadline=$((SECONDS + ${2:-20}))
    until [ "$(timeout 10 xdotool getwindowfocus 2>/dev/null)" = "$id" ]; do
        ((SECONDS < deadline)) || return 1
        timeout 10 xdotool windowactivate "$id" 2>/dev/null ||
            timeout 10 xdotool windowfocus "$id" 2>/dev/null || true
        sleep 0.1
    done
}

wait_gone() {
    local id=$1 seconds=${2:-20}
    local deadline=$((SECONDS + seconds))
    while ((SECONDS < deadline)); do
        local shown
        shown=$(timeout 10 xdotool search --onlyvisible --name . 2>/dev/null) || true
        grep -qxF "$id" <<<"$shown" || return 0
        sleep 0.2
    done
    return 1
}

# click X Y: a pupil's left click at a point of the screen.
click() {
    # --sync waits for the pointer to move: not when it is there already.
    # shellcheck disable=SC2034 # set by the eval
    local X Y SCREEN WINDOW
    eval "$(timeout 10 xdotool getmouselocation --shell)"
    if [ "$X,$Y" != "$1,$2" ]; then
        timeout 10 xdotool mousemove --sync "$1" "$2"
    fi
    sleep 0.2
    timeout 10 xdotool click 1
}

# pixel FILE X Y: "r,g,b" of one pixel of a PNG.
pixel() {
    convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- |
        sed -n '2s/^[^(]*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}

# stop_processes PID...: ends each process politely, then for certain.
stop_processes() {
    local pid
    for pid in "$@"; do
        [ -n "$pid" ] || continue
        kill "$pid" 2>/dev/null || true
        local i
        for ((i = 0; i < 10; i++)); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.2
        done
        kill -9 "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
}

# start_program ARGUMENTS...: the program ($program) as an X client in the
# work folder ($work), at no scale the caller's desktop asks for, its output
# in $work/program.log; sets APP_PID.
start_program() {
    mkdir -p -m 700 "$work/runtime"
    (cd "$work" && exec env -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS \
        QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime" "$program" "$@") \
        >"$work/program.log" 2>&1 &
    APP_PID=$!
}

# program_argument USAGE [PROGRAM]: the program a script drives ($program),
# made absolute, since the program is started from a folder of its own; the
# scripts that look at the screen need ImageMagick's import.
program_argument() {
    [ -n "${2:-}" ] || fail "usage: $1"
    program=$2
    [ -x "$program" ] || fail "no program at $program"
    case $program in /*) ;; *) program=$PWD/$program ;; esac
    command -v import >/dev/null || skip "ImageMagick's import is not installed"
}

# program_folder_argument USAGE [FOLDER]: the built program's folder
# ($source_dir), and a work folder for the copies made of it.
program_folder_argument() {
    [ -n "${2:-}" ] || fail "usage: $1"
    source_dir=$2
    [ -x "$source_dir/vortelia" ] || fail "no program in $source_dir"
    new_work_folder
}

# new_work_folder: makes the work folder ($work) and arranges its clean-up.
new_work_folder() {
    work=$(mktemp -d)
    XVFB_PID=
    APP_PID=
    clean_up_on_exit
}

# new_wm_work_folder SHOTS-DIR: a work folder ($work) and an empty screenshot
# folder ($shots, in the work folder unless given); when the script ends the
# program ($APP_PID, and $TRACED_PID where a tracer started it), the window
# manager ($WM_PID) and Xvfb are stopped and the work folder removed.
new_wm_work_folder() {
    work=$(mktemp -d)
    shots=${1:-$work/shots}
    rm -rf "$shots"
    mkdir -p "$shots"
    XVFB_PID=
    APP_PID=
    WM_PID=
    TRACED_PID=
    trap 'stop_processes "$TRACED_PID" "$APP_PID" "$WM_PID" "$XVFB_PID"; rm -rf "$work"' EXIT
    trap 'exit 130' INT TERM HUP
}

# start_shot_session SHOTS-DIR: a work folder, an empty screenshot folder
# ($shots), a driven Xvfb and a private runtime folder ($work/runtime);
# skips the test when no X server can be started.
start_shot_session() {
    new_work_folder
    shots=${1:-$work/shots}
    rm -rf "$shots"
    mkdir -p "$shots"
    start_driven_xvfb "$work" || skip "$XVFB_PROBLEM"
    mkdir -m 700 "$work/runtime"
}

# copy_drawings: the tests' drawings (disegni/: a boat with no symmetry, a
# heart the same on both sides, a flag in a colour no shipped figure has)
# into $work.
copy_drawings() {
    cp "$(dirname "${BASH_SOURCE[0]}")"/disegni/*.svg "$work/"
}

# in_own_mount_namespace SCRIPT ARGS...: runs the script again in a mount
# namespace of its own (as root, or as a user mapped to root), where what it
# mounts goes with it, and does not return; returns where none can be made,
# or when already in one ($VORTELIA_OWN_MOUNTS set).
in_own_mount_namespace() {
    local namespace
    [ -z "${VORTELIA_OWN_MOUNTS:-}" ] && command -v unshare >/dev/null || return 0
    if [ "$(id -u)" = 0 ]; then
        namespace=(unshare --mount --propagation private)
    else
        namespace=(unshare --map-root-user --mount --propagation private)
    fi
    if "${namespace[@]}" true 2>/dev/null; then
        VORTELIA_OWN_MOUNTS=1 exec "${namespace[@]}" bash "$@"
    fi
}

# in_cli_home COMMAND...: COMMAND with no display, in a home of its own
# ($work/home, its settings and data there whatever the caller's XDG folders
# say; DATA_HOME for another data folder), the school's figures in
# $work/school.
in_cli_home() {
    mkdir -p -m 700 "$work/runtime"
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$work/home" \
        XDG_CONFIG_HOME="$work/home/.config" \
        XDG_DATA_HOME="${DATA_HOME:-$work/home/.local/share}" \
        XDG_DATA_DIRS="$work/school:/usr/share" XDG_RUNTIME_DIR="$work/runtime" "$@"
}

# run_cli ARGS...: the program ($program) as a technician runs it, in
# in_cli_home; sets STATUS, OUT and ERR.
run_cli() {
    STATUS=0
    in_cli_home "$program" "$@" >"$work/out" 2>"$work/err" || STATUS=$?
    OUT=$(cat "$work/out")
    ERR=$(cat "$work/err")
}

# tree_sums FOLDER: every folder and file below it, each file with its
# checksum, sorted: equal sums, an unchanged tree.
tree_sums() {
    (cd "$1" && find . -type d | LC_ALL=C sort && find . -type f -exec sha256sum {} + | LC_ALL=C sort)
}

# no_work_folders FIGURE-FOLDER: fails when a save or a removal left one of
# its working folders (.b-nuova-*, .b-via-*) beside the letters'.
no_work_folders() {
    local left
    left=$(find "$1" -mindepth 1 -maxdepth 1 -name '.?-*')
    [ -z "$left" ] || fail "left beside the letters' folders: $left"
}

# process_gone PID: true once the process has ended.
process_gone() {
    ! kill -0 "$1" 2>/dev/null
}

# wait_until SECONDS MESSAGE COMMAND...: waits for COMMAND to succeed, or dies.
wait_until() {
    local deadline=$((SECONDS + $1)) message=$2
    shift 2
    until "$@"; do
        ((SECONDS < deadline)) || die "$message"
        sleep 0.2
    done
}

# die MESSAGE: fails with what is on the screen and the program's last words
# ($work/program.log); a screenshot goes to $shots when the script keeps one.
die() {
    echo "FAIL: $*" >&2
    echo "visible windows (id width height x y title):" >&2
    visible_windows >&2 || true
    if [ -n "${shots:-}" ] && timeout 20 import -window root "$shots/failure.png" 2>/dev/null; then
        echo "screenshot of the failure: $shots/failure.png" >&2
    fi
    echo "--- program output ---" >&2
    tail -n 40 "$work/program.log" >&2 || true
    exit 1
}

# shot NAME: a numbered screenshot of the whole screen in $shots; SHOT names it.
step=0
shot() {
    step=$((step + 1))
    SHOT=$(printf '%s/%02d-%s.png' "$shots" "$step" "$1")
    timeout 20 import -window root "$SHOT"
    echo "  screenshot $SHOT"
}

# expect TITLE SIZE WHAT: waits for the window and sets WIN, WX, WY, WW, WH.
expect() {
    local found
    found=$(wait_window "$1" "$2" 30) || die "$3: no visible window \"$1\" of size $2"
    read -r WIN WW WH WX WY <<<"$found"
    echo "$3: window \"$1\" ${WW}x${WH} at $WX,$WY"
}

# clean_up_on_exit: when the script ends, however it ends, stops the program,
# Xvfb and weston ($APP_PID, $XVFB_PID, $WESTON_PID) and removes the work
# folder ($work).
# on_private_bus SCRIPT ARGS...: runs the script again on a D-Bus session bus
# and in a runtime folder of its own, and exits with its status. The AT-SPI
# bus keeps its socket in $XDG_RUNTIME_DIR/at-spi: two sessions side by side
# sharing that folder take each other's bus away when one of them ends.
on_private_bus() {
    local runtime status=0
    runtime=$(mktemp -d)
    chmod 700 "$runtime"
    VORTELIA_PRIVATE_BUS=1 XDG_RUNTIME_DIR=$runtime dbus-run-session -- bash "$@" || status=$?
    rm -rf "$runtime"
    exit "$status"
}

# start_accessible_program PROGRAM SCRIPT-ARGS...: the program under a real
# X server with its accessibility on, as a screen reader or a switch tool sees
# it, on a D-Bus session bus of its own (the calling script runs again there
# with SCRIPT-ARGS). Skips when a tool is missing; sets work and APP_PID.
start_accessible_program() {
    local program=$1
    shift
    [ -x "$program" ] || fail "no program at $program"
    command -v dbus-run-session >/dev/null || skip "dbus-run-session is not installed"
    [ -x /usr/libexec/at-spi-bus-launcher ] || skip "the AT-SPI bus (at-spi2-core) is not installed"
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"
    if [ -z "${VORTELIA_PRIVATE_BUS:-}" ]; then
        on_private_bus "$0" "$@"
    fi
    new_work_folder
    start_driven_xvfb "$work" || skip "$XVFB_PROBLEM"
    mkdir -m 700 "$work/runtime"
    (cd "$work" && exec env XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb \
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program") >"$work/program.log" 2>&1 &
    APP_PID=$!
}

clean_up_on_exit() {
    XVFB_PID=${XVFB_PID:-}
    APP_PID=${APP_PID:-}
    WESTON_PID=${WESTON_PID:-}
    trap 'stop_processes "$APP_PID" "$XVFB_PID" "$WESTON_PID"; chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
    trap 'exit 130' INT TERM HUP
}

# menu_bar_entry FILE X Y WIDTH HEIGHT N: "left right" of the Nth caption of
# a menu bar drawn at X,Y (WIDTH x HEIGHT) in a screenshot, found as the Nth
# group of dark columns.
menu_bar_entry() {
    convert "$1" -crop "${4}x${5}+${2}+${3}" -depth 8 txt:- |
        awk -F'[,:() ]+' -v width="$4" -v n="$6" '
            NR > 1 && $3 + $4 + $5 < 240 { dark[$1] = 1 }
            END {
                k = 0; last = -100
                for (x = 0; x < width; x++)
                    if (x in dark) { if (x - last > 10) { k++; from[k] = x }; to[k] = x; last = x }
                if (k >= n) print from[n], to[n]
            }'
}

# wait_menu_bar_entry X Y WIDTH HEIGHT N: menu_bar_entry on the screen, once
# the caption is drawn: a window is listed before its first paint, and a slow
# build paints it later still. Fails after 20 s.
wait_menu_bar_entry() {
    local started=$SECONDS found
    while ((SECONDS - started < 20)); do
        if timeout 20 import -window root "$work/menu-bar.png" &&
            found=$(menu_bar_entry "$work/menu-bar.png" "$@") && [ -n "$found" ]; then
            echo "$found"
            return 0
        fi
        sleep 0.2
    done
    return 1
}
