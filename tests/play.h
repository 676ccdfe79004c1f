// The whole program played in this process, with the system's part played by
// the tests: this platform stands in for the console's own (see
// src/console/platform.h).  It reads the input from a string, keeps every
// write, and records each read, write and wait.  It fails a read or a write,
// or answers it "try again", when a test asks.  The unit tests and the fuzz
// target play the program with it, and check the run with expectRun().
#ifndef FORESTFIRE_TESTS_PLAY_H_
#define FORESTFIRE_TESTS_PLAY_H_

#include <cstddef>
#include <cstdint>
#include <string>

#include "reference.h"

namespace forestfire {

// The console of a played run, and the one read or write of standard output
// that fails, if any.  TERM names a terminal that takes escape sequences, so
// standard output is a terminal that the program clears, or a pipe.  (The
// system test plays the other terminals.)
struct Console {
  bool terminal = false;
  // The failing call, counting reads of standard input and writes of
  // standard output from 1; 0 for none.  It fails with errno `reason`, but a
  // write with reason 0 takes nothing instead.  A write of more than one byte
  // that fails with ENOSPC first takes half its bytes, as a disk that fills
  // does; the write of the rest fails.  A call made again after EAGAIN or
  // EINTR succeeds.
  std::size_t failingCall = 0;
  int reason = 0;
};

// What a played run wrote, each write of standard output apart, and how it
// ended; and its calls in order: an "r" for each read of standard input and a
// "w" for each write of standard output; an "R" for each wait until standard
// input is ready, and a "W" for each wait until standard output is ("?" for
// a wait on another descriptor).
struct Played : reference::Run {
  std::string calls;
};

// Plays the program on `input` with `seed`, on the console `setting` asks for.
Played play(const std::string& input, std::uint32_t seed, Console setting);

// Expects the `played` run to be the `expected` one.  Where the output
// differs, it shows the first write that differs, as played and as expected:
// a frame, the menu, a reminder or the last line end.
void expectRun(const reference::Run& expected, const Played& played);

// The seed that the fuzz target and the corpus test play `input` with: the
// low 32 bits of its FNV-1a hash, the same with every standard library.
std::uint32_t seedOf(const std::string& input);

}  // namespace forestfire

#endif  // FORESTFIRE_TESTS_PLAY_H_
