// The program as a user runs it: the built binary, fed through a pipe and
// typed at in a real terminal.
//
// FORESTFIRE_PROGRAM, when set, is the command to test instead of the built
// binary, such as "wine forestfire.exe"; its text-mode line ends are then
// read as plain ones.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "driver/session.h"
#include "helpers.h"

namespace forestfire {
namespace {

using Frame = std::vector<std::string>;

const std::string kMenu = "1) Dry\n2) Moist\n3) Damp\nPlease input a dampness level\n";
const std::string kReminder = "Please input a number between 1 and 3\n";
const std::string kEnded = "forestfire: input ended before a dampness level was chosen\n";

// A scratch file of this test process's own: ctest runs tests side by side.
std::string scratchFile(const std::string& name) {
  return testing::TempDir() + "forestfire_" + name + "_" + std::to_string(getpid());
}

// Runs a shell command; returns its output, and its exit status through `status`.
std::string shell(const std::string& command, int* status = nullptr) {
  FILE* pipe = popen(command.c_str(), "r");
  std::string output;
  char buffer[65536];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
    output.append(buffer, n);
  }
  const int result = pclose(pipe);
  if (status != nullptr) {
    *status = WIFEXITED(result) ? WEXITSTATUS(result) : -1;
  }
  return output;
}

// Everything the program writes, standard error included, with `input`
// piped in; its exit status through `status`.
std::string play(const std::string& input, int* status = nullptr) {
  const std::string path = scratchFile("input");
  std::ofstream(path, std::ios::binary) << input;
  const char* program = std::getenv("FORESTFIRE_PROGRAM");
  const std::string output =
      shell((program != nullptr ? program : "'" FORESTFIRE_BINARY "'") + (" < '" + path + "' 2>&1"),
            status);
  std::remove(path.c_str());
  std::string plain;
  for (std::size_t i = 0; i < output.size(); ++i) {
    if (program == nullptr || output.compare(i, 2, "\r\n") != 0) {
      plain += output[i];
    }
  }
  return plain;
}

std::string promptWith(std::size_t reminders) {
  std::string text = kMenu;
  for (std::size_t i = 0; i < reminders; ++i) {
    text += kReminder;
  }
  return text;
}

// The frames that follow the menu and `reminders` in `output`; checks that
// nothing else is written, every step number, and the first frame.
std::vector<Frame> framesIn(const std::string& output, std::size_t reminders) {
  const std::string prompt = promptWith(reminders);
  EXPECT_EQ(output.substr(0, prompt.size()), prompt);
  const std::vector<std::string> lines = splitLines(output.substr(prompt.size()));
  EXPECT_EQ(lines.size() % 24, 0u) << "whole frames only";
  std::vector<Frame> frames;
  for (auto at = lines.begin(); lines.end() - at >= 24; at += 24) {
    frames.emplace_back(at, at + 24);
    EXPECT_EQ(frames.back()[0], "Current time step: " + std::to_string(frames.size()));
  }
  if (!frames.empty()) {
    EXPECT_EQ(frames[0], firstFrame());
  }
  return frames;
}

TEST(DriverTest, PromptTakesTheFirstDigitFromOneToThreeAndEveryCharacterAfterIsAStep) {
  struct Case {
    std::string input;
    std::size_t reminders, frames;  // no frame: input ends at the prompt
  };
  // clang-format off
  const Case cases[] = {
      {"2\n", 0, 2},          {"\n", 1, 0},          {"abc\n", 4, 0},         {"7\n3\n", 1, 2},
      {"4\n2\n", 1, 2},       {"0\n", 1, 0},         {"9", 0, 0},             {"", 0, 0},
      {"12\n", 0, 3},         {" 2\n", 1, 2},        {"-1\n", 1, 2},          {"q2\n", 1, 2},
      {"\xc3\xa9\xff\x33", 3, 1}, {"2\n\n", 0, 3},       {"2\nabc\n", 0, 6},      {"2q\nabc", 0, 2},
      {"2\nQ\n", 0, 4},       {"2\nxq\nmore", 0, 4}, {"2\nqq\n", 0, 3}};
  // clang-format on
  for (const Case& c : cases) {
    int status = -1;
    const std::string output = play(c.input, &status);
    if (c.frames == 0) {
      EXPECT_EQ(output, promptWith(c.reminders) + kEnded) << c.input;
    } else {
      EXPECT_EQ(framesIn(output, c.reminders).size(), c.frames) << c.input;
    }
    EXPECT_EQ(status, c.frames == 0 ? 1 : 0) << c.input;
  }
}

TEST(DriverTest, StepCountStopsAtItsLargestValue) {
  EXPECT_EQ(nextTimeStep(2147483646), 2147483647);
  EXPECT_EQ(nextTimeStep(2147483647), 2147483647);
}

// Between two frames a fire only burns out, or spreads to a neighbour.
TEST(DriverTest, FireSpreadsByTheRuleUntilItRests) {
  const auto cell = [](const Frame& frame, std::size_t row, std::size_t column) {
    return frame[row + 2][3 * column + 1];
  };
  for (const char* dampness : {"1", "2", "3"}) {
    const std::vector<Frame> frames = framesIn(play(dampness + std::string(150, '\n') + "q"), 0);
    ASSERT_EQ(frames.size(), 152u);
    EXPECT_TRUE(std::equal(frames[151].begin() + 1, frames[151].end(), frames[150].begin() + 1));
    for (std::size_t step = 1; step < frames.size(); ++step) {
      const Frame &before = frames[step - 1], &after = frames[step];
      for (std::size_t row = 1; row < 20; ++row) {
        for (std::size_t column = 1; column < 20; ++column) {
          const char was = cell(before, row, column), is = cell(after, row, column);
          ASSERT_TRUE(was == '^' ? is == '^' || is == 'f' : is == ' ') << "step " << step;
          // Row and column 20 are hidden: look only where every neighbour shows.
          if (was == '^' && is == 'f' && row < 19 && column < 19) {
            bool litByNeighbour = false;
            for (std::size_t n = 0; n < 9; ++n) {
              litByNeighbour |= cell(before, row + n / 3 - 1, column + n % 3 - 1) == 'f';
            }
            EXPECT_TRUE(litByNeighbour) << "step " << step << ", " << row << ", " << column;
          }
        }
      }
    }
  }
}

TEST(DriverTest, PlaysStepByStepInARealTerminal) {
  const std::string tmux = "tmux -L " + scratchFile("tmux").substr(testing::TempDir().size()) + " ";
  const std::string exitFile = scratchFile("exit");
  std::remove(exitFile.c_str());
  shell(tmux + "new-session -d -x 80 -y 30 \"'" FORESTFIRE_BINARY "'; echo \\$? > " + exitFile +
        "\"");
  const auto screenStartsWith = [&](const std::string& text) {
    for (int tries = 0; tries < 100; ++tries, usleep(50000)) {
      if (shell(tmux + "capture-pane -p").rfind(text, 0) == 0) {
        return true;
      }
    }
    return false;
  };
  EXPECT_TRUE(screenStartsWith(kMenu));
  shell(tmux + "send-keys 2 Enter");
  EXPECT_TRUE(screenStartsWith("Current time step: 2\n"));
  shell(tmux + "send-keys abc");
  usleep(300000);
  EXPECT_TRUE(screenStartsWith("Current time step: 2\n")) << "no step before Enter";
  shell(tmux + "send-keys q Enter");
  std::string exitStatus;
  for (int tries = 0; tries < 100 && exitStatus.empty(); ++tries, usleep(50000)) {
    exitStatus = shell("cat " + exitFile + " 2>/dev/null");
  }
  EXPECT_EQ(exitStatus, "0\n") << "a, b, c and q, then the end";
  shell(tmux + "kill-server 2>/dev/null; rm -f " + exitFile);
}

}  // namespace
}  // namespace forestfire
