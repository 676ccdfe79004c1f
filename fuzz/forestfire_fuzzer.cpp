// Plays the whole program on arbitrary bytes: the dampness prompt, then the
// main loop, until a "q" has had its step or the bytes run out.  Standard
// input and output are redirected inside the process, and what the program
// writes is checked against what those bytes must produce.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

#include "driver/session.h"

namespace {

const std::string kMenu = "1) Dry\n2) Moist\n3) Damp\nPlease input a dampness level\n";
const std::size_t kReminderSize = sizeof "Please input a number between 1 and 3\n" - 1;
// A frame without its step number: header, separator, 21 grid lines, prompt.
const std::size_t kFrameSize = sizeof "Current time step: \n" - 1 + 34 + std::size_t{21} * 64 +
                               sizeof "Press enter to advance the time step, or press q to exit\n" -
                               1;

void require(bool condition) {
  if (!condition) {
    std::abort();
  }
}

// What the bytes must produce: the reminders before the accepted digit, and
// the number of frames (none when no digit from 1 to 3 arrives).
struct Expected {
  std::size_t reminders = 0;
  std::size_t frames = 0;
};

Expected expectedFor(const std::string& input) {
  Expected expected;
  std::size_t at = 0;
  for (; at < input.size() && (input[at] < '1' || input[at] > '3'); ++at) {
    expected.reminders += input[at] < '0' || input[at] > '9' ? 1 : 0;
  }
  if (at < input.size()) {
    const std::size_t quit = input.find('q', at + 1);
    expected.frames = 1 + (quit == std::string::npos ? input.size() - at - 1 : quit - at);
  }
  return expected;
}

std::size_t outputSizeFor(const Expected& expected) {
  std::size_t size = kMenu.size() + expected.reminders * kReminderSize;
  for (std::size_t step = 1; step <= expected.frames; ++step) {
    size += kFrameSize + std::to_string(step).size();
  }
  return size;
}

}  // namespace

// The entry point libFuzzer calls, under the name it looks for.
extern "C" int LLVMFuzzerTestOneInput(  // NOLINT(readability-identifier-naming)
    const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
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

  const Expected expected = expectedFor(bytes);
  const std::string text = output.str();
  require(status == (expected.frames == 0 ? 1 : 0));
  require(errors.str().empty() == (status == 0));
  require(text.compare(0, kMenu.size(), kMenu) == 0);
  require(text.size() == outputSizeFor(expected));
  return 0;
}
