#include "process.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace forestfire {

namespace {

// Parent and child ends of the three standard streams.
struct Pipes {
  int in[2];
  int out[2];
  int err[2];
};

[[noreturn]] void becomeChild(const Pipes& pipes, const std::string& path) {
  dup2(pipes.in[0], STDIN_FILENO);
  dup2(pipes.out[1], STDOUT_FILENO);
  dup2(pipes.err[1], STDERR_FILENO);
  for (int fd : {pipes.in[0], pipes.in[1], pipes.out[0], pipes.out[1], pipes.err[0], pipes.err[1]}) {
    close(fd);
  }
  execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
  _exit(127);
}

// Feeds the input and drains both outputs at once, so that neither side
// waits on a full pipe.
void exchange(int toChild, int fromOut, int fromErr, const std::string& input, Finished& result) {
  std::size_t written = 0;
  if (input.empty()) {
    close(toChild);
    toChild = -1;
  }
  while (fromOut >= 0 || fromErr >= 0) {
    pollfd fds[3] = {{toChild, POLLOUT, 0}, {fromOut, POLLIN, 0}, {fromErr, POLLIN, 0}};
    if (poll(fds, 3, -1) < 0) {
      if (errno == EINTR) {
        continue;
      }
      return;
    }
    if (toChild >= 0 && (fds[0].revents & (POLLOUT | POLLERR | POLLHUP)) != 0) {
      const ssize_t n = write(toChild, input.data() + written, input.size() - written);
      if (n > 0) {
        written += static_cast<std::size_t>(n);
      }
      if (n < 0 || written == input.size()) {
        close(toChild);
        toChild = -1;
      }
    }
    for (int i = 1; i <= 2; ++i) {
      int& fd = i == 1 ? fromOut : fromErr;
      if (fd >= 0 && (fds[i].revents & (POLLIN | POLLHUP | POLLERR)) != 0) {
        char buffer[65536];
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n > 0) {
          (i == 1 ? result.output : result.errors).append(buffer, static_cast<std::size_t>(n));
        } else {
          close(fd);
          fd = -1;
        }
      }
    }
  }
  if (toChild >= 0) {
    close(toChild);
  }
}

}  // namespace

Finished runWithInput(const std::string& path, const std::string& input) {
  signal(SIGPIPE, SIG_IGN);  // a program that stops reading early is no failure here
  Pipes pipes{};
  if (pipe(pipes.in) != 0 || pipe(pipes.out) != 0 || pipe(pipes.err) != 0) {
    std::abort();
  }
  const pid_t child = fork();
  if (child == 0) {
    becomeChild(pipes, path);
  }
  close(pipes.in[0]);
  close(pipes.out[1]);
  close(pipes.err[1]);
  Finished result{"", "", -1};
  exchange(pipes.in[1], pipes.out[0], pipes.err[0], input, result);
  int status = 0;
  waitpid(child, &status, 0);
  if (WIFEXITED(status)) {
    result.exitStatus = WEXITSTATUS(status);
  }
  return result;
}

}  // namespace forestfire
