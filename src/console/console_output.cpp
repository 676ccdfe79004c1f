#include "console/console_output.h"

#include <cerrno>

#include "console/platform.h"

namespace forestfire::console {

ConsoleOutput::ConsoleOutput(int descriptor) : target(descriptor) {}

ConsoleOutput::~ConsoleOutput() {
  writeHeld();
}

// The stream calls this for the first character written, before the buffer
// is set up, and whenever the buffer is full, which the program's texts never
// make it.
ConsoleOutput::int_type ConsoleOutput::overflow(int_type character) {
  if (!writeHeld()) {
    return traits_type::eof();
  }
  if (!traits_type::eq_int_type(character, traits_type::eof())) {
    *pptr() = traits_type::to_char_type(character);
    pbump(1);
  }
  return traits_type::not_eof(character);
}

int ConsoleOutput::sync() {
  return writeHeld() ? 0 : -1;
}

bool ConsoleOutput::writeHeld() {
  const char* next = pbase();
  while (reason == 0 && next < pptr()) {
    const long written = writeSome(target, next, static_cast<std::size_t>(pptr() - next));
    if (written > 0) {
      next += written;
    } else if (written == 0) {
      reason = EIO;  // a write that takes nothing would be made for ever
    } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
      waitUntilWritable(target);
    } else if (errno != EINTR) {
      reason = errno;
    }
  }
  setp(held.data(), held.data() + held.size());
  return reason == 0;
}

}  // namespace forestfire::console
