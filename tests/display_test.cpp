#include <gtest/gtest.h>

#include <array>
#include <limits>

#include "display/grid.h"
#include "helpers.h"

namespace forestfire {
namespace {

std::vector<std::string> frame(const Forest& forest, int timeStep = 1, const Grid& grid = Grid()) {
  std::vector<std::string> lines = linesWrittenBy([&] { forest.display(grid, timeStep); });
  const std::string clear = "\x1b[H\x1b[2J\x1b[3J";  // written when the tests run on a terminal
  if (!lines.empty() && lines[0].rfind(clear, 0) == 0) {
    lines[0].erase(0, clear.size());
  }
  return lines;
}

TEST(DisplayTest, SetCellNeverBreaksTheBorderNorWritesOutsideTheGrid) {
  const int kMax = std::numeric_limits<int>::max();
  // {row, column, symbol, what the cell then shows}
  const std::array<int, 4> cases[] = {
      {5, 5, 'f', 'f'},   {19, 1, 'f', 'f'},  {5, 5, '\0', ' '},  {0, 7, 'f', '_'},
      {20, 7, 'f', '_'},  {7, 0, 'f', '|'},   {7, 20, 'f', '|'},  {0, 0, 'f', '|'},
      {20, 20, 'f', '|'}, {-1, 5, 'f', '\0'}, {5, 21, 'f', '\0'}, {-kMax, kMax, 'f', '\0'}};
  for (const auto& c : cases) {
    Grid grid;
    grid.setCell(c[0], c[1], static_cast<char>(c[2]));
    EXPECT_EQ(grid.getCell(c[0], c[1]), c[3]) << c[0] << ", " << c[1];
    Grid copy = grid;
    copy.setCell(1, 1, '!');  // drawing into a copy leaves the original alone
    grid.drawBorder();        // and the border leaves the interior alone
    std::vector<std::string> expected = {kTopLine};
    expected.insert(expected.end(), 19, " | " + std::string(57, ' ') + " | ");
    expected.insert(expected.end(), {kTopLine, kPrompt});
    if (c[3] == 'f') {
      expected[static_cast<std::size_t>(c[0])][3 * static_cast<std::size_t>(c[1]) + 1] = 'f';
    }
    EXPECT_EQ(linesWrittenBy([&] { grid.print(); }), expected) << c[0] << ", " << c[1];
  }
}

TEST(DisplayTest, FirstFrameShowsTheForestWithItsCentreBurning) {
  Forest forest(Moist);
  forest.populate(&forest);
  EXPECT_EQ(frame(forest), firstFrame());
  EXPECT_EQ(frame(Forest(Dry), 5), std::vector<std::string>{"List is Empty"});
}

TEST(DisplayTest, EachTreeShowsItsStatusInsideTheBorder) {
  Forest forest(Dry);
  forest.populate(&forest);
  Grid scribbled;
  scribbled.setCell(4, 4, 'x');
  const std::vector<std::string> first = frame(forest, 1, scribbled);
  EXPECT_EQ(first, frame(forest)) << "nothing of the grid passed in shows";
  treeAt(forest, 3, 4)->setStatus(Burnt);
  treeAt(forest, 7, 7)->setStatus(7);
  treeAt(forest, 8, 2)->setStatus(-1);
  treeAt(forest, 20, 5)->setStatus(Burning);  // under the border, never shown
  treeAt(forest, 5, 20)->setStatus(Burnt);
  std::vector<std::string> lines = frame(forest, -2147483647);
  EXPECT_EQ(lines[0], "Current time step: -2147483647");
  EXPECT_EQ(lines[5].substr(10, 7), "^     ^");
  EXPECT_EQ(lines[9][22], '!');
  EXPECT_EQ(lines[10][7], '!');
  lines[0] = first[0];
  lines[5][13] = lines[9][22] = lines[10][7] = '^';
  EXPECT_EQ(lines, first) << "nothing else changed";
  EXPECT_EQ(scribbled.getCell(4, 4), 'x');
}

}  // namespace
}  // namespace forestfire
