#ifndef FORESTFIRE_DRIVER_INPUT_H_
#define FORESTFIRE_DRIVER_INPUT_H_

namespace forestfire {

// What became of a read of standard input.
enum class ReadResult { Character, EndOfInput, Failed };

// Reads one character of standard input, the line end included, blocking
// until one arrives.  A read interrupted by a signal, or one from a
// non-blocking descriptor with nothing ready yet, is no failure: it waits
// until input is ready and reads again, and never spins meanwhile.  (On
// Windows a console is waited on; a pipe or a file, which cannot be, is read
// again every 10 ms.)  After Failed, errno tells why.
ReadResult readCharacter(char& character);

}  // namespace forestfire

#endif  // FORESTFIRE_DRIVER_INPUT_H_
