#!/usr/bin/env bash
# tests/fuzz/run-fuzzer.sh FUZZER CORPUS_DIR WORK_DIR: replays the committed corpus, then, when
# HALVRIN_FUZZ_SECONDS is set above 0, fuzzes that long from it. New inputs go to WORK_DIR, not
# into the repository; a crash is saved there too, to be added to the corpus as a regression.
set -euo pipefail
fuzzer=$1 corpus=$2 work=$3
seconds=${HALVRIN_FUZZ_SECONDS:-0}
dictionary=$(dirname "$0")/adif.dict
mkdir -p "$work/new" "$work/crashes"

"$fuzzer" -dict="$dictionary" -runs=0 "$corpus"
if [ "$seconds" -gt 0 ]; then
    "$fuzzer" -dict="$dictionary" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -artifact_prefix="$work/crashes/" -print_final_stats=1 "$work/new" "$corpus"
fi
