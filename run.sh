#!/usr/bin/env bash
# Converts ./tavu2.adi into ./Tavu_to_Logger.adi in the current folder. With a display, it opens
# the Halvrin dialog under Wine (press Start); without one, it converts with halvrin-convert.
# Arguments, if any, go to halvrin-convert, which then runs in any case.
set -euo pipefail
source=$(cd "$(dirname "$0")" && pwd)

if [ -n "${DISPLAY:-}" ] && [ $# -eq 0 ]; then
    "$source/scripts/install-deps.sh" app
    (cd "$source" && cmake --preset app >/dev/null && cmake --build --preset app >/dev/null)
    export WINEPREFIX=${WINEPREFIX:-$source/build/run-wine} WINEDEBUG=-all
    [ -d "$WINEPREFIX" ] || /usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1
    # The 64-bit build of the same code: this kernel may not run the 32-bit release.
    exec /usr/lib/wine/wine64 "$source/build/app/app/halvrin.exe"
fi

"$source/scripts/install-deps.sh" converter
(cd "$source" && cmake --preset converter >/dev/null && cmake --build --preset converter >/dev/null)
[ $# -gt 0 ] || echo "No display: converting with halvrin-convert instead of the dialog." >&2
exec "$source/build/converter/cli/halvrin-convert" "$@"
