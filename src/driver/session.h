#ifndef FORESTFIRE_DRIVER_SESSION_H_
#define FORESTFIRE_DRIVER_SESSION_H_

#include <cstdint>
#include <optional>

namespace forestfire {

class Forest;

// Runs the whole interactive program on standard input and output.  It seeds
// std::rand with `seed` and asks for the dampness.  Then it advances the fire
// one step and shows one frame for every byte read, until a "q" has had its
// step.  Returns the exit status:
//   0 after "q", or when input ends during the run;
//   1 when input ends before a dampness is chosen, or when a read or a write
//     fails, the last one too.  Each of these writes one line on standard
//     error.
int runForestFire(std::uint32_t seed);

// Reads one byte at a time until a digit from 1 to 3 arrives, printing a
// reminder for every byte that is not a digit.  Nothing after the accepted
// digit is read.  Returns the dampness, or nothing when input ends or a read
// or a write fails first; each of those is reported on standard error.
std::optional<std::int32_t> askForDampness();

// Shows the first frame, then one step and one frame for every byte read,
// and checks that each frame was written before reading on.  After the step
// of a "q", or when input ends, the last frame stays on the screen.  On a
// terminal the cursor then goes to a line of its own below it.  Returns 0
// once that last write has gone out.  Returns 1, with the failure reported on
// standard error, as soon as a read or a write fails.
int playUntilQuit(Forest& forest);

// The step after `timeStep`.  The count stops at the largest value it can
// hold instead of overflowing.
std::int32_t nextTimeStep(std::int32_t timeStep);

// Ends the program, with "forestfire: out of memory" on standard error and
// status 1, when an allocation fails: main makes it the new-handler, so that
// no allocation failure throws.
[[noreturn]] void exitOutOfMemory();

}  // namespace forestfire

#endif  // FORESTFIRE_DRIVER_SESSION_H_
