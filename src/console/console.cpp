#include "console/console.h"

#include <cerrno>
#include <iostream>

#include "console/console_output.h"
#include "console/platform.h"

namespace forestfire::console {

namespace {

const ConsoleOutput* output = nullptr;  // the buffer under std::cout
bool terminal = false;                  // standard output is a terminal that is cleared
bool bothTerminals = false;             // standard output and standard error are terminals
bool atPrompt = false;                  // the cursor waits at the end of a prompt's line

}  // namespace

void setUp(const ConsoleOutput* outputBuffer, bool clears, bool outputAndErrorsOnTerminals) {
  output = outputBuffer;
  terminal = clears;
  bothTerminals = outputAndErrorsOnTerminals;
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

// From the buffer, which keeps it: errno changes with every call made since
// (a clear, a library call), and std::cout says only that something failed.
// Once a write has failed the stream is bad, and a flush of it no longer
// reaches the buffer.
int outputFailure() {
  return output->failure();
}

// Straight into the buffer under std::cerr, which would otherwise write each
// piece as it comes.  Where standard output is a file or a pipe, the cursor
// of a terminal that shows standard error is at the start of a line already,
// whatever standard output ends with.
void writeErrorLine(std::initializer_list<std::string_view> pieces) {
  flushToLineStart();
  std::streambuf& errors = *std::cerr.rdbuf();
  if (bothTerminals && output->endsInsideLine()) {
    errors.sputc('\n');
  }
  for (const std::string_view piece : pieces) {
    errors.sputn(piece.data(), static_cast<std::streamsize>(piece.size()));
  }
  errors.sputc('\n');
  errors.pubsync();
}

// As ConsoleOutput writes: a read that found nothing ready waits, one that a
// signal interrupted is made again at once.
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
