# Cross-compiles for macOS with zig's C++ compiler, which carries macOS's
# headers and its C++ library.  Nothing built this way runs here: it shows
# that the code compiles and links for macOS, no more.  .ci/macos.sh fetches
# zig and builds for arm64 (aarch64) and for x86_64:
#
#   cmake -B build-macos/aarch64 -DCMAKE_TOOLCHAIN_FILE=cmake/macos-zig.cmake \
#     -DFORESTFIRE_ZIG=/path/to/zig -DFORESTFIRE_MACOS_ARCH=aarch64 \
#     -DFORESTFIRE_GTEST_SOURCE=/usr/src/googletest
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES FORESTFIRE_ZIG FORESTFIRE_MACOS_ARCH)
set(CMAKE_SYSTEM_NAME Darwin)
set(CMAKE_SYSTEM_PROCESSOR ${FORESTFIRE_MACOS_ARCH})
set(CMAKE_C_COMPILER ${FORESTFIRE_ZIG} cc -target ${FORESTFIRE_MACOS_ARCH}-macos)
set(CMAKE_CXX_COMPILER ${FORESTFIRE_ZIG} c++ -target ${FORESTFIRE_MACOS_ARCH}-macos)
# zig refuses the flags with which CMake asks a compiler about its target, so
# it is told: a 64-bit one.
set(CMAKE_SIZEOF_VOID_P 8)
# Archives made by zig's own archiver: macOS's linker refuses GNU ar's.
foreach(language C CXX)
  set(CMAKE_${language}_ARCHIVE_CREATE "${FORESTFIRE_ZIG} ar qc <TARGET> <LINK_FLAGS> <OBJECTS>")
  set(CMAKE_${language}_ARCHIVE_APPEND "${FORESTFIRE_ZIG} ar q <TARGET> <LINK_FLAGS> <OBJECTS>")
  set(CMAKE_${language}_ARCHIVE_FINISH "${FORESTFIRE_ZIG} ranlib <TARGET>")
endforeach()
# Nothing is installed from this build, so no install name is ever changed.
set(CMAKE_INSTALL_NAME_TOOL true)
# The tests cannot run here, so they are listed when they run, not when built.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
