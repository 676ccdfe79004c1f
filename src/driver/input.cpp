#include "driver/input.h"

#include <cerrno>
#include <cstdio>
#include <iostream>

#include "display/console_io.h"

namespace forestfire {

namespace {

bool isTransient(int error) {
  return error == EINTR || error == EAGAIN || error == EWOULDBLOCK;
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
    waitUntilReadable(0);  // standard input
  }
  return ReadResult::Character;
}

}  // namespace forestfire
