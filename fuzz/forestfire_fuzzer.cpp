// Plays the whole program on arbitrary bytes: the dampness prompt, then the
// main loop, until a "q" has had its step or the bytes run out.  Everything
// the program writes, and its exit status, must be what the reference says
// those bytes must produce.  They are played with the seed their hash gives
// them (seedOf), on a terminal when it is odd and through a pipe when even.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "play.h"
#include "reference.h"

// The entry point libFuzzer calls, under the name it looks for.  A difference
// is told as the unit tests tell it, with the first write that differs, and
// aborts; libFuzzer keeps the input.
extern "C" int LLVMFuzzerTestOneInput(  // NOLINT(readability-identifier-naming)
    const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const auto seed = forestfire::seedOf(input);
  const bool terminal = seed % 2 != 0;
  forestfire::expectRun(forestfire::reference::run(input, seed, terminal),
                        forestfire::play(input, seed, {terminal}));
  if (testing::Test::HasFailure()) {
    std::abort();
  }
  return 0;
}
