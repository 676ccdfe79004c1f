// forestfire: a fire spreading through a forest, one step per key press.
#include <cstdint>
#include <ctime>
#include <iostream>

#include "display/console_output.h"
#include "driver/session.h"

int main() {
  // The program writes its standard output and error itself, through
  // buffers of its own under the standard streams.
  forestfire::ConsoleOutput output(1), errors(2);
  std::streambuf* const standardOutput = std::cout.rdbuf(&output);
  std::streambuf* const standardError = std::cerr.rdbuf(&errors);
  // The generator is seeded with the low 32 bits of the start time.
  const auto now = static_cast<std::uint64_t>(std::time(nullptr));
  const int status = forestfire::runForestFire(static_cast<std::uint32_t>(now & 0xFFFFFFFFu));
  std::cout.rdbuf(standardOutput);
  std::cerr.rdbuf(standardError);
  return status;
}
