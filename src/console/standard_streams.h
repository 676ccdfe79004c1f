#ifndef FORESTFIRE_CONSOLE_STANDARD_STREAMS_H_
#define FORESTFIRE_CONSOLE_STANDARD_STREAMS_H_

#include <streambuf>

#include "console/console_output.h"

namespace forestfire::console {

// The console as main sets it up, for as long as this lives: the console's
// own buffers under std::cout and std::cerr, and the decision, taken once,
// whether the console is a terminal (console::isTerminal).  main makes one
// before it writes anything.
class StandardStreams {
 public:
  StandardStreams();
  // Writes out what the buffers hold, and gives the streams back their own,
  // so that nothing written at exit reaches a buffer that is gone.
  ~StandardStreams();

  StandardStreams(const StandardStreams&) = delete;
  StandardStreams& operator=(const StandardStreams&) = delete;

 private:
  ConsoleOutput output{1};  // standard output
  ConsoleOutput errors{2};  // standard error
  std::streambuf* const standardOutput;
  std::streambuf* const standardError;
};

}  // namespace forestfire::console

#endif  // FORESTFIRE_CONSOLE_STANDARD_STREAMS_H_
