// The whole program, played in this process against the reference, byte for
// byte: the fuzz target's seed corpus, on a terminal and off one.  What only
// the built program can show (pipes, terminals, failing descriptors) is
// played by system_test.py.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "driver/session.h"
#include "reference.h"

namespace forestfire {

reference::Run play(const std::string& input, std::uint32_t seed, bool terminal);  // fuzz target

namespace {

// Each input of the corpus with the seed the fuzz target gives it: the low
// 32 bits of its hash, which make some of them roll on the thresholds.
TEST(DriverTest, PlaysItsSeedCorpusAsTheReferenceSays) {
  for (const auto& entry : std::filesystem::directory_iterator(FORESTFIRE_FUZZ_CORPUS)) {
    std::ifstream file(entry.path(), std::ios::binary);
    const std::string input{std::istreambuf_iterator<char>(file), {}};
    const auto seed = static_cast<std::uint32_t>(std::hash<std::string>{}(input));
    for (const bool terminal : {false, true}) {
#ifdef _WIN32
      if (terminal) {
        break;  // there a console is cleared by running "cls", which the stream does not see
      }
#endif
      EXPECT_TRUE(play(input, seed, terminal) == reference::run(input, seed, terminal))
          << entry.path().filename() << (terminal ? " on a terminal" : " through a pipe");
    }
  }
  EXPECT_EQ(nextTimeStep(nextTimeStep(2147483646)), 2147483647) << "the count stops at its top";
}

}  // namespace
}  // namespace forestfire
