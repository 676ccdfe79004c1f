// The console on Windows.  It is built with mingw-w64 and tested under wine
// only.  No test has run it on a real Windows console, so its screen and its
// waits there are unseen, and no one has built it with MSVC.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <io.h>
#include <windows.h>

#include <cstdlib>
#include <iostream>

#include "console/platform.h"

namespace forestfire::console {

namespace {

HANDLE handleOf(int descriptor) {
  return reinterpret_cast<HANDLE>(_get_osfhandle(descriptor));
}

bool isConsole(int descriptor) {
  DWORD mode = 0;
  return GetConsoleMode(handleOf(descriptor), &mode) != 0;
}

}  // namespace

// Only a console counts as a terminal, not every character device: NUL is a
// character device too.
bool isTerminal(int descriptor) {
  return isConsole(descriptor);
}

bool canClearTerminal() {
  return true;  // with "cls", whatever TERM says
}

// The screen is cleared by running "cls".  Whatever std::cout still holds
// goes out first, so that the clear does not wipe it.  The frame after it is
// a write of its own.
void clearScreen() {
  std::cout.flush();
  std::system("cls");  // a failed clear leaves the old frame above the new one
}

// Writes through the C runtime's write.  It turns each line end into CR LF on
// a text descriptor, and hands a long text to the system in several pieces.
long writeSome(int descriptor, const char* bytes, std::size_t count) {
  return _write(descriptor, bytes, static_cast<unsigned>(count));
}

// A console's input can be waited on.  A pipe or a file cannot be, here, nor
// can an output: each is given 10 ms before the next try.
void waitUntilReadable(int descriptor) {
  if (!isConsole(descriptor) ||
      WaitForSingleObject(handleOf(descriptor), INFINITE) != WAIT_OBJECT_0) {
    Sleep(10);
  }
}

void waitUntilWritable(int /*descriptor*/) {
  Sleep(10);
}

}  // namespace forestfire::console
