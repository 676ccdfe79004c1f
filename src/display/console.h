#ifndef FORESTFIRE_DISPLAY_CONSOLE_H_
#define FORESTFIRE_DISPLAY_CONSOLE_H_

namespace forestfire {

// Clears the console so that the next frame starts at the top of an empty
// screen, scroll-back included.  When standard output is not a terminal (a
// pipe, a file) it does nothing, so that redirected output holds only the
// program's own text.
//
// Elsewhere than on Windows it puts the terminal's clear sequence into
// std::cout unflushed: the clear then reaches the terminal in the same write
// as the frame after it, and the screen never shows the blank in between.
// On Windows it flushes std::cout, so that nothing written before is still
// waiting, then runs "cls".
void clearConsole();

}  // namespace forestfire

#endif  // FORESTFIRE_DISPLAY_CONSOLE_H_
