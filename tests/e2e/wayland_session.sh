#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A pupil's session on a Wayland desktop: the program started with
# --schermo-intero under a headless compositor, played through AT-SPI as an
# assistive tool plays it (Wayland lets no program send keys or clicks to
# another). The start window, the menu and one exercise of each family must
# each cover the whole screen; each family counts one answer and goes back to
# the menu through "Esci" and its question; a screen reader reads one of them. A screenshot of every step
# goes to SHOTS-DIR. Exits 77 only when the tools are missing (weston, Qt's
# Wayland plugin, dbus-run-session, the AT-SPI bus, python3-pyatspi, ImageMagick).
#
# Usage: wayland_session.sh PROGRAM [SHOTS-DIR]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"
# shellcheck source=../../scripts/weston.sh
. "$here/../../scripts/weston.sh"

program=${1:?usage: wayland_session.sh PROGRAM [SHOTS-DIR]}
case $program in /*) ;; *) program=$PWD/$program ;; esac
[ -x "$program" ] || fail "no program at $program"
command -v dbus-run-session >/dev/null || skip "dbus-run-session is not installed"
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "the AT-SPI bus (at-spi2-core) is not installed"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"
[[ $(convert -version 2>/dev/null) == *ImageMagick* ]] || skip "ImageMagick's convert is not installed"
if [ -z "${VORTELIA_PRIVATE_BUS:-}" ]; then
    on_private_bus "$0" "$@"
fi

work=$(mktemp -d)
shots=${2:-$work/shots}
rm -rf "$shots"
mkdir -p "$shots"
WESTON_PID=
APP_PID=
trap 'stop_processes "$APP_PID" "$WESTON_PID"; rm -rf "$work"' EXIT
trap 'exit 130' INT TERM HUP
start_weston "$work" 1920x1080 || skip "$WESTON_PROBLEM"

(cd "$work" && exec env -u DISPLAY -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS \
    QT_QPA_PLATFORM=wayland QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" --schermo-intero) \
    >"$work/program.log" 2>&1 &
APP_PID=$!

atspi() {
    timeout 60 /usr/bin/python3 "$here/wayland_session.py" "$@"
}

# die MESSAGE: fails with a picture of the screen and the program's last words.
die() {
    echo "FAIL: $*" >&2
    weston_shot "$shots/failure.png" && echo "screenshot of the failure: $shots/failure.png" >&2
    echo "--- program output ---" >&2
    tail -n 40 "$work/program.log" >&2 || true
    exit 1
}

# wayland_shot NAME: a numbered screenshot once the program has drawn; sets SHOT.
step=0
wayland_shot() {
    wait_settled "$APP_PID" || die "the program does not settle"
    step=$((step + 1))
    SHOT=$(printf '%s/%02d-%s.png' "$shots" "$step" "$1")
    weston_shot "$SHOT" || die "weston-screenshooter took no picture"
    echo "  screenshot $SHOT"
}

# covers_screen WHAT: the last screenshot is the window alone: the
# compositor's panel (top) and background (every corner) are hidden.
covers_screen() {
    local x y colour strip
    [ "$(identify -format %wx%h "$SHOT")" = 1920x1080 ] || die "$1: the picture is not 1920x1080"
    # The panel's launcher and clock make its strip many-coloured; a window
    # drawn in the same grey (the start window and menu draw their colour at
    # random) leaves the strip one colour.
    strip=$(convert "$SHOT" -crop 1920x32+0+0 +repage -format %k info:)
    for x in 0 960 1919; do
        for y in 0 16 1079; do
            colour=$(pixel "$SHOT" "$x" "$y")
            # The panel is grey, the background dark blue (0,34,68).
            case $colour in
            0,34,68) die "$1 does not cover the screen: ($x,$y) is $colour" ;;
            128,128,128 | 127,127,127)
                ((y >= 32 || strip == 1)) || die "$1 does not cover the screen: ($x,$y) is $colour" ;;
            esac
        done
    done
}

atspi wait Vortelia Avvio || die "no start window"
wayland_shot avvio
covers_screen "the start window"
atspi press Vortelia Avvio || die "pressing \"Avvio\""
atspi wait Vortelia "Trova la rotazione - 1" || die "no menu"
wayland_shot menu
covers_screen "the menu"

for title in "Trova la rotazione - 4" "Indica il tipo di rotazione" \
    "Forma la rotazione - 4" "Trova la simmetria - asse verticale"; do
    atspi press Vortelia "$title" || die "opening \"$title\""
    atspi wait "$title" Esci || die "\"$title\" did not open"
    name=$(tr ' ' - <<<"${title,,}" | tr -s -)
    wayland_shot "$name"
    covers_screen "\"$title\""
    if [ "$title" = "Trova la rotazione - 4" ]; then
        # A screen reader's view: the tree, and the menu bar's boxes.
        /usr/bin/python3 "$here/screen_reader.py" "$title" read >/dev/null || die "reading \"$title\""
        /usr/bin/python3 "$here/screen_reader.py" "$title" menu || die "the menu bar of \"$title\""
    fi
    atspi answer "$title" || die "answering in \"$title\""
    wayland_shot "$name-risposta"
    atspi ask "$title" || die "\"Esci\" in \"$title\""
    atspi yes "$title" || die "answering \"Sì\" in \"$title\""
    atspi wait Vortelia "Trova la rotazione - 1" || die "no menu after \"$title\""
done
wayland_shot menu-di-nuovo
covers_screen "the menu again"
if grep -Ei 'xcb|x11|critical|fatal' "$work/program.log"; then
    die "the program complained under Wayland"
fi
echo "PASS"
