#!/usr/bin/env bash
# Installs what is missing, builds everything (Linux; Windows 32- and 64-bit; the sanitizer and
# fuzzer builds) and runs every test. HALVRIN_FUZZ_SECONDS=N fuzzes each target N seconds on top
# of replaying the committed corpus.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh all
for preset in mingw-i686 mingw-x86_64 sanitize fuzz native; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
done
ctest --preset native
