#!/usr/bin/env bash
# Times the whole program on 20,000 Enter presses (after the answer 2, then q),
# output to /dev/null, against the floor: a program that only writes the same
# transcript with one write per line.  Prints the best of five runs of each.
#
#   bash bench/whole_process.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-bench}
presses=${PRESSES:-20000}
runs=${RUNS:-5}

cmake -B "$build" -DCMAKE_BUILD_TYPE=Release -DFORESTFIRE_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" --parallel --target forestfire write_lines >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
{ printf '2\n'; head -c "$presses" /dev/zero | tr '\0' '\n'; printf 'q'; } >"$work/input"
"$build/forestfire" <"$work/input" >"$work/transcript"

# Best wall-clock seconds of $runs runs of the command, fed the input.
best_of() {
  local best="" seconds
  for _ in $(seq "$runs"); do
    seconds=$( { TIMEFORMAT=%R; time "$@" <"$work/input" >/dev/null; } 2>&1 )
    best=$(awk -v a="$seconds" -v b="$best" 'BEGIN { print (b == "" || a < b) ? a : b }')
  done
  echo "$best"
}

program=$(best_of "$build/forestfire")
floor=$(best_of "$build/write_lines" "$work/transcript")
lines=$(wc -l <"$work/transcript")
echo "frames:       $((presses + 2)) ($lines lines)"
echo "forestfire:   ${program} s"
echo "floor:        ${floor} s"
awk -v p="$program" -v f="$floor" 'BEGIN { printf "ratio:        %.2f\n", p / f }'
