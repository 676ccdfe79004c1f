#include "driver/input.h"

#include <cerrno>
#include <cstdio>
#include <iostream>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <sys/select.h>
#include <unistd.h>
#endif

namespace forestfire {

namespace {

bool isTransient(int error) {
  return error == EINTR || error == EAGAIN || error == EWOULDBLOCK;
}

#ifdef _WIN32
// A console's input handle is waited on until it has input; any other
// handle (a pipe, a file) cannot be waited on, and is read again after a
// pause of 10 ms.
void waitUntilReadable() {
  const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  DWORD mode = 0;
  if (GetConsoleMode(input, &mode) == 0 || WaitForSingleObject(input, INFINITE) != WAIT_OBJECT_0) {
    Sleep(10);
  }
}
#else
// select(), not poll(): poll() does not wait on a terminal everywhere.
void waitUntilReadable() {
  fd_set readable;
  FD_ZERO(&readable);
  FD_SET(STDIN_FILENO, &readable);
  select(STDIN_FILENO + 1, &readable, nullptr, nullptr, nullptr);  // the next read tells
}
#endif

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
