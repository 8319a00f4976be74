#!/usr/bin/env bash
# bench/run-dialog-benchmark.sh [RECORDS]: the dialog converting a generated log under Wine, from
# the Start click to the completion message, against halvrin-convert on the same file in the
# same run (the Windows build under Wine, and the Linux build). Needs the native and
# mingw-x86_64 builds.
set -euo pipefail
records=${1:-100000}
runs=${RUNS:-5}
source=$(cd "$(dirname "$0")/.." && pwd)
native=${NATIVE_BUILD:-$source/build/native}
windows=${WINDOWS_BUILD:-$source/build/mingw-x86_64}
session=$source/tests/wine/wine-session.sh
state=$native/bench-wine
work=$(mktemp -d)
trap '"$session" "$state" stop; rm -rf "$work"' EXIT

"$native/bench/halvrin-make-log" "$records" >"$work/tavu2.adi"
"$session" "$state" start

median() { sort -n | awk '{a[NR]=$1} END {printf "%.3f", a[int((NR+1)/2)]}'; }

# Whole-process wall time of a command, in seconds.
wall_seconds() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    awk -v ns=$((end - start)) 'BEGIN {printf "%.3f\n", ns / 1e9}'
}

dialog_s=$(for _ in $(seq "$runs"); do
    "$session" "$state" run "$windows/bench/halvrin_dialog_benchmark.exe" \
        --app="$windows/app/halvrin.exe" --folder="$work"
done | median)
cmp -s "$work/Tavu_to_Logger.adi" <("$native/cli/halvrin-convert" --quiet "$work/tavu2.adi" -) ||
    { echo "the dialog's output differs from the converter's" >&2; exit 1; }
windows_s=$(for _ in $(seq "$runs"); do
    wall_seconds "$session" "$state" run "$windows/cli/halvrin-convert.exe" --quiet \
        "$work/tavu2.adi" "$work/windows.adi"
done | median)
linux_s=$(for _ in $(seq "$runs"); do
    wall_seconds "$native/cli/halvrin-convert" --quiet "$work/tavu2.adi" "$work/linux.adi"
done | median)

ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.1f", a / b}'; }
echo "log: $records records, $(stat -c %s "$work/tavu2.adi") bytes; median of $runs runs each"
printf '%-62s %7s s\n' \
    "dialog under Wine, Start click to completion message" "$dialog_s" \
    "halvrin-convert.exe under Wine, whole process" "$windows_s" \
    "halvrin-convert on Linux, whole process" "$linux_s"
echo "dialog / halvrin-convert.exe under Wine: $(ratio "$dialog_s" "$windows_s")x"
echo "dialog / halvrin-convert on Linux:       $(ratio "$dialog_s" "$linux_s")x"
