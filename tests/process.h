#ifndef FORESTFIRE_TESTS_PROCESS_H_
#define FORESTFIRE_TESTS_PROCESS_H_

#include <string>

namespace forestfire {

// What a finished program left behind.
struct Finished {
  std::string output;  // standard output
  std::string errors;  // standard error
  int exitStatus;      // -1 when it did not exit normally
};

// Runs the program at `path` with `input` piped to its standard input (which
// is then closed) and collects everything it writes.
Finished runWithInput(const std::string& path, const std::string& input);

}  // namespace forestfire

#endif  // FORESTFIRE_TESTS_PROCESS_H_
