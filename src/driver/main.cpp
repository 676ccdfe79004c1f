// forestfire: a fire spreading through a forest, one step per key press.
#include <cstdint>
#include <cstdio>
#include <ctime>

#include "driver/session.h"

int main() {
  // Buffer standard output fully, in a buffer that holds a whole frame with
  // room to spare: every frame then goes out in one write when it is
  // flushed, even where the C library would give standard output no buffer
  // or a small one (a Windows console; BUFSIZ is 512 there).
  static char outputBuffer[16 * 1024];
  std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);
  // The generator is seeded with the low 32 bits of the start time.
  const auto now = static_cast<std::uint64_t>(std::time(nullptr));
  return forestfire::runForestFire(static_cast<std::uint32_t>(now & 0xFFFFFFFFu));
}
