#include "console/standard_streams.h"

#include <iostream>

#include "console/console.h"
#include "console/platform.h"

namespace forestfire::console {

StandardStreams::StandardStreams()
    : standardOutput(std::cout.rdbuf(&output)), standardError(std::cerr.rdbuf(&errors)) {
  const bool outputToTerminal = isTerminal(1);
  setUp(&output, outputToTerminal && canClearTerminal(), outputToTerminal && isTerminal(2));
}

StandardStreams::~StandardStreams() {
  std::cout.rdbuf(standardOutput);
  std::cerr.rdbuf(standardError);
}

}  // namespace forestfire::console
