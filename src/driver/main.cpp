// forestfire: a fire spreading through a forest, one step per key press.
#include <cstdint>
#include <ctime>
#include <iostream>

#include "driver/session.h"

int main() {
  // Let the streams buffer for themselves, so every line goes out in one
  // write even where the C library leaves standard output unbuffered (a
  // Windows console).  Each line is still flushed as it ends.
  std::ios::sync_with_stdio(false);
  // The generator is seeded with the low 32 bits of the start time.
  const auto now = static_cast<std::uint64_t>(std::time(nullptr));
  return forestfire::runForestFire(static_cast<std::uint32_t>(now & 0xFFFFFFFFu));
}
