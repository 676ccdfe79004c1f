#!/usr/bin/env bash
# Fuzzes the dampness prompt and the main loop with arbitrary bytes for a
# bounded time (FUZZ_SECONDS, default 60), under AddressSanitizer (leaks
# included) and UndefinedBehaviorSanitizer.  Any finding fails, and leaves
# its input in build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS=-Werror -DFORESTFIRE_BUILD_FUZZER=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build build-fuzz --parallel --target forestfire_fuzzer

corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  build-fuzz/forestfire_fuzzer -max_total_time="${FUZZ_SECONDS:-60}" -max_len=512 -timeout=10 \
  -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix=build-fuzz/ "$corpus" fuzz/corpus
