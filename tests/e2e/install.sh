#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install` lays out a tree that works from any prefix: the program
# file with jpg/ and suoni/ beside it, a relative link in bin/, the desktop
# entry, icon and metadata, and nothing else. The installed program is started
# through the link, also from a DESTDIR and after the tree has been moved.
# Usage: install.sh CMAKE BUILD-DIR
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

cmake=${1:?usage: install.sh CMAKE BUILD-DIR}
build=${2:?usage: install.sh CMAKE BUILD-DIR}

new_work_folder

# A prefix with a blank in it, as on some school PCs.
prefix="$work/a prefix"
"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
    { cat "$work/install.log"; fail "cmake --install failed"; }
check_tree "$prefix"
run_briefly "$prefix/bin/vortelia" "$work/run1.log"

# The same through DESTDIR, as a package build does it.
DESTDIR="$work/stage" "$cmake" --install "$build" --prefix /opt/vortelia \
    >"$work/install2.log" 2>&1 || { cat "$work/install2.log"; fail "install with DESTDIR failed"; }
check_tree "$work/stage/opt/vortelia"
run_briefly "$work/stage/opt/vortelia/bin/vortelia" "$work/run2.log"

# The tree still works once moved elsewhere: nothing in it names its prefix.
mv "$prefix" "$work/moved"
run_briefly "$work/moved/bin/vortelia" "$work/run3.log"

if command -v appstreamcli >/dev/null; then
    appstreamcli validate-tree --no-net "$work/moved" || fail "appstreamcli validate-tree failed"
else
    echo "note: appstreamcli is not installed, the installed metadata are not checked"
fi

# In a real X window the start window must come up alone: a missing-data
# warning would be a second window.
if start_driven_xvfb "$work"; then
    mkdir -m 700 "$work/runtime"
    (cd / && exec env QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime" \
        "$work/moved/bin/vortelia") >"$work/x.log" 2>&1 &
    APP_PID=$!
    found=$(wait_window Vortelia 701x557 30) || { cat "$work/x.log"; fail "no start window"; }
    wait_settled "$APP_PID" || true
    kill -0 "$APP_PID" 2>/dev/null || fail "the installed program ended by itself"
    windows=$(visible_windows)
    [ "$(echo "$windows" | wc -l)" = 1 ] ||
        fail "the installed program shows more than its start window: $windows"
    echo "installed program under X: only its start window ($found)"
else
    echo "note: not shown in an X window: $XVFB_PROBLEM"
fi
echo "PASS: install layout"
