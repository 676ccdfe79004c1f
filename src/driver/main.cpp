// forestfire: a fire spreading through a forest, one step per key press.
#include <cstdint>
#include <ctime>
#include <new>

#include "console/standard_streams.h"
#include "driver/session.h"

int main() {
  std::set_new_handler(forestfire::exitOutOfMemory);
  // In static storage: its buffers are more than a small stack may hold.
  static const forestfire::console::StandardStreams streams;
  // The generator is seeded with the low 32 bits of the start time.
  return forestfire::runForestFire(static_cast<std::uint32_t>(std::time(nullptr)));
}
