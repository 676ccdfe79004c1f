#include "driver/session.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <limits>
#include <sstream>
#include <string>

#include "capture.h"
#include "display/grid.h"
#include "model/forest.h"
#include "screen.h"

namespace forestfire {
namespace {

// Standard input replaced by `text` while the object lives.
class InputFrom {
 public:
  explicit InputFrom(const std::string& text) : input(text), original(std::cin.rdbuf(input.rdbuf())) {}
  ~InputFrom() {
    std::cin.rdbuf(original);
    std::cin.clear();
  }
  InputFrom(const InputFrom&) = delete;
  InputFrom& operator=(const InputFrom&) = delete;

  // What is still unread.
  std::string rest() { return input.str().substr(static_cast<std::size_t>(input.tellg())); }

 private:
  std::istringstream input;
  std::streambuf* original;
};

TEST(SessionTest, DampnessPromptStopsAtTheAcceptedDigit) {
  struct Case {
    std::string input;
    std::int32_t dampness;
    std::string unread;
  };
  const Case cases[] = {
      {"2\n", Moist, "\n"},  {"7\n3\n", Damp, "\n"}, {"12\n", Dry, "2\n"},
      {"-1\n", Dry, "\n"},   {"x0 2q", Moist, "q"},  {"\xe2\x82\xac" "3", Damp, ""},
  };
  for (const Case& c : cases) {
    InputFrom input(c.input);
    std::optional<std::int32_t> dampness;
    captureStdout([&] { dampness = askForDampness(); });
    ASSERT_TRUE(dampness.has_value()) << c.input;
    EXPECT_EQ(*dampness, c.dampness) << c.input;
    EXPECT_EQ(input.rest(), c.unread) << c.input;
  }
}

TEST(SessionTest, DampnessPromptGivesUpWhenInputEnds) {
  for (const char* text : {"", "\n", "0", "4", "5\n9", "abc"}) {
    InputFrom input(text);
    std::optional<std::int32_t> dampness = Dry;
    captureStdout([&] { dampness = askForDampness(); });
    EXPECT_FALSE(dampness.has_value()) << text;
  }
}

TEST(SessionTest, StepCountStopsAtItsLargestValue) {
  const std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  EXPECT_EQ(nextTimeStep(1), 2);
  EXPECT_EQ(nextTimeStep(-1), 0);
  EXPECT_EQ(nextTimeStep(kMax - 1), kMax);
  EXPECT_EQ(nextTimeStep(kMax), kMax);
}

// The transcript of a run is the menu, then the forest advanced with the
// generator seeded before anything else, one frame per character.
TEST(SessionTest, RunShowsTheForestOfItsSeed) {
  constexpr std::uint32_t kSeed = 77;
  const std::string expected = captureStdout([] {
    std::cout << kMenu;
    std::srand(kSeed);
    Forest forest(Dry);
    forest.populate(&forest);
    for (std::int32_t step = 1; step <= 5; ++step) {
      if (step > 1) {
        forest.advance();
      }
      forest.display(Grid(), step);
    }
  });
  InputFrom input("1\nabq\n");
  int exitStatus = -1;
  EXPECT_EQ(captureStdout([&] { exitStatus = runForestFire(kSeed); }), expected);
  EXPECT_EQ(exitStatus, 0);
  EXPECT_EQ(input.rest(), "\n");
}

}  // namespace
}  // namespace forestfire
