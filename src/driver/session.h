#ifndef FORESTFIRE_DRIVER_SESSION_H_
#define FORESTFIRE_DRIVER_SESSION_H_

#include <cstdint>

namespace forestfire {

// Runs the whole interactive program on standard input and output.  It seeds
// std::rand with `seed` and asks for the dampness.  Then it advances the fire
// one step and shows one frame for every byte read, until a "q" has had its
// step.  Returns the exit status:
//   0 after "q", or when input ends during the run;
//   1 when input ends before a dampness is chosen, or when a read or a write
//     fails, the last one too.  Each of these writes one line on standard
//     error.
int runForestFire(std::uint32_t seed);

// The step after `timeStep`.  The count stops at the largest value it can
// hold instead of overflowing.
std::int32_t nextTimeStep(std::int32_t timeStep);

// Ends the program, with "forestfire: out of memory" on standard error and
// status 1, when an allocation fails: main makes it the new-handler, so that
// no allocation failure throws.
[[noreturn]] void exitOutOfMemory();

}  // namespace forestfire

#endif  // FORESTFIRE_DRIVER_SESSION_H_
