// Plays the whole program on arbitrary bytes: the dampness prompt, then the
// main loop, until a "q" has had its step or the bytes run out.  Standard
// input and output are redirected inside the process, and everything the
// program writes, and its exit status, must be what the reference says those
// bytes and the seed must produce.
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <sstream>
#include <string>

#include "driver/session.h"
#include "reference.h"

namespace {

// The whole program on `bytes`, with its standard streams redirected.
forestfire::reference::Run play(const std::string& bytes, std::uint32_t seed) {
  std::istringstream input(bytes);
  std::ostringstream output, errors;
  std::streambuf* const standardIn = std::cin.rdbuf(input.rdbuf());
  std::streambuf* const standardOut = std::cout.rdbuf(output.rdbuf());
  std::streambuf* const standardErr = std::cerr.rdbuf(errors.rdbuf());
  const int status = forestfire::runForestFire(seed);
  std::cin.rdbuf(standardIn);
  std::cout.rdbuf(standardOut);
  std::cerr.rdbuf(standardErr);
  std::cin.clear();
  return {status, output.str(), errors.str()};
}

}  // namespace

// The entry point libFuzzer calls, under the name it looks for.  Any
// difference aborts, and libFuzzer keeps the input.
extern "C" int LLVMFuzzerTestOneInput(  // NOLINT(readability-identifier-naming)
    const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const auto seed = static_cast<std::uint32_t>(std::hash<std::string>{}(bytes));  // its own fire
  const forestfire::reference::Run expected = forestfire::reference::run(bytes, seed);
  const forestfire::reference::Run played = play(bytes, seed);
  if (played.status != expected.status || played.output != expected.output ||
      played.errors != expected.errors) {
    std::cerr << "forestfire_fuzzer: the run differs from the reference\n";
    std::abort();
  }
  return 0;
}
