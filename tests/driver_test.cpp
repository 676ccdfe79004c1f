// The program as a user runs it: the built binary, fed through a pipe, made
// to fail its reads and writes, and typed at in a real terminal.
//
// FORESTFIRE_PROGRAM, when set, is the command to play instead of the built
// binary, such as "wine forestfire.exe"; its text-mode line ends are then
// read as plain ones.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "driver/session.h"
#include "helpers.h"

namespace forestfire {
namespace {

const std::string kProgram = "'" FORESTFIRE_BINARY "'";
const std::string kMenu = "1) Dry\n2) Moist\n3) Damp\nPlease input a dampness level\n";
const std::string kReminder = "Please input a number between 1 and 3\n";

// A scratch file of this test process's own: ctest runs tests side by side.
std::string scratchFile(const std::string& name) {
  return testing::TempDir() + "forestfire_" + name + "_" + std::to_string(getpid());
}

// Runs a shell script; returns what it writes, standard error included.
std::string shell(const std::string& script) {
  const std::string path = scratchFile("output");
  std::system(("{ " + script + "; } >" + path + " 2>&1").c_str());
  std::ostringstream output;
  output << std::ifstream(path, std::ios::binary).rdbuf();
  std::remove(path.c_str());
  return output.str();
}

// What the program writes for `input`, then its exit status on a line.
std::string play(const std::string& input) {
  const std::string path = scratchFile("input");
  std::ofstream(path, std::ios::binary) << input;
  const char* program = std::getenv("FORESTFIRE_PROGRAM");
  std::string output = shell((program != nullptr ? program : kProgram) + " <" + path + "; echo $?");
  std::remove(path.c_str());
  output.erase(std::remove(output.begin(), output.end(), '\r'), output.end());
  return output;
}

extern "C" int LLVMFuzzerTestOneInput(  // NOLINT(readability-identifier-naming)
    const std::uint8_t* data, std::size_t size);

// What a run writes for the bytes it reads, checked by the fuzz target: it
// aborts on a difference.
TEST(DriverTest, FuzzTargetPlaysItsSeedCorpus) {
  for (const auto& entry : std::filesystem::directory_iterator(FORESTFIRE_FUZZ_CORPUS)) {
    const std::string input = shell("cat '" + entry.path().string() + "'");
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
  }
}

TEST(DriverTest, PlaysThroughAPipe) {
  EXPECT_EQ(play("a\n"), kMenu + kReminder + kReminder +
                             "forestfire: input ended before a dampness level was chosen\n1\n");
  // A reminder for the blank, the answer 2, then a step for each character up to the q.
  const std::string output = play(" 2\nxq\nmore");
  EXPECT_EQ(output.substr(0, kMenu.size() + kReminder.size()), kMenu + kReminder);
  const std::vector<std::string> lines = splitLines(output);
  ASSERT_EQ(lines.size(), 5 + 4 * 24 + 1);
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 5, lines.begin() + 29), firstFrame());
  for (std::size_t frame = 1; frame < 4; ++frame) {
    EXPECT_EQ(lines[5 + 24 * frame], "Current time step: " + std::to_string(frame + 1));
    EXPECT_EQ(lines[5 + 24 * frame + 12][31], ' ') << "the centre burnt out";
  }
  EXPECT_EQ(lines.back(), "0");
  EXPECT_EQ(nextTimeStep(nextTimeStep(2147483646)), 2147483647) << "the count stops at its top";
}

TEST(DriverTest, FailedReadOrWriteEndsTheRunWithTheSystemsReason) {
  setenv("P", FORESTFIRE_BINARY, 1);  // the program, as the scripts below call it
  const std::string cannotWrite = "forestfire: cannot write to standard output: ";
  const std::string cannotRead = "forestfire: cannot read standard input: ";
  const std::pair<std::string, std::string> cases[] = {
      // {script, what it writes}
      {"yes 2>&- | \"$P\" >/dev/full; echo $?", cannotWrite + "No space left on device\n1\n"},
      {"yes 2>&- | \"$P\" >&-; echo $?", cannotWrite + "Bad file descriptor\n1\n"},
      {"trap '' PIPE; ({ echo 2; yes ''; } 2>&- | \"$P\"; echo $? >&2) | head -c1 >/dev/null",
       cannotWrite + "Broken pipe\n1\n"},
      {"\"$P\" </ >/dev/null; echo $?", cannotRead + "Is a directory\n1\n"},
      // A socket that gives "2" and a line end, then a reset: its peer has
      // closed with data of its own unread.
      {"perl -MSocket -e 'socketpair A, B, AF_UNIX, SOCK_STREAM, 0; syswrite B, \"x\"; "
       "syswrite A, \"2\\n\"; close A; open STDIN, \"<&B\"; exec @ARGV' \"$P\" >/dev/null; echo $?",
       cannotRead + "Connection reset by peer\n1\n"}};
  for (const auto& [script, expected] : cases) {
    EXPECT_EQ(shell(script), expected) << script;
  }
}

// Seen through strace: on a terminal every write is whole (the menu, a
// reminder, or a frame with the clear before it), so the screen never shows a
// blank or half a frame; and an input with nothing ready yet is waited for,
// not read again and again.
TEST(DriverTest, WritesWholeFramesAndWaitsForInputWithoutSpinning) {
  if (shell("command -v tmux >/dev/null && strace -o /dev/null true && echo yes") != "yes\n") {
    GTEST_SKIP() << "needs tmux, and strace allowed to trace";
  }
  const std::string tmux = "tmux -L " + scratchFile("tmux").substr(testing::TempDir().size()) + " ";
  const std::string writes = scratchFile("writes"), exitFile = scratchFile("exit");
  shell(tmux + "new-session -d -x 80 -y 30 \"strace -o " + writes +
        " -e trace=write -e signal=none -qq -s 0 " + kProgram + "; echo \\$? > " + exitFile + "\"");
  shell(tmux + "send-keys x Enter 2 Enter q Enter");
  shell("for i in $(seq 100); do [ -s " + exitFile + " ] && break; sleep 0.05; done");
  EXPECT_EQ(shell("cat " + exitFile), "0\n") << "x, line end, 2, line end, q: then the end";
  // The bytes of each write: the menu, two reminders, then each frame with its clear.
  EXPECT_EQ(shell("sed -n 's/^write(1, .* = //p' " + writes), "54\n38\n38\n1467\n1467\n1467\n");
  // A non-blocking input's end is still an end; and the reads that find nothing are few.
  const std::string nonBlocking = "perl -MFcntl -e 'fcntl STDIN, F_SETFL, O_NONBLOCK; exec @ARGV' ";
  EXPECT_EQ(shell("(printf 2; sleep 0.3; echo) | " + nonBlocking + "strace -e trace=read -o " +
                  writes + " " + kProgram + " | grep -c 'Current time step'"),
            "2\n");
  EXPECT_LT(std::stoi(shell("grep -c EAGAIN " + writes)), 10);
  shell(tmux + "kill-server; rm -f " + writes + " " + exitFile);
}

}  // namespace
}  // namespace forestfire
