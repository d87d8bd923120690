#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian package with dpkg into a scratch root, as a school's
# technician would on a PC, and checks what the PC gets: the program starts
# through /usr/bin/vortelia, the desktop entry's Exec and Icon resolve, the
# program uses no file from a package it does not depend on, and removing the
# package leaves nothing behind. In a Wayland session (a headless weston, when
# installed) Qt picks its Wayland plugin by itself, and that plugin's package
# is one the package recommends. Exits 77 when dpkg is missing.
# Usage: dpkg_root.sh DEB
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"
# shellcheck source=../../scripts/weston.sh
. "$here/../../scripts/weston.sh"

deb=${1:?usage: dpkg_root.sh DEB}
[ -f "$deb" ] || fail "no package at $deb"
command -v dpkg >/dev/null || skip "dpkg is not installed"
command -v dpkg-deb >/dev/null || skip "dpkg-deb is not installed"

new_work_folder

# A root with an empty package database. The package's dependencies are on
# this machine, not in the scratch root: dpkg is told so, nothing else is forced.
root=$work/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
: >"$root/var/lib/dpkg/status"
: >"$root/var/lib/dpkg/available"
dpkg_root() {
    local force=()
    [ "$(id -u)" = 0 ] || force+=(--force-not-root)
    PATH=$PATH:/usr/sbin:/sbin dpkg --root="$root" --log="$work/dpkg.log" --force-depends --force-script-chrootless \
        "${force[@]}" "$@"
}
dpkg_root --install "$deb" >"$work/install.log" 2>&1 ||
    { cat "$work/install.log"; fail "dpkg --install into the scratch root failed"; }
status=$(dpkg-query --admindir="$root/var/lib/dpkg" -W -f='${Status}' vortelia)
[ "$status" = "install ok installed" ] || fail "after dpkg --install the package is '$status'"
echo "installed into $root: $status"

check_tree "$root/usr"
run_briefly "$root/usr/bin/vortelia" "$work/run.log"

