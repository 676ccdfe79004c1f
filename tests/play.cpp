#include "play.h"

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <iostream>
#include <sstream>
#include <string>

#include "console/platform.h"
#include "console/standard_streams.h"
#include "driver/session.h"
#include "reference.h"

namespace forestfire {

namespace {

Console asked;
std::istringstream keys;
Played played;

// Whether this call, a read or a write, is the troubled one; errno then
// says how.
bool isTroubled(bool reading) {
  if (played.reads + played.writes != asked.troubled) {
    return false;
  }
  played.troubledRead = reading;
  errno = asked.trouble;
  return true;
}

}  // namespace

namespace console {

bool isTerminal(int descriptor) {
  if (descriptor == 1) {
    return asked.terminal;
  }
  return descriptor == 2 && asked.errorsToTerminal;
}

bool canClearTerminal() {
  return true;
}

void clearScreen() {
  std::cout << reference::kClear;
}

int readInputByte(char& byte) {
  ++played.reads;
  if (isTroubled(true)) {
    return -1;
  }
  return keys.get(byte) ? 1 : 0;
}

long writeSome(int descriptor, const char* bytes, std::size_t count) {
  if (descriptor == 2) {
    played.errors.append(bytes, count);
    return static_cast<long>(count);
  }
  ++played.writes;
  if (isTroubled(false)) {
    return asked.trouble == 0 ? 0 : -1;  // with no errno, a write that takes nothing
  }
  played.output.append(bytes, count);
  return static_cast<long>(count);
}

// Never called: no read or write here finds its descriptor not ready.
void waitUntilReadable(int /*descriptor*/) {}
void waitUntilWritable(int /*descriptor*/) {}

}  // namespace console

Played play(const std::string& input, std::uint32_t seed, const Console& setting) {
  asked = setting;
  keys.str(input);
  keys.clear();
  played = {};
  const console::StandardStreams streams;
  played.status = runForestFire(seed);
  return played;
}

std::uint64_t hashOf(const std::string& input) {
  std::uint64_t hash = 14695981039346656037u;
  for (const char byte : input) {
    hash = (hash ^ static_cast<unsigned char>(byte)) * 1099511628211u;
  }
  return hash;
}

}  // namespace forestfire
