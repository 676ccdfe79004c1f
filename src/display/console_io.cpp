#include "display/console_io.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <io.h>
#include <windows.h>
#else
#include <sys/select.h>
#include <unistd.h>
#endif

namespace forestfire {

#ifdef _WIN32
namespace {

HANDLE handleOf(int descriptor) {
  return reinterpret_cast<HANDLE>(_get_osfhandle(descriptor));
}

}  // namespace

bool isTerminal(int descriptor) {
  DWORD mode = 0;
  return GetConsoleMode(handleOf(descriptor), &mode) != 0;
}

long writeSome(int descriptor, const char* bytes, std::size_t count) {
  return _write(descriptor, bytes, static_cast<unsigned>(count));
}

void waitUntilReadable(int descriptor) {
  if (!isTerminal(descriptor) ||
      WaitForSingleObject(handleOf(descriptor), INFINITE) != WAIT_OBJECT_0) {
    Sleep(10);
  }
}

void waitUntilWritable(int /*descriptor*/) {
  Sleep(10);
}
#else
namespace {

void waitUntilReady(int descriptor, bool writing) {
  fd_set ready;
  FD_ZERO(&ready);
  FD_SET(descriptor, &ready);
  select(descriptor + 1, writing ? nullptr : &ready, writing ? &ready : nullptr, nullptr, nullptr);
}

}  // namespace

bool isTerminal(int descriptor) {
  return isatty(descriptor) != 0;
}

long writeSome(int descriptor, const char* bytes, std::size_t count) {
  return write(descriptor, bytes, count);
}

void waitUntilReadable(int descriptor) {
  waitUntilReady(descriptor, false);
}

void waitUntilWritable(int descriptor) {
  waitUntilReady(descriptor, true);
}
#endif

}  // namespace forestfire
