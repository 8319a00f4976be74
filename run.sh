#!/usr/bin/env bash
# Converts ./tavu2.adi into ./Tavu_to_Logger.adi (current folder), building what it needs first.
set -euo pipefail
source=$(cd "$(dirname "$0")" && pwd)
"$source/scripts/install-deps.sh" converter
(cd "$source" && cmake --preset converter >/dev/null && cmake --build --preset converter >/dev/null)
exec "$source/build/converter/cli/halvrin-convert" "$@"
