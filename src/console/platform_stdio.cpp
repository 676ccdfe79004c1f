// The part of the platform that is the same on every system.
#include <cerrno>
#include <cstdio>

#include "console/platform.h"

namespace forestfire::console {

// Reads through the C library's stdin, which reads ahead as much as the
// terminal or the pipe hands over.  At exit it gives a regular file back what
// it read beyond the last byte taken.
//
// A terminal whose other side has closed is hung up, and a read of it finds
// no byte, as at the end of the input.  So each end asks whether standard
// input is a terminal.  On Linux a hung-up one fails that question with EIO,
// where a pipe or a file answers ENOTTY.  Windows sets no errno there.  On
// macOS this is unproven: no test has hung up a terminal there.
int readInputByte(char& byte) {
  const int read = std::getc(stdin);
  if (read != EOF) {
    byte = static_cast<char>(read);
    return 1;
  }
  if (std::ferror(stdin) == 0) {
    errno = 0;
    return !isTerminal(0) && errno == EIO ? -1 : 0;
  }
  std::clearerr(stdin);  // so that a read made again reaches the system
  return -1;
}

}  // namespace forestfire::console
