#!/usr/bin/env bash
# Runs the program under valgrind's memcheck on two scripted sessions: an
# answer, a few hundred steps and q; and input that ends at the prompt.  Each
# must run without a memory error and end with every heap block freed.
#
#   bash .ci/valgrind.sh [path/to/forestfire]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/forestfire}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# check NAME EXPECTED_STATUS INPUT
check() {
  local status=0
  printf '%b' "$3" >"$work/input"
  valgrind --error-exitcode=99 --leak-check=full --show-leak-kinds=all --errors-for-leak-kinds=all \
    --log-file="$work/$1.log" "$program" <"$work/input" >/dev/null 2>&1 || status=$?
  grep -E 'ERROR SUMMARY|All heap blocks were freed|in use at exit' "$work/$1.log" | sed "s/^==[0-9]*== /$1: /"
  if [ "$status" != "$2" ] || ! grep -q 'All heap blocks were freed' "$work/$1.log"; then
    cat "$work/$1.log"
    echo "$1: exit status $status, expected $2, or heap blocks left" >&2
    return 1
  fi
}

check session 0 "2\n$(printf '%0.s\\n' $(seq 300))q"
check end-at-prompt 1 "x"
