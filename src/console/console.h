#ifndef FORESTFIRE_CONSOLE_CONSOLE_H_
#define FORESTFIRE_CONSOLE_CONSOLE_H_

// The console the program talks to: standard input, read one byte at a time,
// and standard output, which is a terminal or not.
//
// On a terminal every frame is drawn on a cleared screen and the cursor waits
// at the end of its prompt.  Anywhere else (a pipe, a file, a terminal that
// takes no escape sequences) the output is the program's text alone, every
// line ended, so that another program can read it.
//
// The program writes through std::cout and std::cerr and reads through
// std::cin; main puts the console's own buffers under the first two
// (StandardStreams).
namespace forestfire::console {

// Whether the console is a terminal.  StandardStreams decides it once, when
// main begins; a test sets it.  False until then.
bool isTerminal();
void setTerminal(bool terminal);

// On a terminal, clears the screen and its scroll-back, so that what is
// written next starts at the top of an empty screen; elsewhere does nothing.
// Elsewhere than on Windows the terminal's clear sequence goes into std::cout
// unflushed, and reaches the terminal in the same write as the frame after
// it, so the screen never shows the blank in between.  On Windows std::cout
// is flushed, then "cls" runs.
void clear();

// Ends a prompt just written to std::cout.  On a terminal the line stays
// open: the cursor waits at the prompt's end, where the keys typed echo.
// Elsewhere the line is ended.
void endPrompt();

// Flushes std::cout.  On a terminal whose cursor waits at a prompt it first
// moves the cursor to the start of a line of its own, so that what follows
// (the shell's prompt, a message) starts there.  Returns whether everything
// std::cout was given has been written; when not, errno tells why.
bool flushToLineStart();

// What became of a read of standard input.
enum class ReadResult { Byte, EndOfInput, Failed };

// Reads one byte of standard input (a line end is a byte like any other),
// blocking until one arrives.  A read that a signal interrupts, or one of a
// non-blocking input with nothing ready yet, is no failure: it waits until
// the input is ready and reads again, never spinning meanwhile.  After
// Failed, errno tells why.
ReadResult readByte(char& byte);

}  // namespace forestfire::console

#endif  // FORESTFIRE_CONSOLE_CONSOLE_H_
