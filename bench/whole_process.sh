#!/usr/bin/env bash
# Times the whole program on 20,000 Enter presses (after the answer 2, then q),
# output to /dev/null, against the floor: a program that only writes the same
# transcript, the menu and every frame in one write each.  Prints the median
# of seven runs of each.
#
#   bash bench/whole_process.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-bench}
presses=${PRESSES:-20000}
runs=${RUNS:-7}

cmake -B "$build" -DCMAKE_BUILD_TYPE=Release -DFORESTFIRE_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" --parallel --target forestfire write_frames >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
{ printf '2\n'; head -c "$presses" /dev/zero | tr '\0' '\n'; printf 'q'; } >"$work/input"
"$build/forestfire" <"$work/input" >"$work/transcript"
# Where the program's writes start: the menu, then every frame.
{ echo 0; grep -a -b -o 'Current time step: ' "$work/transcript" | cut -d: -f1; } >"$work/offsets"

# Median wall-clock seconds of $runs runs of the command, fed the input.
median_of() {
  for _ in $(seq "$runs"); do
    { TIMEFORMAT=%R; time "$@" <"$work/input" >/dev/null; } 2>&1
  done | sort -n | awk '{ seconds[NR] = $1 } END { print seconds[int((NR + 1) / 2)] }'
}

program=$(median_of "$build/forestfire")
floor=$(median_of "$build/write_frames" "$work/transcript" "$work/offsets")
echo "frames:       $((presses + 2)) ($(wc -c <"$work/transcript") bytes)"
echo "forestfire:   ${program} s"
echo "floor:        ${floor} s"
awk -v p="$program" -v f="$floor" 'BEGIN { printf "ratio:        %.2f\n", p / f }'
