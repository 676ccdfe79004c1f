#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "capture.h"
#include "screen.h"
#include "display/grid.h"
#include "model/forest.h"

namespace forestfire {
namespace {

std::vector<std::string> frameLines(const Forest& forest, const Grid& grid, std::int32_t timeStep) {
  std::string text = captureStdout([&] { forest.display(grid, timeStep); });
  if (text.rfind(kClear, 0) == 0) {
    text.erase(0, sizeof kClear - 1);
  }
  return splitLines(text);
}

std::vector<std::string> frameLines(const Forest& forest, std::int32_t timeStep = 1) {
  return frameLines(forest, Grid(), timeStep);
}

// Character `n` (counting from 1) of frame line `line` (counting from 1).
char at(const std::vector<std::string>& frame, std::size_t line, std::size_t n) {
  return frame.at(line - 1).at(n - 1);
}

TEST(FrameTest, FirstFrameShowsTheForestWithTheCentreBurning) {
  Forest forest(Moist);
  forest.populate(&forest);
  EXPECT_EQ(frameLines(forest), firstFrame());
}

TEST(FrameTest, SymbolsFollowTheStatus) {
  Forest forest(Dry);
  forest.populate(&forest);
  treeAt(forest, 3, 4)->setStatus(Burnt);
  treeAt(forest, 7, 7)->setStatus(7);
  treeAt(forest, 8, 2)->setStatus(-1);
  const std::vector<std::string> frame = frameLines(forest);
  EXPECT_EQ(frame.at(5).substr(10, 7), "^     ^") << "a burnt tree is a blank at character 14";
  EXPECT_EQ(at(frame, 10, 23), '!');
  EXPECT_EQ(at(frame, 11, 8), '!');
  EXPECT_EQ(at(frame, 13, 32), 'f');
}

TEST(FrameTest, TreesOnTheLastRowAndColumnAreNeverShown) {
  Forest forest(Dry);
  forest.populate(&forest);
  const std::vector<std::string> before = frameLines(forest);
  treeAt(forest, 20, 5)->setStatus(Burning);
  treeAt(forest, 5, 20)->setStatus(Burnt);
  treeAt(forest, 20, 20)->setStatus(9);
  EXPECT_EQ(frameLines(forest), before);
}

TEST(FrameTest, TheGridPassedInDoesNotShowAndIsNotChanged) {
  Forest forest(Dry);
  forest.populate(&forest);
  Grid scribbled;
  for (std::int32_t i = 0; i < kGridSize; ++i) {
    scribbled.setCell(i, i, 'x');
  }
  const Grid copy = scribbled;
  EXPECT_EQ(frameLines(forest, scribbled, 1), frameLines(forest));
  for (std::int32_t i = 1; i < 20; ++i) {
    EXPECT_EQ(scribbled.getCell(i, i), copy.getCell(i, i));
  }
}

TEST(FrameTest, StepNumberIsPrintedInFullAndIsTheOnlyDifference) {
  Forest forest(Dry);
  forest.populate(&forest);
  const std::vector<std::string> first = frameLines(forest, 1);
  for (std::int32_t step : {0, -12, 2147483647}) {
    std::vector<std::string> frame = frameLines(forest, step);
    EXPECT_EQ(frame.at(0), "Current time step: " + std::to_string(step));
    frame[0] = first[0];
    EXPECT_EQ(frame, first);
  }
}

TEST(FrameTest, EmptyForestPrintsOnlyThatItIsEmpty) {
  const Forest forest(Dry);
  EXPECT_EQ(captureStdout([&] { forest.display(Grid(), 5); }), "List is Empty\n");
}

}  // namespace
}  // namespace forestfire
