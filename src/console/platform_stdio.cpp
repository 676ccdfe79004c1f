// The part of the platform that is the same on every system.
#include <cstdio>

#include "console/platform.h"

namespace forestfire::console {

int readInputByte(char& byte) {
  const int read = std::getc(stdin);
  if (read != EOF) {
    byte = static_cast<char>(read);
    return 1;
  }
  if (std::ferror(stdin) == 0) {
    return 0;
  }
  std::clearerr(stdin);  // so that a read made again reaches the system
  return -1;
}

}  // namespace forestfire::console
