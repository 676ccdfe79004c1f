#!/usr/bin/env bash
# Cross-compiles forestfire and its tests for 64-bit Windows with mingw-w64,
# then runs them under wine: the unit suites and the seed corpus played
# in-process against the reference, built with GoogleTest from Debian's
# googletest sources, and the pipe scenario of the system test, which plays
# the Windows program against the Windows build of the reference (whose C
# library draws the same numbers as the program's).
set -euo pipefail
cd "$(dirname "$0")/.."

export WINEDEBUG=-all WINEPREFIX="$PWD/build-windows/wine"
# Start wine's server and services now, away from the tests' pipes: a
# service started by a test's run would hold that run's output open.
mkdir -p "$WINEPREFIX"
wineserver -p </dev/null >/dev/null 2>&1
trap 'wineserver -k' EXIT
wine cmd /c exit </dev/null >/dev/null 2>&1

cmake -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DFORESTFIRE_GTEST_SOURCE=/usr/src/googletest -DCMAKE_CROSSCOMPILING_EMULATOR=wine \
  -DCMAKE_CXX_FLAGS=-Werror >/dev/null
cmake --build build-windows --parallel
ctest --test-dir build-windows --output-on-failure --no-tests=error
