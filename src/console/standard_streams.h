#ifndef FORESTFIRE_CONSOLE_STANDARD_STREAMS_H_
#define FORESTFIRE_CONSOLE_STANDARD_STREAMS_H_

#include <streambuf>

#include "console/console_output.h"

namespace forestfire::console {

// The console as main sets it up, for as long as this lives.  It puts the
// console's own buffers under std::cout and std::cerr.  It decides once
// whether standard output is a terminal that the program clears
// (console::setUp).  main makes one before it writes anything.  It holds two
// buffers of 16 KiB, too much for a small stack: keep it in static storage.
class StandardStreams {
 public:
  StandardStreams();
  // Gives the streams back their own buffers, so that nothing written at
  // exit reaches a buffer that is gone.  The console's buffers are destroyed
  // after that, and write out what they still hold unreported: nothing, once
  // the program has made its last write, which it checks.
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
