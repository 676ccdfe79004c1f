// forestfire: a fire spreading through a forest, one step per key press.
#include <cstdint>
#include <ctime>
#include <new>

#include "console/standard_streams.h"
#include "driver/session.h"

int main() {
  std::set_new_handler(forestfire::exitOutOfMemory);
  const forestfire::console::StandardStreams streams;
  // The generator is seeded with the low 32 bits of the start time.
  const auto now = static_cast<std::uint64_t>(std::time(nullptr));
  return forestfire::runForestFire(static_cast<std::uint32_t>(now & 0xFFFFFFFFu));
}
