#!/usr/bin/env bash
# Runs clang-tidy with the project's .clang-tidy over the program, its tests,
# its fuzz target and its benchmarks; any finding fails.  Only findings are
# shown: not the count of warnings found, and suppressed, in system headers
# that clang-tidy prints for every file.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -B build-tidy -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
  -DFORESTFIRE_BUILD_BENCHMARKS=ON -DFORESTFIRE_BUILD_FUZZER=ON >/dev/null
git ls-files 'src/*.cpp' 'tests/*.cpp' 'fuzz/*.cpp' 'bench/*.cpp' | grep -v '_win32\.cpp$' |
  xargs -P "$(nproc)" -n 1 clang-tidy -p build-tidy --quiet 2>&1 |
  { grep -v -E '^[0-9]+ warnings? generated\.$' || true; }
