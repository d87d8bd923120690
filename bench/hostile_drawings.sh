#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The peak memory of `vortelia --nuova-figura FILE --lettera b` for drawings
# made to take memory: a compressed SVG that expands to 2 GB of blanks, a
# 10000 x 10000 JPEG (progressive in full colour and 4:2:0, and baseline), a
# JPEG padded with comments to 65 MB (and to just under the 64 MB the reader
# takes), an SVG holding a 60 MB comment (after <svg>, and before it). Prints
# one row a drawing: its size, the peak resident memory of the whole run
# (GNU time's "maximum resident set size") and what the program answered;
# exits 1 when a run goes over the limit (200 MB unless told). A measurement,
# not a test: `make bench` runs it.
#
# Usage: hostile_drawings.sh PROGRAM [LIMIT-MB]
set -euo pipefail

program=${1:?usage: hostile_drawings.sh PROGRAM [LIMIT-MB]}
limit_mb=${2:-200}
case $program in /*) ;; *) program=$PWD/$program ;; esac
[ -x "$program" ] || { echo "no program at $program" >&2; exit 2; }
for tool in /usr/bin/time cjpeg gzip python3; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: scripts/install-deps" >&2; exit 2; }
done
repo=$(cd "$(dirname "$0")/.." && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
cd "$work"

svg_open='<svg xmlns="http://www.w3.org/2000/svg" width="200" height="160">'
boat=$(sed -n '/<path\|<rect/p' "$repo/tests/e2e/disegni/barca.svg")

# 2 GB of blanks inside the drawing, compressed to about 2 MB; never on the disk whole.
{
    printf '%s' "$svg_open"
    head -c 2147483648 /dev/zero | tr '\0' ' '
    printf '%s</svg>' "$boat"
} | gzip -9 >blanks.svgz

# ppm SIDE: a white square picture of that side with a boat-like shape of
# three colours and no symmetry, streamed row by row.
ppm() {
    python3 - "$1" <<'PY'
import sys
side = int(sys.argv[1])
out = sys.stdout.buffer
out.write(b"P6 %d %d 255\n" % (side, side))
white, red, blue, brown = b"\xff\xff\xff", b"\xe5\x39\x35", b"\x1e\x88\xe5", b"\x8d\x6e\x63"
def row(*spans):
    r = bytearray(white * side)
    for start, end, colour in spans:
        r[3 * int(start * side):3 * int(end * side)] = colour * (int(end * side) - int(start * side))
    return bytes(r)
sail, hull, blank = row((0.5, 0.75, red)), row((0.1, 0.9, brown)), row()
flag = row((0.5, 0.75, red), (0.78, 0.85, blue))
for y in range(side):
    f = y / side
    out.write(flag if 0.1 <= f < 0.2 else sail if f < 0.6 and f >= 0.2 else
              hull if 0.62 <= f < 0.85 else blank)
PY
}
ppm 10000 | cjpeg -quality 90 -progressive -sample 1x1 >progressive444.jpg
ppm 10000 | cjpeg -quality 90 -progressive -sample 2x2 >progressive420.jpg
ppm 10000 | cjpeg -quality 90 -sample 2x2 >baseline.jpg

# comments SOURCE TOTAL-BYTES: the JPEG with comment segments of the largest
# size after its start marker, up to that size.
comments() {
    python3 - "$1" "$2" <<'PY'
import sys
jpeg = open(sys.argv[1], "rb").read()
total = int(sys.argv[2])
segment = b"\xff\xfe\xff\xff" + b"c" * 65533
count = max(0, (total - len(jpeg)) // len(segment))
sys.stdout.buffer.write(jpeg[:2] + segment * count + jpeg[2:])
PY
}
ppm 512 | cjpeg -quality 90 >small.jpg
comments small.jpg $((65 * 1024 * 1024)) >comments65.jpg
comments small.jpg $((63 * 1024 * 1024)) >comments63.jpg

# 60 MB of comment inside the drawing, and before it.
comment=$(head -c $((60 * 1024 * 1024)) /dev/zero | tr '\0' 'x')
printf '%s<!--%s-->%s</svg>' "$svg_open" "$comment" "$boat" >comment_inside.svg
printf '<?xml version="1.0"?><!--%s-->%s%s</svg>' "$comment" "$svg_open" "$boat" >comment_before.svg
unset comment
cp "$repo/tests/e2e/disegni/barca.svg" plain.svg

printf '%-22s %10s %10s  %s\n' drawing "size (kB)" "peak (MB)" "the program's answer"
over=0
for drawing in plain.svg blanks.svgz progressive444.jpg progressive420.jpg baseline.jpg \
    comments65.jpg comments63.jpg comment_inside.svg comment_before.svg; do
    rm -rf "$work/data"
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$work" \
        XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime" \
        /usr/bin/time -f %M -o "$work/peak" \
        "$program" --nuova-figura "$work/$drawing" --lettera b >"$work/out" 2>"$work/err" ||
        status=$?
    peak_kb=$(tail -n 1 "$work/peak")
    answer=$(cat "$work/out" "$work/err" | sed -n 1p | sed "s|$work/||g")
    printf '%-22s %10d %10d  %s (exit %d)\n' "$drawing" $((($(stat -c %s "$drawing") + 1023) / 1024)) \
        $((peak_kb / 1024)) "$answer" "$status"
    ((peak_kb <= limit_mb * 1024)) || over=1
done
if ((over)); then
    echo "a drawing took more than $limit_mb MB at the peak" >&2
    exit 1
fi
