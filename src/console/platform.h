#ifndef FORESTFIRE_CONSOLE_PLATFORM_H_
#define FORESTFIRE_CONSOLE_PLATFORM_H_

#include <cstddef>

// What the console needs of the platform it runs on: platform_posix.cpp and
// platform_win32.cpp each define the part that differs per system, and CMake
// links the one that fits into the program, with platform_stdio.cpp, which
// is the same on all of them.  Everything else of the program is the same
// everywhere.  The tests link a platform of their own in their place, which
// plays the system's part as each test asks.
namespace forestfire::console {

// Whether `descriptor` is a terminal.  On Windows: a console (not merely a
// character device, as NUL is one too).
bool isTerminal(int descriptor);

// Whether the program can clear a terminal it writes to.  Elsewhere than on
// Windows: when TERM is set, not empty and not "dumb".  On Windows: always,
// by running "cls".
bool canClearTerminal();

// Clears the terminal's screen and scroll-back (see console::clear).
void clearScreen();

// Reads one byte of standard input into `byte`: 1 when it did, 0 at the end
// of the input, -1 with errno set when the read failed or found a
// non-blocking input not ready.  Through the C library's stdin, which reads
// ahead as much as the terminal or pipe hands over, and at exit gives back to
// a regular file what it read beyond the last byte taken.
int readInputByte(char& byte);

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
