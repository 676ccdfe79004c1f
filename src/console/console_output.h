#ifndef FORESTFIRE_CONSOLE_CONSOLE_OUTPUT_H_
#define FORESTFIRE_CONSOLE_CONSOLE_OUTPUT_H_

#include <array>
#include <streambuf>

namespace forestfire::console {

// The program's own stream buffer for standard output (or error), which
// StandardStreams puts under std::cout (and std::cerr).  It holds what is
// written until the stream is flushed, and then hands it to the system in one
// write: a frame, the menu or a reminder reaches the console whole.  It holds
// several frames, so it never has to write one out in parts.
//
// A flush writes everything, however the descriptor behaves.  A short write
// goes on with the rest, and a write that a signal interrupts is made again.
// A non-blocking descriptor that is full (a slow reader, a terminal held
// back) is waited for until it takes more.  Any other failure makes the
// flush fail and drops what was held.  From then on every flush fails without
// writing, and failure() keeps the reason.
class ConsoleOutput : public std::streambuf {
 public:
  // A buffer that writes to `descriptor`, which it does not own.
  explicit ConsoleOutput(int descriptor);
  // Writes out what is still held; a failure here goes unreported.
  ~ConsoleOutput() override;

  ConsoleOutput(const ConsoleOutput&) = delete;
  ConsoleOutput& operator=(const ConsoleOutput&) = delete;

  // The errno of the write that failed, or 0 while none has.  It stays as it
  // was, whatever is called after the failure.
  int failure() const { return reason; }

 protected:
  int_type overflow(int_type character) override;
  int sync() override;

 private:
  // Writes out what is held; false when the descriptor failed.
  bool writeHeld();

  int target;  // the descriptor written to
  int reason = 0;
  std::array<char, 16384> held{};  // 16 KiB
};

}  // namespace forestfire::console

#endif  // FORESTFIRE_CONSOLE_CONSOLE_OUTPUT_H_
