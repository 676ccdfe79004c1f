#include "display/console.h"

#include <cstdlib>
#include <iostream>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace forestfire {

namespace {

bool stdoutIsTerminal() {
#ifdef _WIN32
  // A console, not merely a character device: NUL is one too.
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) != 0;
#else
  return isatty(STDOUT_FILENO) != 0;
#endif
}

}  // namespace

void clearConsole() {
  static const bool isTerminal = stdoutIsTerminal();
  if (!isTerminal) {
    return;
  }
#ifdef _WIN32
  std::cout.flush();
  std::system("cls");  // a failed clear leaves the old frame above the new one
#else
  // Cursor home, clear the screen, clear the scroll-back.
  std::cout << "\x1b[H\x1b[2J\x1b[3J";
#endif
}

}  // namespace forestfire
