#include "play.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <iostream>
#include <sstream>

#include "console/platform.h"
#include "console/standard_streams.h"
#include "driver/session.h"
#include "reference.h"

namespace forestfire {

namespace {

Console asked;
std::istringstream keys;
Played current;  // the run being played

// Whether the call just counted is the failing one, with errno set to say
// why (set anyway: the program reads it only after a failure).
bool isFailing() {
  errno = asked.reason;
  return current.calls.size() == asked.failingCall;
}

}  // namespace

namespace console {

bool isTerminal(int descriptor) {
  return descriptor == 1 && asked.terminal;
}

bool canClearTerminal() {
  return true;
}

void clearScreen() {
  std::cout << reference::kClear;
}

int readInputByte(char& byte) {
  current.calls += 'r';
  if (isFailing()) {
    return -1;
  }
  return keys.get(byte) ? 1 : 0;
}

long writeSome(int descriptor, const char* bytes, std::size_t count) {
  if (descriptor == 1) {
    current.calls += 'w';
    if (isFailing() && asked.reason == ENOSPC && count > 1) {
      ++asked.failingCall;  // the write of the rest
      count /= 2;
    } else if (isFailing()) {
      return asked.reason == 0 ? 0 : -1;
    }
    current.output.emplace_back(bytes, count);
  } else {
    current.errors.append(bytes, count);
  }
  return static_cast<long>(count);
}

void waitUntilReadable(int descriptor) {
  current.calls += descriptor == 0 ? 'R' : '?';
}

void waitUntilWritable(int descriptor) {
  current.calls += descriptor == 1 ? 'W' : '?';
}

}  // namespace console

Played play(const std::string& input, std::uint32_t seed, Console setting) {
  asked = setting;
  keys = std::istringstream(input);
  current = {};
  const console::StandardStreams streams;
  current.status = runForestFire(seed);
  return current;
}

void expectRun(const reference::Run& expected, const Played& played) {
  EXPECT_EQ(played.status, expected.status);
  EXPECT_EQ(played.errors, expected.errors);
  // Padded with empty writes, so that a write missing on either side shows as
  // an empty one there.
  auto got = played.output;
  auto want = expected.output;
  got.resize(got.size() + want.size());
  want.resize(got.size());
  for (std::size_t write = 0; write < got.size(); ++write) {
    ASSERT_EQ(got[write], want[write]) << "write " << write;
  }
}

std::uint32_t seedOf(const std::string& input) {
  std::uint64_t hash = 14695981039346656037u;
  for (const char byte : input) {
    hash = (hash ^ static_cast<unsigned char>(byte)) * 1099511628211u;
  }
  return static_cast<std::uint32_t>(hash);
}

}  // namespace forestfire
