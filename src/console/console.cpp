#include "console/console.h"

#include <cerrno>
#include <cstdio>
#include <iostream>

#include "console/platform.h"

namespace forestfire::console {

namespace {

bool terminal = false;
bool atPrompt = false;  // the cursor waits at the end of a prompt's line

bool isTransient(int error) {
  return error == EINTR || error == EAGAIN || error == EWOULDBLOCK;
}

}  // namespace

bool isTerminal() {
  return terminal;
}

void setTerminal(bool value) {
  terminal = value;
}

void clear() {
  if (terminal) {
    clearScreen();
  }
}

void endPrompt() {
  if (terminal) {
    atPrompt = true;
  } else {
    std::cout << '\n';
  }
}

bool flushToLineStart() {
  if (atPrompt) {
    atPrompt = false;
    std::cout << '\n';
  }
  return static_cast<bool>(std::cout.flush());
}

// std::cin reads through the C library's stdin, whose error flag is what
// tells a failed read from the end of input.
ReadResult readByte(char& byte) {
  while (!std::cin.get(byte)) {
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
  return ReadResult::Byte;
}

}  // namespace forestfire::console
