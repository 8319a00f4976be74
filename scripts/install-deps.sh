#!/usr/bin/env bash
# scripts/install-deps.sh: installs the Debian 12 packages a job needs, only when some are missing.
#   install-deps.sh converter   build and run the command-line converter
#   install-deps.sh app         also the Windows cross compilers and Wine, to open the dialog
#   install-deps.sh all         everything the tests and benchmarks use
set -euo pipefail

converter=(cmake ninja-build g++)
# wine64 only: with wine32 present, Debian's wine wrappers pick a 32-bit loader this kernel
# cannot run.
app=("${converter[@]}" mingw-w64 wine64 xvfb)
all=("${app[@]}" googletest libgtest-dev libbenchmark-dev python3-pefile perl time
     clang libclang-rt-14-dev valgrind clang-format git)

case "${1:-all}" in
    converter) wanted=("${converter[@]}") ;;
    app) wanted=("${app[@]}") ;;
    all) wanted=("${all[@]}") ;;
    *) echo "usage: $0 converter|app|all" >&2; exit 64 ;;
esac

missing=()
for package in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "Installing: ${missing[*]}" >&2
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
