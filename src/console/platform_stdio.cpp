// The part of the platform that is the same on every system.
#include <cstdio>

#include "console/platform.h"

namespace forestfire::console {

// Reads through the C library's stdin, which reads ahead as much as the
// terminal or the pipe hands over.  At exit it gives a regular file back what
// it read beyond the last byte taken.  A hung-up terminal gives no byte, as
// the end of the input does, so each end is asked whether it is one.
int readInputByte(char& byte) {
  const int read = std::getc(stdin);
  if (read != EOF) {
    byte = static_cast<char>(read);
    return 1;
  }
  if (std::ferror(stdin) == 0) {
    return isHungUpTerminal(0) ? -1 : 0;
  }
  std::clearerr(stdin);  // so that a read made again reaches the system
  return -1;
}

}  // namespace forestfire::console
