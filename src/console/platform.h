#ifndef FORESTFIRE_CONSOLE_PLATFORM_H_
#define FORESTFIRE_CONSOLE_PLATFORM_H_

#include <cstddef>

// What the console needs of the platform it runs on: platform_posix.cpp and
// platform_win32.cpp each define all of it, and CMake builds the one that
// fits.  Everything else of the program is the same everywhere.
namespace forestfire::console {

// Whether standard output is a terminal that the program can clear.
// Elsewhere than on Windows: a terminal, with TERM set, not empty and not
// "dumb".  On Windows: a console (not merely a character device, as NUL is
// one too).
bool detectTerminal();

// Clears the terminal's screen and scroll-back (see console::clear).
void clearScreen();

// Writes up to `count` bytes to `descriptor`: how many it took, or -1 with
// errno set.  On Windows the C runtime's write, which turns each line end
// into CR LF on a text descriptor, and hands a long text to the system in
// several pieces.
long writeSome(int descriptor, const char* bytes, std::size_t count);

// Wait, without spinning, for a descriptor that was found not ready (a
// non-blocking one with nothing to read, or full) until it may be ready; the
// call that follows tells whether it is.  Elsewhere than on Windows they use
// select(), which waits on a terminal on every system (poll() does not, on
// macOS).  On Windows a console's input is waited on; a pipe, a file, or an
// output, which cannot be, is given 10 ms.
void waitUntilReadable(int descriptor);
void waitUntilWritable(int descriptor);

}  // namespace forestfire::console

#endif  // FORESTFIRE_CONSOLE_PLATFORM_H_
