#!/usr/bin/env bash
# scripts/screenshot.sh [OUT.png]: photographs the main dialog in a Wine virtual desktop (so
# Wine draws the frame) on a private display. Needs the mingw-x86_64 build, xwd (x11-apps) and
# ImageMagick.
set -euo pipefail
source=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$source/docs/halvrin-dialog.png}
session=$source/tests/wine/wine-session.sh
state=$source/build/screenshot-wine
work=$(mktemp -d)
trap '"$session" "$state" stop; rm -rf "$work"' EXIT

"$session" "$state" start
(cd "$work" && "$session" "$state" run "$source/build/mingw-x86_64/app/halvrin.exe" &)
display=":$(cat "$state/display")"
for _ in $(seq 100); do
    geometry=$(DISPLAY=$display xwininfo -root -tree | grep '"Korvane_Tavu2"' | head -1 |
        grep -o '[0-9]*x[0-9]*+[0-9]*+[0-9]*' | head -1) || true
    [ -n "$geometry" ] && break
    sleep 0.1
done
sleep 1  # let the dialog finish painting
DISPLAY=$display xwd -root -silent >"$work/root.xwd"
/usr/bin/convert "$work/root.xwd" -crop "$geometry" +repage -bordercolor '#3a6ea5' -border 12 "$out"
echo "wrote $out ($geometry)"
