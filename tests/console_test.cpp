#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <memory>

#include "console/console_output.h"

namespace forestfire::console {
namespace {

// More than the buffer holds, written without a flush, goes out whole and in
// order: what is held when it fills, then the rest when it goes.  A write
// refused fails every flush after it, with its reason.
TEST(ConsoleTest, ConsoleOutputWritesAllItIsGiven) {
  const std::string path = testing::TempDir() + "forestfire_console_output";
  std::string text;  // numbers, so that a piece lost, doubled or moved shows
  for (int number = 0; text.size() < 40000; ++number) {
    text += std::to_string(number) + ' ';
  }
  std::FILE* const file = std::fopen(path.c_str(), "wb");
  std::ostream(std::make_unique<ConsoleOutput>(fileno(file)).get()) << text << 'x';
  std::fclose(file);
  std::ostringstream written;
  written << std::ifstream(path, std::ios::binary).rdbuf();
  EXPECT_TRUE(written.str() == text + 'x');
  std::FILE* const readOnly = std::fopen(path.c_str(), "rb");
  ConsoleOutput refused(fileno(readOnly));
  const int reason = refused.sputc('x') == 'x' && refused.pubsync() == -1 ? errno : 0;
  errno = 0;
  EXPECT_TRUE(reason != 0 && refused.pubsync() == -1 && errno == reason);
  std::fclose(readOnly);
  std::remove(path.c_str());
}

}  // namespace
}  // namespace forestfire::console
