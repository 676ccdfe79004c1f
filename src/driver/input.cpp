#include "driver/input.h"

#include <cerrno>
#include <cstdio>
#include <iostream>

#ifndef _WIN32
#include <poll.h>
#include <unistd.h>
#endif

namespace forestfire {

namespace {

bool isTransient(int error) {
  return error == EINTR || error == EAGAIN || error == EWOULDBLOCK;
}

// Where there is no poll for standard input (Windows), the read is simply
// tried again.
void waitUntilReadable() {
#ifndef _WIN32
  pollfd input{STDIN_FILENO, POLLIN, 0};
  poll(&input, 1, -1);  // however it ends, the read that follows tells
#endif
}

}  // namespace

// std::cin reads through the C library's stdin, whose error flag is what
// tells a failed read from the end of input.
ReadResult readCharacter(char& character) {
  while (!std::cin.get(character)) {
    if (std::ferror(stdin) == 0) {
      return ReadResult::EndOfInput;
    }
    if (!isTransient(errno)) {
      return ReadResult::Failed;
    }
    std::clearerr(stdin);
    std::cin.clear();
    waitUntilReadable();
  }
  return ReadResult::Character;
}

}  // namespace forestfire
