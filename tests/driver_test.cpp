// The program as a user runs it: the built binary, fed through a pipe, made
// to fail its reads and writes, writing to outputs that make it wait, and
// typed at in a real terminal.  What it writes is compared byte for byte with
// the reference, for each seed the start time can have given it.
//
// FORESTFIRE_PROGRAM, when set, is the command the pipe test plays instead
// of the built binary, such as "wine forestfire.exe" or "qemu-s390x
// forestfire".  A program whose lines end in CR LF is a Windows one: its line
// ends are read as plain ones, and since its C library draws other random
// numbers, the trees in its frames are not compared.
//
// Only the seed corpus is played on Windows, in this process; the rest needs
// a POSIX shell.
#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>

#include "driver/session.h"
#include "reference.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace forestfire {
namespace {

std::string contentsOf(const std::string& path) {
  std::ostringstream contents;
  contents << std::ifstream(path, std::ios::binary).rdbuf();
  return contents.str();
}

extern "C" int LLVMFuzzerTestOneInput(  // NOLINT(readability-identifier-naming)
    const std::uint8_t* data, std::size_t size);

// Each input of the corpus, played in this process with a seed of its own:
// the fuzz target aborts on any byte that is not the reference's.
TEST(DriverTest, FuzzTargetPlaysItsSeedCorpus) {
  for (const auto& entry : std::filesystem::directory_iterator(FORESTFIRE_FUZZ_CORPUS)) {
    const std::string input = contentsOf(entry.path().string());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
  }
}

#ifndef _WIN32

const std::string kProgram = "'" FORESTFIRE_BINARY "'";
// Runs the command that follows with its standard input or output non-blocking.
std::string nonBlocking(const std::string& stream) {
  return "perl -MFcntl -e 'fcntl " + stream + ", F_SETFL, O_NONBLOCK; exec @ARGV' ";
}

// A scratch file of this test process's own: ctest runs tests side by side.
std::string scratchFile(const std::string& name) {
  return testing::TempDir() + "forestfire_" + name + "_" + std::to_string(getpid());
}

// Runs a shell script; returns what it writes, standard error included.
std::string shell(const std::string& script) {
  const std::string path = scratchFile("output");
  std::system(("{ " + script + "; } >" + path + " 2>&1").c_str());
  std::string output = contentsOf(path);
  std::remove(path.c_str());
  return output;
}

// Runs `script` until it prints "yes", for a minute at the most.
void waitFor(const std::string& script) {
  shell("for i in $(seq 600); do [ \"$(" + script + ")\" = yes ] && break; sleep 0.1; done");
}

// The reference run, output and status, for the seed that the start time
// gave a run between `started` and now; the last seed's when none fits.
std::string expectedFor(const std::string& played, const std::string& input, std::time_t started,
                        bool terminal = false) {
  std::string expected;
  for (std::time_t seed = started; seed <= std::time(nullptr) && expected != played; ++seed) {
    const auto run = reference::run(input, static_cast<unsigned>(seed), terminal);
    expected = run.output + run.errors + std::to_string(run.status) + '\n';
  }
  return expected;
}

// The text with every tree shown as a burnt one.
std::string withoutTrees(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char shown) { return shown == '^' || shown == 'f'; }, ' ');
  return text;
}

// Through a pipe: the exact bytes, seeded with the start time.
TEST(DriverTest, PlaysThroughAPipeAsTheReferenceSays) {
  const char* other = std::getenv("FORESTFIRE_PROGRAM");
  const std::string program = other != nullptr ? other : kProgram;
  const std::string path = scratchFile("input"), command = program + " <" + path + "; echo $?";
  for (const std::string& input :
       std::vector<std::string>{"a\n", " 2\nxq\nmore", "3\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\nQq",
                                "1" + std::string(40, 'x')}) {
    std::ofstream(path, std::ios::binary) << input;
    const std::time_t started = std::time(nullptr);
    std::string played = shell(command);
    const bool windows = played.find('\r') != std::string::npos;
    played.erase(std::remove(played.begin(), played.end(), '\r'), played.end());
    const std::string expected = expectedFor(played, input, started);
    EXPECT_EQ(windows ? withoutTrees(played) : played, windows ? withoutTrees(expected) : expected)
        << input;
  }
  std::remove(path.c_str());
  EXPECT_EQ(nextTimeStep(nextTimeStep(2147483646)), 2147483647) << "the count stops at its top";
}

TEST(DriverTest, FailedReadOrWriteEndsTheRunWithTheSystemsReason) {
  setenv("P", FORESTFIRE_BINARY, 1);  // the program, as the scripts below call it
  setenv("F", scratchFile("limited").c_str(), 1);
  // A socket that gives "2" and a line end, then a reset: its peer has closed
  // with data of its own unread.
  setenv("R", "socketpair A, B, AF_UNIX, SOCK_STREAM, 0; syswrite B, 'x'; syswrite A, qq(2\\n); "
         "close A; open STDIN, '<&B'; exec @ARGV", 1);
  const std::string cannotWrite = "forestfire: cannot write to standard output: ";
  const std::string cannotRead = "forestfire: cannot read standard input: ";
  const std::pair<std::string, std::string> cases[] = {
      // {script, what it writes}
      {"yes 2>&- | \"$P\" >/dev/full; echo $?", cannotWrite + "No space left on device\n1\n"},
      {"trap '' PIPE; ({ echo 2; yes ''; } 2>&- | \"$P\"; echo $? >&2) | head -c1 >/dev/null",
       cannotWrite + "Broken pipe\n1\n"},
      // Room for the menu and the first frame, not for the last after the q.
      {R"(trap '' XFSZ; printf 2q | prlimit --fsize=2048 "$P" >"$F"; echo $?; rm "$F")",
       cannotWrite + "File too large\n1\n"},
      {"\"$P\" </ >/dev/null; echo $?", cannotRead + "Is a directory\n1\n"},
      // On a terminal, after a frame: the message starts below the prompt.
      {"script -qec 'perl -MSocket -e \"$R\" \"$P\"; echo $?' /dev/null </dev/null | tail -n2 | "
       "tr -d '\\r'",
       cannotRead + "Connection reset by peer\n1\n"}};
  for (const auto& [script, expected] : cases) {
    EXPECT_EQ(shell(script), expected) << script;
  }
}

