// Plays the whole program on arbitrary bytes: the dampness prompt, then the
// main loop, until a "q" has had its step or the bytes run out.  Everything
// the program writes, and its exit status, must be what the reference says
// those bytes must produce.  The hash of the bytes gives the seed (its low 32
// bits) and says whether the console is a terminal (bit 32).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "play.h"
#include "reference.h"

// The entry point libFuzzer calls, under the name it looks for.  Any
// difference is told on standard error, with the first write that differs,
// and aborts; libFuzzer keeps the input.
extern "C" int LLVMFuzzerTestOneInput(  // NOLINT(readability-identifier-naming)
    const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const auto hash = forestfire::hashOf(input);
  const auto seed = static_cast<std::uint32_t>(hash);
  const bool terminal = (hash >> 32 & 1) != 0;
  const auto played = forestfire::play(input, seed, {terminal});
  const auto expected = forestfire::reference::run(input, seed, terminal);
  const auto& want = expected.output;
  const auto& got = played.output;
  const auto write = std::mismatch(want.begin(), want.end(), got.begin(), got.end()).first;
  if (played.status != expected.status || played.errors != expected.errors || got != want) {
    std::fprintf(stderr, "status %d, expected %d; write %td differs\n", played.status,
                 expected.status, write - want.begin());
    std::abort();
  }
  return 0;
}
