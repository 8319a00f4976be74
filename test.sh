#!/usr/bin/env bash
# Installs what is missing, builds everything (Linux; Windows 32- and 64-bit) and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh all
for preset in mingw-i686 mingw-x86_64 native; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
done
ctest --preset native
