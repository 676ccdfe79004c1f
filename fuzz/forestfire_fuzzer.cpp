// Plays the whole program on arbitrary bytes: the dampness prompt, then the
// main loop, until a "q" has had its step or the bytes run out.  Standard
// input and output are redirected inside the process, and what the program
// writes is checked against what those bytes must produce.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <tuple>

#include "driver/session.h"

namespace {

const std::string kMenu = "1) Dry\n2) Moist\n3) Damp\nPlease input a dampness level\n";
const std::size_t kReminderSize = sizeof "Please input a number between 1 and 3\n" - 1;
// A frame without the digits of its step number: the header, the separator
// (34), 21 grid lines (64 each) and the prompt line (57).
constexpr std::size_t kFrameSize = 20 + 34 + 21 * 64 + 57;

// The whole program on `bytes`, with its standard streams redirected: its
// exit status, what it wrote to standard output and to standard error.
std::tuple<int, std::string, std::string> play(const std::string& bytes) {
  std::istringstream input(bytes);
  std::ostringstream output, errors;
  std::streambuf* const standardIn = std::cin.rdbuf(input.rdbuf());
  std::streambuf* const standardOut = std::cout.rdbuf(output.rdbuf());
  std::streambuf* const standardErr = std::cerr.rdbuf(errors.rdbuf());
  const int status = forestfire::runForestFire(1);
  std::cin.rdbuf(standardIn);
  std::cout.rdbuf(standardOut);
  std::cerr.rdbuf(standardErr);
  std::cin.clear();
  return {status, output.str(), errors.str()};
}

}  // namespace

// The entry point libFuzzer calls, under the name it looks for.
extern "C" int LLVMFuzzerTestOneInput(  // NOLINT(readability-identifier-naming)
    const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const auto [status, output, errors] = play(bytes);
  // A reminder for every non-digit before the first digit from 1 to 3; then
  // a frame for that digit and one for every character after it, up to and
  // including the first "q".
  std::size_t at = 0, expectedSize = kMenu.size();
  for (; at < size && (bytes[at] < '1' || bytes[at] > '3'); ++at) {
    expectedSize += bytes[at] < '0' || bytes[at] > '9' ? kReminderSize : 0;
  }
  const std::size_t frames = at == size ? 0 : 1 + std::min(bytes.find('q', at + 1), size - 1) - at;
  for (std::size_t step = 1; step <= frames; ++step) {
    expectedSize += kFrameSize + std::to_string(step).size();
  }
  // Any difference aborts, and libFuzzer keeps the input.  The same seed and
  // the same keys must play the same fire.
  if (status != (frames == 0 ? 1 : 0) || errors.empty() != (status == 0) ||
      output.compare(0, kMenu.size(), kMenu) != 0 || output.size() != expectedSize ||
      std::get<1>(play(bytes)) != output) {
    std::abort();
  }
  return 0;
}
