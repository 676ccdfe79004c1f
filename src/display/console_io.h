#ifndef FORESTFIRE_DISPLAY_CONSOLE_IO_H_
#define FORESTFIRE_DISPLAY_CONSOLE_IO_H_

#include <cstddef>

namespace forestfire {

// The few system calls that the console's descriptors need, on each
// platform; everything else of the program is the same everywhere.

// Whether `descriptor` is a terminal (on Windows, a console: not merely a
// character device, as NUL is one too).
bool isTerminal(int descriptor);

// Writes up to `count` bytes to `descriptor`: how many it took, or -1 with
// errno set.  On Windows the C runtime's write, which turns each line end
// into CR LF on a text descriptor.
long writeSome(int descriptor, const char* bytes, std::size_t count);

// Wait, without spinning, for a descriptor that was found not ready (a
// non-blocking one with nothing to read, or full), until it may be ready;
// the call that follows tells whether it is.  Elsewhere than on Windows they
// use select(), which waits on a terminal on every system (poll() does not,
// on macOS).  On Windows a console's input is waited on; a pipe, a file, or
// an output, which cannot be, is given 10 ms.
void waitUntilReadable(int descriptor);
void waitUntilWritable(int descriptor);

}  // namespace forestfire

#endif  // FORESTFIRE_DISPLAY_CONSOLE_IO_H_
