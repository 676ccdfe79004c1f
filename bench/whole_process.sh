#!/usr/bin/env bash
# Measures the whole program on PRESSES Enter presses (after the answer 2,
# then q), output to /dev/null:
#
# - instructions per key press, counted by valgrind's callgrind: the cost of
#   one press once the fire is out, from two runs 20,000 presses apart.  A
#   count, not a time: it is the same on a loaded machine and on any machine
#   of the same processor family and libraries.  Each run has a seed of its
#   own, so the two fires differ; in a damp forest few trees burn, and what
#   that adds is a few instructions a press;
# - the median wall-clock time of RUNS runs, against the floor: a program
#   that only writes the same transcript, in the same writes (the menu and
#   every frame in one write each).  This ratio mostly tells what a system
#   call costs on the machine at hand: it differs from one machine to another.
#
#   [PRESSES=100000] [RUNS=7] bash bench/whole_process.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-bench}
presses=${PRESSES:-100000}
runs=${RUNS:-7}

cmake -B "$build" -DCMAKE_BUILD_TYPE=Release -DFORESTFIRE_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" --parallel --target forestfire write_frames >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# input ANSWER N FILE: the answer, N Enter presses, then q.
input() { { printf '%s\n' "$1"; head -c "$2" /dev/zero | tr '\0' '\n'; printf 'q'; } >"$3"; }
input 2 "$presses" "$work/input"
"$build/forestfire" <"$work/input" >"$work/transcript"
# Where the program's writes start: the menu, then every frame.
{ echo 0; grep -a -b -o 'Current time step: ' "$work/transcript" | cut -d: -f1; } >"$work/offsets"

if command -v valgrind >/dev/null; then
  # instructions N: what the program executes for N presses.
  instructions() {
    input 3 "$1" "$work/counted"
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$build/forestfire" \
      <"$work/counted" 2>&1 >/dev/null | sed -n 's/.*Collected : //p'
  }
  short=$(instructions 2000)
  long=$(instructions 22000)
  echo "instructions per key press: $(((long - short) / 20000)) (callgrind, fire out)"
fi

# Median wall-clock seconds of $runs runs of the command, fed the input.
median_of() {
  for _ in $(seq "$runs"); do
    { TIMEFORMAT=%R; time "$@" <"$work/input" >/dev/null; } 2>&1
  done | sort -n | awk '{ seconds[NR] = $1 } END { print seconds[int((NR + 1) / 2)] }'
}

program=$(median_of "$build/forestfire")
floor=$(median_of "$build/write_frames" "$work/transcript" "$work/offsets")
echo "frames:       $(($(wc -l <"$work/offsets") - 1)) ($(wc -c <"$work/transcript") bytes)"
echo "forestfire:   ${program} s"
echo "floor:        ${floor} s"
awk -v p="$program" -v f="$floor" 'BEGIN { printf "ratio:        %.2f\n", p / f }'