# Every program that the desktop entry starts (the entry and its actions)
# and its icon must be found where a desktop looks for them.
desktop=$root/usr/share/applications/org.vortelia.Vortelia.desktop
[ -f "$desktop" ] || fail "no desktop entry"
execs=$(sed -n 's/^Exec=//p' "$desktop")
[ -n "$execs" ] || fail "the desktop entry has no Exec"
while read -r command _; do
    case $command in
    /*) target=$root$command ;;
    *) target=$root/usr/bin/$command ;;
    esac
    [ -x "$target" ] || fail "Exec names '$command', which is not in the installed PATH"
    [ "$(readlink -f "$target")" = "$(readlink -f "$root/usr/lib/vortelia/vortelia")" ] ||
        fail "Exec '$command' is not the installed program"
    echo "Exec=$command resolves to $(readlink -f "$target" | sed "s|^$root||")"
done <<<"$execs"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ "$(echo "$icon" | wc -l)" = 1 ] || fail "the desktop entry has not one Icon: $icon"
icons=$(find "$root/usr/share" \( -path "$root/usr/share/icons/*" -o -path "$root/usr/share/pixmaps/*" \) \
    \( -name "$icon.svg" -o -name "$icon.png" \))
[ -n "$icons" ] || fail "Icon=$icon is installed under no icon folder"
for file in $icons; do
    case $file in
    "$root"/usr/share/icons/hicolor/*/apps/*) ;;
    *) fail "icon $file is not in the hicolor theme" ;;
    esac
    [ -s "$file" ] || fail "icon $file is empty"
done
echo "Icon=$icon resolves to $(echo "$icons" | sed "s|^$root||")"

# The packages whose files the running program has mapped (libraries,
# plugins, fonts, translations) must all be among the package's dependencies
# or theirs. In a real X window the menu is opened too, for its sub-captions.
# depends_closure: the package's dependencies and, recursively, theirs among
# the installed packages (every alternative counts, a virtual package stands
# for its providers), and every Essential package, which no package needs to
# name; one name a line.
depends_closure() {
    {
        dpkg-deb -f "$deb" "${1:-Depends}" | sed 's/^/ROOT\t/'
        dpkg-query -W -f='${Package}\t${Depends}, ${Pre-Depends}\t${Provides}\t${Essential}\n'
    } | awk -F '\t' '
        function names(list, out,    n, parts, i, name) {
            n = split(list, parts, /[,|]/)
            for (i = 1; i <= n; i++) {
                name = parts[i]
                sub(/\(.*/, "", name); sub(/:.*/, "", name); gsub(/[ \t]/, "", name)
                if (name != "") out[name] = 1
            }
        }
        $1 == "ROOT" { names($2, queue); next }
        {
            deps[$1] = $2
            split("", p); names($3, p)
            for (v in p) providers[v] = providers[v] " " $1
            if ($4 == "yes") queue[$1] = 1
        }
        END {
            while (length(queue) > 0) {
                for (name in queue) break
                delete queue[name]
                if (name in seen) continue
                seen[name] = 1
                split("", more); names(deps[name], more)
                for (m in more) if (!(m in seen)) queue[m] = 1
                n = split(providers[name], prov, " ")
                for (i = 1; i <= n; i++) if (!(prov[i] in seen)) queue[prov[i]] = 1
            }
            for (name in seen) print name
        }' | LC_ALL=C sort -u
}
# owners FILE...: "package<TAB>file" for each file a package holds. Merged
# /usr: the database may name /lib/... for /usr/lib/... and the other way.
owners() {
    local file variants=()
    for file in "$@"; do
        variants+=("$file")
        case $file in
        /usr/lib/* | /usr/bin/* | /usr/sbin/*) variants+=("${file#/usr}") ;;
        /lib/* | /bin/* | /sbin/*) variants+=("/usr$file") ;;
        esac
    done
    { dpkg-query -S "${variants[@]}" 2>/dev/null || true; } | grep -v '^diversion' |
        sed -E 's#^(.+): (/.*)$#\1\t\2#' | while IFS=$'\t' read -r packages path; do
            # The file as mapped, whichever spelling the database used.
            case $path in /usr/*) ;; *) [ -e "/usr$path" ] && path=/usr$path ;; esac
            echo "${packages%%,*}"$'\t'"$path"
        done
}
mapped_files() {
    sed -n 's|^[^/]*\(/.*\)$|\1|p' "/proc/$1/maps" | sed 's/ (deleted)$//' | LC_ALL=C sort -u
}
# fonts_mapped [MORE-THAN]: waits until the program has mapped more font files
# than MORE-THAN (text drawn with a face maps its file); prints the count.
fonts_mapped() {
    local more_than=${1:-0} n=0 i
    for ((i = 0; i < 150; i++)); do
        n=$(mapped_files "$APP_PID" | grep -Ec '\.(ttf|otf|ttc)$' || true)
        ((n > more_than)) && break
        sleep 0.2
    done
    echo "$n"
}
mkdir -m 700 "$work/runtime"
if start_driven_xvfb "$work"; then
    (cd / && exec env QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime" "$root/usr/bin/vortelia") \
        >"$work/x.log" 2>&1 &
    APP_PID=$!
    found=$(wait_window Vortelia 701x557 30) || { cat "$work/x.log"; fail "no start window"; }
    start_fonts=$(fonts_mapped)
    read -r _ _ _ wx wy <<<"$found"
    click $((wx + 161 + 147)) $((wy + 333 + 47))
    wait_window Vortelia 640x480 30 >/dev/null || { cat "$work/x.log"; fail "\"Avvio\" opened no menu"; }
    # The sub-captions are drawn in a face of their own.
    (($(fonts_mapped "$start_fonts") > start_fonts)) || fail "the menu drew no face beside the start window's"
    shown="the start window and the menu, under X"
else
    echo "note: $XVFB_PROBLEM; only the start window is shown, offscreen"
    (cd / && exec env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime" "$root/usr/bin/vortelia") \
        >"$work/x.log" 2>&1 &
    APP_PID=$!
    (($(fonts_mapped) > 0)) || fail "the program mapped no font file"
    shown="the start window, offscreen"
fi
mapped=$(mapped_files "$APP_PID")
closure=$(depends_closure)
files=()
while read -r file; do
    case $file in /*) [ "${file#"$root"/}" = "$file" ] && files+=("$file") ;; esac
done <<<"$mapped"
owned=$(owners "${files[@]}" | sed 's/:[a-z0-9]*\t/\t/' | LC_ALL=C sort -u)
used=$(echo "$owned" | cut -f1 | LC_ALL=C sort | uniq -c)
missing=$(echo "$owned" | while IFS=$'\t' read -r package file; do
    grep -qxF "$package" <<<"$closure" || echo "  $file ($package)"
done)
stop_processes "$APP_PID"
APP_PID=
echo "packages whose files $shown used:"
echo "$used" | sed 's/^/  /'
[ -z "$missing" ] || fail "the program uses files of packages it does not depend on:"$'\n'"$missing"
echo "every one is a dependency of the package, or one of theirs"

# A Wayland session: no X display, the session type and the compositor's
# socket set, as a Wayland desktop sets them; Qt chooses the platform itself.
if start_weston "$work/wayland"; then
    (cd / && exec env -u DISPLAY -u QT_QPA_PLATFORM XDG_SESSION_TYPE=wayland \
        "$root/usr/bin/vortelia") >"$work/wayland.log" 2>&1 &
    APP_PID=$!
    (($(fonts_mapped) > 0)) || { cat "$work/wayland.log"; fail "the program drew nothing under Wayland"; }
    plugins=$(mapped_files "$APP_PID" | grep -E '/qt6/plugins/platforms/libq[a-z-]*\.so$' || true)
    grep -q '/libqwayland-' <<<"$plugins" || fail "under Wayland Qt loaded the platform plugins: ${plugins:-none}"
    recommended=$(dpkg-deb -f "$deb" Recommends)
    files=()
    while read -r file; do
        case $file in /*) [ "${file#"$root"/}" = "$file" ] && files+=("$file") ;; esac
    done < <(mapped_files "$APP_PID")
    stop_processes "$APP_PID"
    APP_PID=
    either=$(printf '%s\n%s\n' "$closure" "$(depends_closure Recommends)")
    missing=$(owners "${files[@]}" | sed 's/:[a-z0-9]*\t/\t/' | LC_ALL=C sort -u |
        while IFS=$'\t' read -r package file; do
            grep -qxF "$package" <<<"$either" || echo "  $file ($package)"
        done)
    [ -z "$missing" ] || fail "under Wayland the program uses files of packages it neither depends on nor recommends:"$'\n'"$missing"
    mapfile -t wayland_plugins < <(grep '/libqwayland-' <<<"$plugins")
    plugin_package=$(owners "${wayland_plugins[@]}" | cut -f1 | sed 's/:.*//' | LC_ALL=C sort -u)
    [[ ", $recommended," == *", $plugin_package,"* ]] ||
        fail "the Wayland plugin comes from $plugin_package, which the package does not recommend ($recommended)"
    echo "under Wayland: ${wayland_plugins[*]##*/} from $plugin_package, recommended"
    stop_processes "$WESTON_PID"
    WESTON_PID=
else
    echo "note: $WESTON_PROBLEM; the Wayland session is not tried"
fi

# Removing the package takes every file of it away and leaves an empty tree.
dpkg_root --purge vortelia >"$work/purge.log" 2>&1 ||
    { cat "$work/purge.log"; fail "dpkg --purge failed"; }
dpkg-query --admindir="$root/var/lib/dpkg" -W vortelia >/dev/null 2>&1 &&
    fail "after dpkg --purge the package is still known"
left=$(cd "$root" && find . -path ./var -prune -o \( -type f -o -type l \) -print)
[ -z "$left" ] || fail "dpkg --purge left files behind: $left"
echo "removed: no file of the package is left"
echo "PASS: install into a scratch root and remove"
