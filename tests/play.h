// The whole program played in this process, with the system's part played by
// the tests: this platform stands in for the console's own (see
// src/console/platform.h).  It reads the input from a string, keeps every
// byte written, and fails a read or a write when a test asks.  The unit tests
// and the fuzz target play the program with it.
#ifndef FORESTFIRE_TESTS_PLAY_H_
#define FORESTFIRE_TESTS_PLAY_H_

#include <cstdint>
#include <string>

#include "reference.h"

namespace forestfire {

// What the platform answers in a played run.
struct Console {
  bool terminal = false;          // standard output is a terminal to clear
  bool errorsToTerminal = false;  // standard error is a terminal
  int troubled = 0;               // this read or write to standard output,
  int trouble = 0;                // from 1, fails with this errno (a write
};                                // with 0 takes nothing)

// What a played run wrote and how it ended, how often it read and wrote to
// standard output, and whether the troubled call was a read.
struct Played : reference::Run {
  int reads = 0;
  int writes = 0;
  bool troubledRead = false;
};

// Plays the program on `input` with `seed`, on a console as `setting` says.
Played play(const std::string& input, std::uint32_t seed, const Console& setting);

// The FNV-1a hash of `input`: the fuzz target and the corpus test take an
// input's seed from its low 32 bits, the same with every standard library.
std::uint64_t hashOf(const std::string& input);

}  // namespace forestfire

#endif  // FORESTFIRE_TESTS_PLAY_H_
