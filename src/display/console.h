#ifndef FORESTFIRE_DISPLAY_CONSOLE_H_
#define FORESTFIRE_DISPLAY_CONSOLE_H_

namespace forestfire {

// Clears the console so that the next frame starts at the top of an empty
// screen.  When standard output is not a terminal (a pipe, a file) it writes
// nothing, so that redirected output holds only the program's own text.
//
// On Windows it runs "cls"; elsewhere it writes the terminal's clear
// sequences itself, without starting a process.
void clearConsole();

}  // namespace forestfire

#endif  // FORESTFIRE_DISPLAY_CONSOLE_H_
