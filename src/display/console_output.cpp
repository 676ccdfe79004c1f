#include "display/console_output.h"

#include <cerrno>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <io.h>
#include <windows.h>
#else
#include <sys/select.h>
#include <unistd.h>
#endif

namespace forestfire {

namespace {

#ifdef _WIN32
bool isConsole(int descriptor) {
  // A console, not merely a character device: NUL is one too.
  DWORD mode = 0;
  const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(descriptor));
  return GetConsoleMode(handle, &mode) != 0;
}

// The C runtime's write, which turns each line end into CR LF on a text
// descriptor.  It does not report a full descriptor: a transient failure is
// waited out for a few milliseconds.
long writeSome(int descriptor, const char* bytes, std::size_t count) {
  return _write(descriptor, bytes, static_cast<unsigned>(count));
}

void waitUntilWritable(int /*descriptor*/) {
  Sleep(10);
}
#else
bool isConsole(int descriptor) {
  return isatty(descriptor) != 0;
}

long writeSome(int descriptor, const char* bytes, std::size_t count) {
  return write(descriptor, bytes, count);
}

// select(), not poll(): poll() does not wait on a terminal everywhere.
void waitUntilWritable(int descriptor) {
  fd_set writable;
  FD_ZERO(&writable);
  FD_SET(descriptor, &writable);
  select(descriptor + 1, nullptr, &writable, nullptr, nullptr);  // the next write tells
}
#endif

}  // namespace

ConsoleOutput::ConsoleOutput(int target) : descriptor(target), terminal(isConsole(target)) {
  setp(held.data(), held.data() + held.size());
}

ConsoleOutput::~ConsoleOutput() {
  writeHeld();
}

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
  while (failure == 0 && next < pptr()) {
    const long written = writeSome(descriptor, next, static_cast<std::size_t>(pptr() - next));
    if (written > 0) {
      next += written;
    } else if (written == 0) {
      failure = EIO;  // a write that takes nothing would be made for ever
    } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
      waitUntilWritable(descriptor);
    } else if (errno != EINTR) {
      failure = errno;
    }
  }
  if (next > pbase()) {
    lastWritten = next[-1];
  }
  setp(held.data(), held.data() + held.size());
  if (failure != 0) {
    errno = failure;
  }
  return failure == 0;
}

}  // namespace forestfire
