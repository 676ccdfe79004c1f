#ifndef FORESTFIRE_CONSOLE_CONSOLE_H_
#define FORESTFIRE_CONSOLE_CONSOLE_H_

#include <initializer_list>
#include <string_view>

// The console the program talks to: standard input, read one byte at a time,
// and standard output, which is a terminal or not.
//
// On a terminal that the program can clear, every frame is drawn on a
// cleared screen, and the cursor waits at the end of its prompt.  Anywhere
// else (a pipe, a file, a terminal that takes no escape sequences) the
// output is the program's text alone, every line ended, so that another
// program can read it.
//
// The program writes through std::cout and std::cerr, under which main puts
// the console's own buffers (StandardStreams); everything below but
// readByte() needs them there.
namespace forestfire::console {

class ConsoleOutput;

// Sets the console up: `output` is the buffer under std::cout, and `clears`
// tells whether standard output is a terminal that the program clears.
// StandardStreams calls it when main begins.
void setUp(const ConsoleOutput* output, bool clears);

// On a terminal, clears the screen and its scroll-back, so that what is
// written next starts at the top of an empty screen; elsewhere does nothing.
void clear();

// Ends a prompt just written to std::cout.  On a terminal the line stays
// open: the cursor waits at the prompt's end, where the keys typed echo.
// Elsewhere the line is ended.
void endPrompt();

// Flushes std::cout.  On a terminal whose cursor waits at a prompt it first
// moves the cursor to the start of a line of its own, so that what follows
// (the shell's prompt, a message) starts there.  Returns whether everything
// std::cout was given has been written.
bool flushToLineStart();

// Why standard output could not be written: the errno of the write that
// failed, whatever has been called since.  0 while every write has gone out.
int outputFailure();

// Writes the pieces of a message, one after another, and a line end to
// standard error in one write.  std::cout is written out first
// (flushToLineStart), so that on a terminal whose cursor waits at a prompt
// the message starts on a line of its own.  Allocates nothing, so it works
// when memory has run out too.
void writeErrorLine(std::initializer_list<std::string_view> pieces);

// What became of a read of standard input.
enum class ReadResult { Byte, EndOfInput, Failed };

// Reads one byte of standard input (a line end is a byte like any other),
// blocking until one arrives.  A read that a signal interrupts, or one of a
// non-blocking input with nothing ready yet, is no failure: it waits until
// the input is ready and reads again, never spinning meanwhile.  A terminal
// that has been hung up has failed (EIO), not ended.  After Failed, errno
// tells why.
ReadResult readByte(char& byte);

}  // namespace forestfire::console

#endif  // FORESTFIRE_CONSOLE_CONSOLE_H_
