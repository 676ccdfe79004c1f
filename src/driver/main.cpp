// forestfire: a fire spreading through a forest, one step per key press.
#include <cstdint>
#include <cstdio>
#include <ctime>

#include "driver/session.h"

int main() {
  // Buffer standard output fully, so every line goes out in one write even
  // where the C library would leave it unbuffered (a Windows console).  Each
  // line is still flushed as it ends.
  static char outputBuffer[BUFSIZ];
  std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);
  // The generator is seeded with the low 32 bits of the start time.
  const auto now = static_cast<std::uint64_t>(std::time(nullptr));
  return forestfire::runForestFire(static_cast<std::uint32_t>(now & 0xFFFFFFFFu));
}
