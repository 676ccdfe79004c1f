#ifndef FORESTFIRE_DISPLAY_CONSOLE_H_
#define FORESTFIRE_DISPLAY_CONSOLE_H_

namespace forestfire {

// The console is a terminal when std::cout writes through the program's own
// ConsoleOutput to a terminal (on Windows, a console).  Anything else under
// std::cout (a pipe, a file, a string stream in a test) is not one, so that
// such output holds only the program's own text.

// Whether the console is a terminal.
bool consoleIsTerminal();

// On a terminal, clears the console so that the next frame starts at the top
// of an empty screen, scroll-back included; elsewhere does nothing.
//
// Elsewhere than on Windows it puts the terminal's clear sequence into
// std::cout unflushed: the clear then reaches the terminal in the same write
// as the frame after it, and the screen never shows the blank in between.
// On Windows it flushes std::cout, so that nothing written before is still
// waiting, then runs "cls".
void clearConsole();

// On a terminal, flushes std::cout and, if the cursor then waits at the end
// of a line (a frame's prompt), moves it to the start of a line of its own,
// so that what comes next (the shell's prompt, a message) starts there.
// Elsewhere does nothing.
void endConsoleLine();

}  // namespace forestfire

#endif  // FORESTFIRE_DISPLAY_CONSOLE_H_
