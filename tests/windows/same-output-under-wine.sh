#!/usr/bin/env bash
# tests/windows/same-output-under-wine.sh SESSION STATE WIN_CONVERTER NATIVE_CONVERTER LOG...:
# the Windows converter, run under Wine, writes exactly the bytes the native one writes.
set -euo pipefail
session=$1 state=$2 windows=$3 native=$4
shift 4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for log in "$@"; do
    name=$(basename "$log")
    cp "$log" "$work/in.adi"
    "$native" --quiet "$work/in.adi" "$work/native.adi"
    (cd "$work" && "$session" "$state" run "$windows" --quiet in.adi windows.adi)
    if cmp -s "$work/native.adi" "$work/windows.adi"; then
        echo "same: $name"
    else
        echo "FAIL differs: $name"
        cmp "$work/native.adi" "$work/windows.adi" | head -1 || true
        status=1
    fi
done
exit $status
