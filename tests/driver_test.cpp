// The program as a user runs it: the built binary, fed through a pipe and
// typed at in a real terminal.
//
// FORESTFIRE_PROGRAM, when set, is the command to test instead of the built
// binary, such as "wine forestfire.exe"; text-mode line ends are then read
// as plain line ends.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "driver/session.h"
#include "helpers.h"

namespace forestfire {
namespace {

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

// The frames (each the lines below its step header) that a run shows after
// the menu and `reminders`, for `input` piped in; checks their headers.
std::vector<std::vector<std::string>> frames(const std::string& input, std::size_t reminders,
                                             int* status) {
  const std::string path = scratchFile("input");
  std::ofstream(path, std::ios::binary) << input;
  const char* program = std::getenv("FORESTFIRE_PROGRAM");
  const std::string command = program != nullptr ? program : "'" FORESTFIRE_BINARY "'";
  std::string output = shell(command + " < '" + path + "' 2>&1", status);
  std::remove(path.c_str());
  if (program != nullptr) {
    std::string plain;
    for (std::size_t i = 0; i < output.size(); ++i) {
      if (output[i] != '\r' || i + 1 == output.size() || output[i + 1] != '\n') {
        plain += output[i];
      }
    }
    output = plain;
  }
  std::string start = kMenu;
  for (std::size_t i = 0; i < reminders; ++i) {
    start += kReminder;
  }
  EXPECT_EQ(output.substr(0, start.size()), start) << input;
  const std::vector<std::string> lines =
      linesWrittenBy([&] { std::cout << output.substr(start.size()); });
  std::vector<std::vector<std::string>> result;
  for (std::size_t at = 0; at + 24 <= lines.size(); at += 24) {
    EXPECT_EQ(lines[at], "Current time step: " + std::to_string(result.size() + 1)) << input;
    result.emplace_back(lines.begin() + static_cast<long>(at) + 1,
                        lines.begin() + static_cast<long>(at) + 24);
  }
  EXPECT_EQ(lines.size() - 24 * result.size(), output.substr(start.size()) == kEnded ? 1u : 0u)
      << input;
  const std::vector<std::string> first = firstFrame();
  if (!result.empty()) {
    EXPECT_EQ(result[0], std::vector<std::string>(first.begin() + 1, first.end()));
  }
  return result;
}

TEST(DriverTest, PromptTakesTheFirstDigitFromOneToThreeAndEveryCharacterAfterIsAStep) {
  struct Case {
    std::string input;
    std::size_t reminders, frames;  // no frame: input ended at the prompt
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
    EXPECT_EQ(frames(c.input, c.reminders, &status).size(), c.frames) << c.input;
    EXPECT_EQ(status, c.frames == 0 ? 1 : 0) << c.input;
  }
  EXPECT_EQ(nextTimeStep(2147483646), 2147483647);
  EXPECT_EQ(nextTimeStep(2147483647), 2147483647);
}

// Between two frames a fire only burns out, or spreads to a neighbour.
TEST(DriverTest, FireSpreadsByTheRuleUntilItRests) {
  for (const char* dampness : {"1", "2", "3"}) {
    const auto shown = frames(dampness + std::string(150, '\n') + "q", 0, nullptr);
    ASSERT_EQ(shown.size(), 152u);
    EXPECT_EQ(shown[151], shown[150]) << "at rest";
    for (std::size_t i = 1; i < shown.size(); ++i) {
      for (std::size_t row = 2; row < 21; ++row) {
        for (std::size_t at = 4; at < 59; at += 3) {  // the cells of columns 1 to 19
          const char was = shown[i - 1][row][at], is = shown[i][row][at];
          ASSERT_TRUE(was == '^' ? is == '^' || is == 'f' : is == ' ') << "step " << i;
          // Row and column 20 are hidden: look only where every neighbour shows.
          if (was == '^' && is == 'f' && row < 20 && at < 58) {
            std::string around;
            for (std::size_t r = row - 1; r <= row + 1; ++r) {
              around += shown[i - 1][r].substr(at - 3, 7);
            }
            EXPECT_NE(around.find('f'), std::string::npos) << "caught from nothing, step " << i;
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
  shell(tmux + "new-session -d -x 80 -y 30 \"'" + FORESTFIRE_BINARY + "'; echo \\$? > " + exitFile +
        "\"");
  const auto screenStartsWith = [&](const std::string& text) {
    for (int tries = 0; tries < 100 && shell(tmux + "capture-pane -p").rfind(text, 0) != 0;
         ++tries) {
      usleep(50000);
    }
    return shell(tmux + "capture-pane -p").rfind(text, 0) == 0;
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
  EXPECT_EQ(exitStatus, "0\n");
  shell(tmux + "kill-server 2>/dev/null; rm -f " + exitFile);
}

}  // namespace
}  // namespace forestfire
