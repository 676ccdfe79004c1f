// The program in this process: the whole of it played against the reference
// on the test platform (play.h), and the forest's operations that only other
// callers use.  What only the built program can show (real pipes, terminals
// and descriptors, main's own set-up) is played by system_test.py.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <streambuf>
#include <string>
#include <utility>

#include "driver/session.h"
#include "model/forest.h"
#include "play.h"
#include "reference.h"

namespace forestfire {
namespace {

// Each input of the fuzz target's seed corpus, with the seed the fuzz target
// gives it, through a pipe and on a terminal.  Some roll on the thresholds:
// dry_until_out rolls 49 and 50, moist_until_out 69 and 70, and
// damp_rolls_on_its_threshold 79 and 80.
TEST(DriverTest, PlaysTheSeedCorpusAsTheReferenceSays) {
  for (const auto& entry : std::filesystem::directory_iterator(FORESTFIRE_FUZZ_CORPUS)) {
    std::ifstream file(entry.path(), std::ios::binary);
    const std::string input{std::istreambuf_iterator<char>(file), {}};
    const auto seed = static_cast<std::uint32_t>(hashOf(input));
    for (const bool terminal : {false, true}) {
      SCOPED_TRACE(entry.path().filename().string() + (terminal ? " on a terminal" : ""));
      const Played played = play(input, seed, {terminal});
      const reference::Run expected = reference::run(input, seed, terminal);
      EXPECT_EQ(played.status, expected.status);
      EXPECT_EQ(played.errors, expected.errors);
      EXPECT_EQ(played.output, expected.output);
    }
  }
}

// The line a run ends with when `what` failed for `reason`.
std::string failureLine(const std::string& what, int reason) {
  return "forestfire: " + what + ": " + std::strerror(reason) + "\n";
}

// The menu, two reminders and three frames go out in one write each, and on
// a terminal the line end after the last prompt too.  Each read and each
// write fails in turn, for a reason that is neither the end of the input nor
// one to try again for: the run ends at once, with status 1 and one line on
// standard error that gives the reason.  The line starts on a line of its
// own wherever the user sees it, with no blank line above it.  After a
// failed read, what was written before it all reaches standard output, as
// at the end of the input.
TEST(DriverTest, AFailedReadOrWriteEndsTheRunAtOnce) {
  const std::string keys = "x\n2\nq";
  for (const auto& [terminal, errorsToTerminal] :
       {std::pair{false, true}, {true, false}, {true, true}}) {
    const Played whole = play(keys, 1, {terminal, errorsToTerminal});
    EXPECT_EQ(whole.writes, terminal ? 7 : 6);
    for (const int trouble : {EIO, EBADF}) {
      for (int call = 1; call <= whole.reads + whole.writes; ++call) {
        const Played played = play(keys, 1, {terminal, errorsToTerminal, call, trouble});
        const bool insideLine = !played.output.empty() && played.output.back() != '\n';
        const std::string lineStart = errorsToTerminal && insideLine ? "\n" : "";
        const std::string failed =
            played.troubledRead ? "cannot read standard input" : "cannot write to standard output";
        EXPECT_EQ(played.status, 1);
        EXPECT_EQ(played.errors, lineStart + failureLine(failed, trouble));
        if (played.troubledRead) {
          const std::string keysRead = keys.substr(0, static_cast<std::size_t>(played.reads - 1));
          EXPECT_EQ(played.output, reference::run(keysRead, 1, terminal).output);
        }
      }
    }
  }
}

// A write that takes nothing, were a descriptor ever to do it, fails as an
// input/output error instead of being made again for ever.
TEST(DriverTest, AWriteThatTakesNothingFails) {
  EXPECT_EQ(play("2", 1, {false, false, 1, 0}).errors,
            failureLine("cannot write to standard output", EIO));
}

// The program leaves the standard streams with their own buffers, so that
// nothing written at exit goes to one that is gone.
TEST(DriverTest, TheStreamsGetTheirBuffersBack) {
  std::streambuf* const output = std::cout.rdbuf();
  std::streambuf* const errors = std::cerr.rdbuf();
  play("2", 1, {});
  EXPECT_EQ(std::cout.rdbuf(), output);
  EXPECT_EQ(std::cerr.rdbuf(), errors);
}

TEST(DriverTest, TheStepCountStopsAtItsTop) {
  EXPECT_EQ(nextTimeStep(2147483647), 2147483647);
}

std::string printed(const Forest& forest) {
  std::ostringstream text;
  std::streambuf* const standardOutput = std::cout.rdbuf(text.rdbuf());
  forest.printList();
  std::cout.rdbuf(standardOutput);
  return text.str();
}

// Burnt trees at both ends and between the others, two of them in a row;
// the healthy tree is left as the forest made it.  Then the trees the program
// has, after them.
TEST(ModelTest, RemoveBurntKeepsTheOthersInOrderBothWays) {
  EXPECT_EQ(printed(Forest(Dry)), "List is Empty\n");
  Forest forest(Dry);
  const std::int32_t statuses[] = {Burnt, Burnt, Burning, Burnt, Healthy, Burnt};
  for (std::int32_t x = 1; x <= 6; ++x) {
    forest.append(x, 1, forest.getTail());
    if (statuses[x - 1] != Healthy) {
      forest.getTail()->setStatus(statuses[x - 1]);
    }
  }
  forest.removeBurnt();
  EXPECT_EQ(printed(forest),
            "List Start\n"
            "Next Tree is at position X:3 Y:1 Status:1\n"
            "Next Tree is at position X:5 Y:1 Status:0\n"
            "List End\n\n");
  EXPECT_EQ(forest.getHead()->getPrev(), nullptr);
  EXPECT_EQ(forest.getTail()->getPrev(), forest.getHead());
  forest.populate(&forest);  // what the program builds is linked both ways too
  EXPECT_EQ(forest.getTail()->getPrev()->getNext(), forest.getTail());
}

}  // namespace
}  // namespace forestfire
