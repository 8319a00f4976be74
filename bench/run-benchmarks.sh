#!/usr/bin/env bash
# bench/run-benchmarks.sh [RECORDS]: times halvrin-convert on a generated log against plain
# copying and against a perl one-liner doing the same rewrite, all in one run, and prints ratios
# and peak memory. Needs the native build (cmake --preset native && cmake --build --preset native).
set -euo pipefail
records=${1:-1000000}
runs=${RUNS:-5}
source=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$source/build/native}
convert=$build/cli/halvrin-convert
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The rewrite in perl, line for line the converter's rule: the first <TIME_OFF and <TIME_ON
# of a line starting <STATION_CALLSIGN, both well-formed and apart.
read -r -d '' perl_rewrite <<'PERL' || true
sub field { my ($tag) = @_; my $at = index($_, $tag); return () if $at < 0;
  pos($_) = $at + length $tag; return () unless /\G:(\d{1,9})(?::[A-Za-z])?>/g;
  my ($n, $v) = ($1 + 0, pos($_)); return $v + $n <= length($_) ? ($at, $v, $n) : () }
s/\r?\n\z//;
if (/^<STATION_CALLSIGN/) {
  my @off = field("<TIME_OFF"); my @on = field("<TIME_ON");
  if (@off && @on && ($on[0] >= $off[1] + $off[2] || $off[0] >= $on[1] + $on[2])) {
    substr($_, $on[0], $on[1] + $on[2] - $on[0]) = "<TIME_ON:$off[2]>" . substr($_, $off[1], $off[2]) } }
print "$_\r\n";
PERL

# Median wall time of $runs runs, in seconds.
median_seconds() {
    local times=()
    for _ in $(seq "$runs"); do
        local start end
        start=$(date +%s%N)
        "$@" >/dev/null
        end=$(date +%s%N)
        times+=("$(( (end - start) / 1000 ))")
    done
    printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {printf "%.4f", a[int((NR+1)/2)]/1e6}'
}

peak_kib() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1; }

ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }

"$build/bench/halvrin-make-log" "$records" >"$work/log.adi"
"$build/bench/halvrin-make-log" $((records / 10)) >"$work/small.adi"
bytes=$(stat -c %s "$work/log.adi")
cat "$work/log.adi" >/dev/null  # into the page cache, for every contender alike

"$convert" --quiet "$work/log.adi" "$work/converted.adi"
perl -ne "$perl_rewrite" "$work/log.adi" >"$work/perl.adi"
cmp -s "$work/converted.adi" "$work/perl.adi" || { echo "perl and converter disagree" >&2; exit 1; }

read_s=$(median_seconds cat "$work/log.adi")
copy_s=$(median_seconds sh -c 'cat "$0" >"$1"' "$work/log.adi" "$work/copy.adi")
convert_null_s=$(median_seconds "$convert" --quiet "$work/log.adi" /dev/null)
convert_file_s=$(median_seconds "$convert" --quiet "$work/log.adi" "$work/out.adi")
perl_s=$(median_seconds sh -c 'perl -ne "$0" "$1" >"$2"' "$perl_rewrite" "$work/log.adi" \
    "$work/perl.adi")

echo "log: $records records, $bytes bytes; median of $runs runs each"
printf '%-44s %8s s\n' "cat FILE >/dev/null" "$read_s" "cat FILE >copy" "$copy_s" \
    "halvrin-convert FILE /dev/null" "$convert_null_s" "halvrin-convert FILE out.adi" \
    "$convert_file_s" "perl one-liner FILE >out.adi" "$perl_s"
echo "converter throughput, output to /dev/null: $(awk -v b="$bytes" -v s="$convert_null_s" \
    'BEGIN {printf "%.2f", b / s / 1e9}') GB/s"
echo "converter throughput, output to a file:    $(awk -v b="$bytes" -v s="$convert_file_s" \
    'BEGIN {printf "%.2f", b / s / 1e9}') GB/s"
echo "converter (file) / cat copy:  $(ratio "$convert_file_s" "$copy_s")x the time"
echo "converter (null) / cat read:  $(ratio "$convert_null_s" "$read_s")x the time"
echo "perl / converter (file):      $(ratio "$perl_s" "$convert_file_s")x faster"
echo "peak RSS, converter, $records records:     $(peak_kib "$convert" --quiet "$work/log.adi" /dev/null) KiB"
echo "peak RSS, converter, $((records / 10)) records:      $(peak_kib "$convert" --quiet "$work/small.adi" /dev/null) KiB"
echo "peak RSS, cat:                           $(peak_kib cat "$work/log.adi") KiB"

if [ -x "$build/bench/halvrin_rewrite_benchmark" ]; then
    "$build/bench/halvrin_rewrite_benchmark" --benchmark_min_time=0.2
fi