// An output that is full waits for its reader: every frame arrives, and
// nothing is reported.  On a terminal every frame starts with the clear and
// ends at its prompt, and the last one is followed by a line end.
TEST(DriverTest, WaitsForAFullOutputAndLosesNothing) {
  const std::string frames = "2\n" + std::string(200, '\n') + "q", path = scratchFile("long");
  setenv("C", (nonBlocking("STDOUT") + kProgram + " <" + path + " 2>&1; echo $?").c_str(), 1);
  const std::string terminal = "script -qec \"$C\" /dev/null </dev/null";
  // {the output, non-blocking and read only after a second; whether it is a terminal; the input}
  for (const auto& [output, onTerminal, input] :
       {std::tuple<std::string, bool, std::string>{"{ eval \"$C\"; }", false, frames},
        {terminal, true, frames},
        {terminal, true, "x"}}) {  // 290 KB: more than either holds
    std::ofstream(path, std::ios::binary) << input;
    const std::time_t started = std::time(nullptr);
    const std::string shown = shell(output + " | (sleep 1; tr -d '\\r')");  // the terminal's CRs
    EXPECT_TRUE(shown == expectedFor(shown, input, started, onTerminal)) << output << input;
  }
  std::remove(path.c_str());
}

// In an 80 by 24 terminal, watched through strace: the whole frame is on the
// screen, and after the q the shell goes on on a line of its own.  Every
// write is whole (the menu, a reminder, or a frame with the clear before it),
// so the screen never shows a blank or half a frame.  And an input with
// nothing ready yet is waited for, not read again and again.
TEST(DriverTest, ShowsWholeFramesOnATerminalAndWaitsWithoutSpinning) {
  if (shell("command -v tmux >/dev/null && strace -o /dev/null true && echo yes") != "yes\n") {
    GTEST_SKIP() << "needs tmux, and strace allowed to trace";
  }
  const std::string socket = scratchFile("tmux"), writes = scratchFile("writes");
  const std::string tmux = "tmux -f /dev/null -S " + socket + " ";
  const std::string screen = tmux + "capture-pane -p -t forestfire";
  // However the test ends, the session goes, with what it made: a watchdog in it hangs it up.
  struct Cleanup {
    std::string script;
    ~Cleanup() { shell(script); }
  } const cleanup{tmux + "kill-server; rm -f " + socket + " " + writes};
  shell(tmux + "new-session -d -s forestfire -x 80 -y 24 \"(sleep 120; rm -f " + socket + " " +
        writes + "; kill -HUP 0) & strace -o " + writes +
        " -e trace=write -e signal=none -qq -s 11 " + kProgram + "; echo exit \\$?; wait\"" +
        " \\; set-option status off");
  shell(tmux + "send-keys -t forestfire x Enter 2 Enter");
  waitFor(screen + " | grep -q '^Current time step: 2' && echo yes");
  const std::string shown = shell(screen);
  EXPECT_EQ(shown.substr(0, shown.find('\n')), "Current time step: 2");
  EXPECT_EQ(std::count(shown.begin(), shown.end(), '\n'), 24);
  EXPECT_EQ(shown.substr(shown.rfind('\n', shown.size() - 2) + 1), reference::kPrompt + "\n");
  shell(tmux + "send-keys -t forestfire q Enter");
  waitFor(screen + " | grep -q '^exit' && echo yes");
  const std::string after = shell(screen);
  EXPECT_NE(after.find(reference::kPrompt + "\nexit 0\n"), std::string::npos) << after;
  // The menu, the reminders for x and its line end, three frames, the last line end.
  const std::string frame = "write(1, \"\\33[H\\33[2J\\33[3J\"..., 1466) = 1466\n";
  EXPECT_EQ(shell("sed -n 's/)  *= /) = /; /^write(1,/p' " + writes),
            "write(1, \"1) Dry\\n2) M\"..., 54) = 54\n"
            "write(1, \"Please inpu\"..., 38) = 38\nwrite(1, \"Please inpu\"..., 38) = 38\n" +
                frame + frame + frame + "write(1, \"\\n\", 1) = 1\n");
  shell(tmux + "kill-server");
  // A non-blocking input's end is still an end; and the reads that find nothing are few.
  EXPECT_EQ(
      shell("(printf 2; sleep 0.3; echo) | " + nonBlocking("STDIN") + "strace -e trace=read -o " +
            writes + " " + kProgram + " | grep -c 'Current time step'"),
      "2\n");
  EXPECT_LT(std::stoi(shell("grep -c EAGAIN " + writes)), 10);
  // Nor is a full output written again and again.
  EXPECT_EQ(shell("yes '' | head -c 300 | (echo 2; cat) | " + nonBlocking("STDOUT") +
                  "strace -e trace=write -o " + writes + " " + kProgram +
                  " | (sleep 1; grep -c 'Current time step')"),
            "302\n");
  EXPECT_LT(std::stoi(shell("grep -c EAGAIN " + writes)), 10);
  std::remove(writes.c_str());
}

#endif  // _WIN32

}  // namespace
}  // namespace forestfire
