#!/usr/bin/env bash
# Cross-compiles forestfire for 64-bit Windows with mingw-w64 and plays the
# executable under wine through the driver tests' pipe check: the menu and
# messages, the first frame, one frame per character with its step number,
# the burning tree burnt out a step later, and the exit statuses.  Needs
# build/forestfire_tests.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DBUILD_TESTING=OFF \
  -DCMAKE_CXX_FLAGS=-Werror >/dev/null
cmake --build build-windows --parallel

export WINEDEBUG=-all WINEPREFIX="$PWD/build-windows/wine"
# Start wine's server and services now, away from the tests' pipes: a
# service started by a test's run would hold that run's output open.
mkdir -p "$WINEPREFIX"
wineserver -p </dev/null >/dev/null 2>&1
trap 'wineserver -k' EXIT
wine cmd /c exit </dev/null >/dev/null 2>&1

FORESTFIRE_PROGRAM="wine '$PWD/build-windows/forestfire.exe'" \
  build/forestfire_tests --gtest_filter='DriverTest.PlaysThroughAPipeAsTheReferenceSays'
