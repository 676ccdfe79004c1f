#include "console/standard_streams.h"

#include <iostream>

#include "console/console.h"
#include "console/platform.h"

namespace forestfire::console {

StandardStreams::StandardStreams()
    : standardOutput(std::cout.rdbuf(&output)), standardError(std::cerr.rdbuf(&errors)) {
  setUp(&output, isTerminal(1) && canClearTerminal());
}

StandardStreams::~StandardStreams() {
  std::cout.rdbuf(standardOutput);
  std::cerr.rdbuf(standardError);
}

}  // namespace forestfire::console
