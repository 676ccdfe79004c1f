// The console on Linux, macOS and the other POSIX systems.  It is tested on
// Linux.  On macOS it is compiled and linked, and has never run.
#include <sys/select.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <iostream>

#include "console/platform.h"

namespace forestfire::console {

namespace {

// select() waits on a terminal on every system; poll() does not, on macOS.
void waitUntilReady(int descriptor, bool writing) {
  fd_set ready;
  FD_ZERO(&ready);
  FD_SET(descriptor, &ready);
  select(descriptor + 1, writing ? nullptr : &ready, writing ? &ready : nullptr, nullptr, nullptr);
}

}  // namespace

bool isTerminal(int descriptor) {
  return isatty(descriptor) != 0;
}

// A terminal is cleared when TERM is set, not empty and not "dumb".  A
// terminal that says it is dumb (an editor's shell buffer, a serial line), or
// that names no type, may show an escape sequence as text.
bool canClearTerminal() {
  const char* type = std::getenv("TERM");
  return type != nullptr && *type != '\0' && std::strcmp(type, "dumb") != 0;
}

// The sequence moves the cursor home, then clears the screen and the
// scroll-back.  It goes into std::cout unflushed, and so reaches the terminal
// in the same write as the frame after it: the screen never shows the blank
// in between.
void clearScreen() {
  std::cout << "\x1b[H\x1b[2J\x1b[3J";
}

long writeSome(int descriptor, const char* bytes, std::size_t count) {
  return write(descriptor, bytes, count);
}

void waitUntilReadable(int descriptor) {
  waitUntilReady(descriptor, false);
}

void waitUntilWritable(int descriptor) {
  waitUntilReady(descriptor, true);
}

}  // namespace forestfire::console
