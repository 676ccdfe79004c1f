// Plays the whole program on arbitrary bytes: the dampness prompt, then the
// main loop, until a "q" has had its step or the bytes run out.  Standard
// input and output are redirected inside the process, and everything the
// program writes, and its exit status, must be what the reference says those
// bytes must produce.  A hash of the bytes gives the seed and says whether
// the console is a terminal.
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <sstream>
#include <string>

#include "console/console.h"
#include "driver/session.h"
#include "reference.h"

namespace forestfire {

// The whole program on `input`, with its standard streams redirected.  The
// driver suite plays its seed corpus with it too.
reference::Run play(const std::string& input, std::uint32_t seed, bool terminal) {
  std::istringstream in(input);
  std::ostringstream out, errors;
  std::streambuf* const standardIn = std::cin.rdbuf(in.rdbuf());
  std::streambuf* const standardOut = std::cout.rdbuf(out.rdbuf());
  std::streambuf* const standardErr = std::cerr.rdbuf(errors.rdbuf());
  console::setTerminal(terminal);
  const int status = runForestFire(seed);
  console::setTerminal(false);
  std::cin.rdbuf(standardIn);
  std::cout.rdbuf(standardOut);
  std::cerr.rdbuf(standardErr);
  std::cin.clear();
  return {status, out.str(), errors.str()};
}

}  // namespace forestfire

// The entry point libFuzzer calls, under the name it looks for.  Any
// difference aborts, and libFuzzer keeps the input.
extern "C" int LLVMFuzzerTestOneInput(  // NOLINT(readability-identifier-naming)
    const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::uint64_t hash = std::hash<std::string>{}(bytes);
  const auto seed = static_cast<std::uint32_t>(hash);
  const bool terminal = (hash >> 32 & 1) != 0;
  if (!(forestfire::play(bytes, seed, terminal) ==
        forestfire::reference::run(bytes, seed, terminal))) {
    std::abort();
  }
  return 0;
}
