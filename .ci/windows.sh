#!/usr/bin/env bash
# Cross-compiles forestfire for 64-bit Windows with mingw-w64, then under wine:
# runs the unit suites (model, display, and the seed corpus played in-process
# against the reference, byte for byte), built with GoogleTest from Debian's
# googletest sources; and plays the executable through the driver tests'
# pipe check (the menu and messages, every frame but its trees, which the
# Windows generator draws otherwise, and the exit statuses).  Needs
# build/forestfire_tests.
set -euo pipefail
cd "$(dirname "$0")/.."
toolchain=-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake

cmake -B build-windows "$toolchain" -DBUILD_TESTING=OFF -DCMAKE_CXX_FLAGS=-Werror >/dev/null
cmake --build build-windows --parallel

export WINEDEBUG=-all WINEPREFIX="$PWD/build-windows/wine"
# Start wine's server and services now, away from the tests' pipes: a
# service started by a test's run would hold that run's output open.
mkdir -p "$WINEPREFIX"
wineserver -p </dev/null >/dev/null 2>&1
trap 'wineserver -k' EXIT
wine cmd /c exit </dev/null >/dev/null 2>&1

cmake -B build-windows-tests "$toolchain" -DFORESTFIRE_GTEST_SOURCE=/usr/src/googletest \
  -DCMAKE_CROSSCOMPILING_EMULATOR=wine -DCMAKE_CXX_FLAGS=-Werror >/dev/null
cmake --build build-windows-tests --parallel
ctest --test-dir build-windows-tests --output-on-failure --no-tests=error

FORESTFIRE_PROGRAM="wine '$PWD/build-windows/forestfire.exe'" \
  build/forestfire_tests --gtest_filter='DriverTest.PlaysThroughAPipeAsTheReferenceSays'
