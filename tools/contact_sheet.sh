#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Contact sheet of the generated figure views: one row per letter a..z,
# views 1..8 left to right, each tile labelled with its file name.
# Usage: tools/contact_sheet.sh <jpg-dir> <out.png>
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 <jpg-dir> <out.png>" >&2
    exit 2
fi
dir=$1
out=$2

files=()
for letter in {a..z}; do
    for n in 1 2 3 4 5 6 7 8; do
        f="$dir/$letter$n.jpg"
        if [ ! -f "$f" ]; then
            echo "$0: missing $f" >&2
            exit 1
        fi
        files+=("$f")
    done
done

# ImageMagick's default font is often not installed; use whatever sans
# font fontconfig offers so the labels render everywhere.
font_args=()
font=$(fc-match -f '%{file}' sans 2>/dev/null || true)
if [ -n "$font" ] && [ -f "$font" ]; then
    font_args=(-font "$font")
fi

montage "${font_args[@]}" -pointsize 11 -label '%f' "${files[@]}" \
    -tile 8x26 -geometry 120x120+4+4 -background white "$out"
