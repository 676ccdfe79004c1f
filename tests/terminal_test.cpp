// The program in a real pseudo-terminal, typed at as a person types.
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>

#include "screen.h"

namespace forestfire {
namespace {

using Clock = std::chrono::steady_clock;

class TerminalSession {
 public:
  TerminalSession() {
    child = forkpty(&terminal, nullptr, nullptr, nullptr);
    if (child == 0) {
      execl(FORESTFIRE_BINARY, FORESTFIRE_BINARY, static_cast<char*>(nullptr));
      _exit(127);
    }
  }
  ~TerminalSession() {
    if (child > 0 && !ended) {
      kill(child, SIGKILL);
      waitpid(child, nullptr, 0);
    }
    if (terminal >= 0) {
      close(terminal);
    }
  }
  TerminalSession(const TerminalSession&) = delete;
  TerminalSession& operator=(const TerminalSession&) = delete;

  bool started() const { return child > 0; }

  void type(const std::string& keys) {
    ASSERT_EQ(write(terminal, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
  }

  // Reads what the program writes for `limit`, or until `wanted` appears in
  // what is on the screen.  Returns whether it appeared.
  bool waitFor(const std::string& wanted, std::chrono::milliseconds limit) {
    const Clock::time_point deadline = Clock::now() + limit;
    while (screen().find(wanted) == std::string::npos) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
      if (left.count() <= 0 || !readSome(static_cast<int>(left.count()))) {
        return false;
      }
    }
    return true;
  }

  // What the terminal shows: everything since the last clear.
  std::string screen() const {
    const std::size_t clear = received.rfind(kClear);
    return clear == std::string::npos ? received : received.substr(clear + sizeof kClear - 1);
  }

  // The exit status, once the program has ended on its own.
  int waitForExit() {
    while (readSome(5000)) {
    }
    int status = 0;
    waitpid(child, &status, 0);
    ended = true;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  bool readSome(int timeoutMs) {
    pollfd fd = {terminal, POLLIN, 0};
    if (poll(&fd, 1, timeoutMs) <= 0) {
      return false;
    }
    char buffer[4096];
    const ssize_t n = read(terminal, buffer, sizeof buffer);
    if (n <= 0) {
      return false;  // the program has ended and closed the terminal
    }
    received.append(buffer, static_cast<std::size_t>(n));
    return true;
  }

  int terminal = -1;
  pid_t child = -1;
  bool ended = false;
  std::string received;
};

TEST(TerminalTest, PlaysStepByStepAndQuitsOnQ) {
  using std::chrono::milliseconds;
  TerminalSession session;
  ASSERT_TRUE(session.started());
  ASSERT_TRUE(session.waitFor("Please input a dampness level\r\n", milliseconds(10000)));
  EXPECT_EQ(session.screen().find(kClear), std::string::npos) << "the menu is not cleared away";

  session.type("2\r");
  ASSERT_TRUE(session.waitFor(kPrompt, milliseconds(10000)));
  session.waitFor("never shown", milliseconds(300));  // let any further frame arrive
  EXPECT_EQ(session.screen().rfind("Current time step: 2\r\n", 0), 0u) << session.screen();

  session.type("abc");
  session.waitFor("never shown", milliseconds(300));
  EXPECT_EQ(session.screen().rfind("Current time step: 2\r\n", 0), 0u) << "no step before Enter";

  session.type("q\r");
  EXPECT_EQ(session.waitForExit(), 0);
  EXPECT_EQ(session.screen().rfind("Current time step: 6\r\n", 0), 0u) << "a, b, c and q: four steps";
}

}  // namespace
}  // namespace forestfire
