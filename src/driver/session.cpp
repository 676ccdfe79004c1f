#include "driver/session.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <limits>
#include <memory>
#include <optional>
#include <string_view>

#include "console/console.h"
#include "display/grid.h"
#include "model/forest.h"

namespace forestfire {

namespace {

constexpr int kFailure = 1;

using console::ReadResult;

// Writes `message` to standard error as one line.  The message goes out in
// pieces, never put together in memory: memory that runs out just then does
// not replace it with "out of memory".
void report(std::string_view message) {
  console::writeErrorLine({"forestfire: ", message});
}

// Reports that `what` failed, with the system's reason for `error`.
void reportFailure(std::string_view what, int error) {
  console::writeErrorLine({"forestfire: ", what, ": ", std::strerror(error)});
}

// Writes out what standard output holds.  When anything written so far could
// not be written, it reports that and returns false.
bool writeOut() {
  if (std::cout.flush()) {
    return true;
  }
  reportFailure("cannot write to standard output", console::outputFailure());
  return false;
}

// Makes the run's last write, as writeOut() does.  On a terminal the cursor
// first leaves the line of the last prompt.
bool writeOutLast() {
  if (console::flushToLineStart()) {
    return true;
  }
  reportFailure("cannot write to standard output", console::outputFailure());
  return false;
}

// Reads a byte as console::readByte() does, and reports a failed read.
ReadResult nextByte(char& byte) {
  const ReadResult result = console::readByte(byte);
  if (result == ReadResult::Failed) {
    reportFailure("cannot read standard input", errno);
  }
  return result;
}

void printMenu() {
  std::cout << "1) Dry\n2) Moist\n3) Damp\nPlease input a dampness level\n";
}

// Reads one byte at a time until a digit from 1 to 3 arrives, and returns
// it.  A byte that is not a digit gets a reminder.  Another digit is kept
// without a word, and the prompt goes on.  Nothing after the accepted digit
// is read.  When input ends first, or a read or a write fails, it reports
// that and returns nothing.
std::optional<std::int32_t> askForDampness() {
  std::int32_t chosen = 0;
  bool asking = true;
  while (asking) {
    char byte = 0;
    const ReadResult read = nextByte(byte);
    if (read == ReadResult::EndOfInput) {
      report("input ended before a dampness level was chosen");
    }
    if (read != ReadResult::Byte) {
      return std::nullopt;
    }
    if (std::isdigit(static_cast<unsigned char>(byte)) != 0) {
      chosen = byte - '0';
    } else {
      std::cout << "Please input a number between 1 and 3\n";
      if (!writeOut()) {
        return std::nullopt;
      }
    }
    asking = chosen < Dry || chosen > Damp;
  }
  return chosen;
}

// Shows the first frame, then one step and one frame for every byte read,
// until a "q" has had its step or input ends.  Each frame is written out
// before the next read.  On a terminal the cursor then leaves the last
// prompt's line.  Returns 0 once that last write has gone out.  As soon as
// a read or a write fails, it reports that and returns 1.
int playUntilQuit(Forest& forest) {
  const Grid grid;
  std::int32_t timeStep = 1;
  forest.display(grid, timeStep);
  bool quit = false;
  while (!quit) {
    if (!writeOut()) {
      return kFailure;
    }
    char byte = 0;
    const ReadResult read = nextByte(byte);
    if (read == ReadResult::Failed) {
      return kFailure;
    }
    if (read == ReadResult::EndOfInput) {
      break;
    }
    quit = byte == 'q';
    forest.advance();
    timeStep = nextTimeStep(timeStep);
    forest.display(grid, timeStep);
  }
  return writeOutLast() ? 0 : kFailure;
}

}  // namespace

int runForestFire(std::uint32_t seed) {
  std::srand(seed);
  printMenu();
  if (!writeOut()) {
    return kFailure;
  }
  const std::optional<std::int32_t> dampness = askForDampness();
  if (!dampness) {
    return kFailure;
  }
  const auto forest = std::make_unique<Forest>(*dampness);
  forest->populate(forest.get());
  return playUntilQuit(*forest);
}

std::int32_t nextTimeStep(std::int32_t timeStep) {
  return timeStep < std::numeric_limits<std::int32_t>::max() ? timeStep + 1 : timeStep;
}

// Nothing here allocates: the buffers are the console's own.
void exitOutOfMemory() {
  report("out of memory");
  std::_Exit(kFailure);
}

}  // namespace forestfire
