#include "display/console.h"

#include <cstdlib>
#include <iostream>

#include "display/console_output.h"

namespace forestfire {

namespace {

const ConsoleOutput* terminal() {
  const auto* output = dynamic_cast<const ConsoleOutput*>(std::cout.rdbuf());
  return output != nullptr && output->isTerminal() ? output : nullptr;
}

}  // namespace

bool consoleIsTerminal() {
  return terminal() != nullptr;
}

void clearConsole() {
  if (terminal() == nullptr) {
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

void endConsoleLine() {
  const ConsoleOutput* output = terminal();
  if (output != nullptr && std::cout.flush() && !output->endsLine()) {
    std::cout << '\n' << std::flush;
  }
}

}  // namespace forestfire
