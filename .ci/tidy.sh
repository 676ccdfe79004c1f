#!/usr/bin/env bash
# Runs clang-tidy with the project's .clang-tidy over the program, its tests,
# its fuzz target and its benchmarks (the Windows file aside, which this
# system cannot compile); any finding fails.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -B build-tidy -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
  -DFORESTFIRE_BUILD_BENCHMARKS=ON -DFORESTFIRE_BUILD_FUZZER=ON >/dev/null
git ls-files 'src/*.cpp' 'tests/*.cpp' 'fuzz/*.cpp' 'bench/*.cpp' | grep -v '_win32\.cpp$' |
  xargs -P "$(nproc)" -n 1 clang-tidy -p build-tidy --quiet
