#ifndef FORESTFIRE_CONSOLE_PLATFORM_H_
#define FORESTFIRE_CONSOLE_PLATFORM_H_

#include <cstddef>

// What the console needs of the platform it runs on.  platform_posix.cpp and
// platform_win32.cpp each define the part that differs per system, and
// platform_stdio.cpp the part that is the same on all of them.  CMake links
// the ones that fit into the program.  Everything else of the program is the
// same everywhere.  The tests link a platform of their own in their place,
// which plays the system's part as each test asks.
namespace forestfire::console {

// Whether `descriptor` is a terminal: on Windows, a console.
bool isTerminal(int descriptor);

// Whether the program can clear a terminal it writes to, so that a frame
// starts on an empty screen.
bool canClearTerminal();

// Clears the terminal's screen and scroll-back (see console::clear).
void clearScreen();

// Reads one byte of standard input into `byte`: 1 when it did, 0 at the end
// of the input, -1 with errno set when the read failed or found a
// non-blocking input not ready.  A terminal that has been hung up has
// failed, with EIO: its input has not ended.
int readInputByte(char& byte);

// Writes up to `count` bytes to `descriptor`: how many it took, or -1 with
// errno set.
long writeSome(int descriptor, const char* bytes, std::size_t count);

// Wait, without spinning, for a descriptor that was found not ready (a
// non-blocking one with nothing to read, or full) until it may be ready; the
// call that follows tells whether it is.
void waitUntilReadable(int descriptor);
void waitUntilWritable(int descriptor);

}  // namespace forestfire::console

#endif  // FORESTFIRE_CONSOLE_PLATFORM_H_
