// The program in this process, on the test platform (play.h): the fuzz
// target's seed corpus played against the reference, through a pipe and on a
// terminal; each read and write failed, or answered "try again"; the step
// count at its top; and the forest's operations that only other callers use.
// What only the built program can show (real pipes, terminals and
// descriptors, main's own set-up) is played by system_test.py.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

#include "driver/session.h"
#include "model/forest.h"
#include "play.h"
#include "reference.h"

namespace forestfire {
namespace {

// Each input of the fuzz target's seed corpus, with the seed the fuzz target
// gives it, through a pipe and on a terminal.  Some roll on the thresholds:
// dry_until_out rolls 49 and 50, moist_until_out 69 and 70, and
// damp_rolls_on_its_threshold 79 and 80.  Then the program has left the
// standard streams with their own buffers, so that nothing written at exit
// goes to one that is gone.
TEST(DriverTest, PlaysTheSeedCorpusAsTheReferenceSays) {
  const auto output = std::cout.rdbuf();
  const auto errors = std::cerr.rdbuf();
  for (const auto& entry : std::filesystem::directory_iterator(FORESTFIRE_FUZZ_CORPUS)) {
    std::ifstream file(entry.path(), std::ios::binary);
    const std::string input{std::istreambuf_iterator<char>(file), {}};
    const auto seed = seedOf(input);
    for (const bool cleared : {false, true}) {
      SCOPED_TRACE(entry.path().filename().string() + (cleared ? " on a terminal" : ""));
      expectRun(reference::run(input, seed, cleared), play(input, seed, {cleared}));
    }
  }
  EXPECT_EQ(std::cout.rdbuf(), output);
  EXPECT_EQ(std::cerr.rdbuf(), errors);
}

// Reasons users meet for a write and for a read to fail, on each side of
// EAGAIN's value: a reason taken for one to wait for is caught wherever it
// lies.  A write with reason 0 takes nothing, which is told as an
// input/output error rather than made again for ever.  Last, the two answers
// that ask for the same call again: "try again" (EAGAIN), after a wait until
// the descriptor is ready, and "interrupted" (EINTR), at once.
constexpr int kReasons[2][5] = {{EBADF, ENOSPC, 0, EAGAIN, EINTR},
                                {EIO, EISDIR, ECONNRESET, EAGAIN, EINTR}};

// On a cleared terminal, the console with the most calls, the menu, two
// reminders and three frames go out in one write each, with a read between
// them, and then the line end after the last prompt.  Each read and each
// write is answered with each reason in turn.  A failure ends the run at
// once, with status 1 and one line on standard error that gives the reason,
// and nothing else there.  After a failed read, all that was written before
// it reaches standard output, as at the end of the input.  A call made again
// plays the run as it would have gone.
TEST(DriverTest, EachReadAndWriteFailsOrIsMadeAgain) {
  const std::string keys = "x\n2\nq";
  const std::string calls = play(keys, 1, {true}).calls;
  EXPECT_EQ(calls, "wrwrwrwrwrww");
  for (std::size_t call = 1; call <= calls.size(); ++call) {
    const char made = calls[call - 1];
    for (const int reason : kReasons[made == 'r']) {
      const int told = reason != 0 ? reason : EIO;
      SCOPED_TRACE("call " + std::to_string(call) + " answered with " + std::strerror(told));
      const Played played = play(keys, 1, {true, call, reason});
      if (reason == EAGAIN || reason == EINTR) {
        const std::string wait(reason == EAGAIN, made == 'r' ? 'R' : 'W');
        EXPECT_EQ(played.calls, calls.substr(0, call) + wait + calls.substr(call - 1));
        expectRun(reference::run(keys, 1, true), played);
        continue;
      }
      const std::string failed = made == 'r' ? "forestfire: cannot read standard input: "
                                             : "forestfire: cannot write to standard output: ";
      EXPECT_EQ(played.status, 1);
      EXPECT_EQ(played.errors, failed + std::strerror(told) + "\n");
      if (made == 'r') {  // the read of call n, an even one, follows n / 2 - 1 keys
        EXPECT_EQ(played.output, reference::run(keys.substr(0, call / 2 - 1), 1, true).output);
      }
    }
  }
}

TEST(DriverTest, TheStepCountStopsAtItsTop) {
  EXPECT_EQ(nextTimeStep(2147483647), 2147483647);
}

// Burnt trees at both ends and between the others, two of them in a row;
// the healthy tree is left as the forest made it.  The trees left are linked
// forwards in order, and back from the tail to the head.  Then the trees the
// program has are appended after them: the last links back to the one before.
TEST(ModelTest, RemoveBurntKeepsTheOthersInOrderBothWays) {
  std::ostringstream printed;
  const auto standardOutput = std::cout.rdbuf(printed.rdbuf());
  Forest(Dry).printList();
  Forest forest(Dry);
  const std::int32_t statuses[] = {Burnt, Burnt, Burning, Burnt, Healthy, Burnt};
  for (std::int32_t x = 1; x <= 6; ++x) {
    forest.append(x, 1, forest.getTail());
    if (statuses[x - 1] != Healthy) {
      forest.getTail()->setStatus(statuses[x - 1]);
    }
  }
  forest.removeBurnt();
  forest.printList();
  std::cout.rdbuf(standardOutput);
  EXPECT_EQ(printed.str(),
            "List is Empty\n"
            "List Start\n"
            "Next Tree is at position X:3 Y:1 Status:1\n"
            "Next Tree is at position X:5 Y:1 Status:0\n"
            "List End\n\n");
  EXPECT_EQ(forest.getHead()->getPrev(), nullptr);
  EXPECT_EQ(forest.getTail()->getPrev(), forest.getHead());
  forest.populate(&forest);
  EXPECT_EQ(forest.getTail()->getPrev()->getNext(), forest.getTail());
}

}  // namespace
}  // namespace forestfire
