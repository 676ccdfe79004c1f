#include "console/console.h"

#include <cerrno>
#include <iostream>

#include "console/console_output.h"
#include "console/platform.h"

namespace forestfire::console {

namespace {

const ConsoleOutput* outputBuffer = nullptr;  // the buffer under std::cout
bool terminal = false;                        // standard output is a terminal that is cleared
bool atPrompt = false;                        // the cursor waits at the end of a prompt's line

}  // namespace

void setUp(const ConsoleOutput* output, bool clears) {
  outputBuffer = output;
  terminal = clears;
}

void clear() {
  if (terminal) {
    clearScreen();
  }
}

void endPrompt() {
  if (terminal) {
    atPrompt = true;
  } else {
    std::cout << '\n';
  }
}

bool flushToLineStart() {
  if (atPrompt) {
    atPrompt = false;
    std::cout << '\n';
  }
  return static_cast<bool>(std::cout.flush());
}

// The reason is the buffer's, which keeps it.  errno changes with every call
// made since the failed write (a clear, a library call), and std::cout says
// only that something failed.  Once a write has failed the stream is bad,
// and a flush of it no longer reaches the buffer.
int outputFailure() {
  return outputBuffer->failure();
}

// The pieces go straight into the buffer under std::cerr, which writes them
// out together at the sync.  Through std::cerr itself, which flushes after
// every output, each piece would be a write of its own.
void writeErrorLine(std::initializer_list<std::string_view> pieces) {
  flushToLineStart();
  std::streambuf& errors = *std::cerr.rdbuf();
  for (const std::string_view piece : pieces) {
    errors.sputn(piece.data(), static_cast<std::streamsize>(piece.size()));
  }
  errors.sputc('\n');
  errors.pubsync();
}

// A read that found nothing ready waits and is made again, as a write of
// ConsoleOutput does; one that a signal interrupted is made again at once.
ReadResult readByte(char& byte) {
  while (true) {
    const int read = readInputByte(byte);
    if (read == 1) {
      return ReadResult::Byte;
    }
    if (read == 0) {
      return ReadResult::EndOfInput;
    }
    if (errno == EAGAIN || errno == EWOULDBLOCK) {
      waitUntilReadable(0);  // standard input
    } else if (errno != EINTR) {
      return ReadResult::Failed;
    }
  }
}

}  // namespace forestfire::console
