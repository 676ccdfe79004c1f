#include <gtest/gtest.h>

#include "display/grid.h"
#include "helpers.h"

namespace forestfire {
namespace {

// The frame's lines, less the clear that a terminal running the tests gets
// (it ends in the only "J" of the first line).
std::vector<std::string> frame(const Forest& forest, int timeStep, const Grid& grid = Grid()) {
  std::vector<std::string> lines = linesWrittenBy([&] { forest.display(grid, timeStep); });
  lines[0].erase(0, lines[0].rfind('J') + 1);
  return lines;
}

TEST(DisplayTest, EachTreeShowsItsStatusInsideTheBorder) {
  EXPECT_EQ(frame(Forest(Dry), 5), std::vector<std::string>{"List is Empty"});
  Forest forest(Dry);
  forest.populate(&forest);
  std::vector<Tree*> trees;  // (x, y) is trees[(y - 1) * 20 + x - 1]
  for (Tree* tree = forest.getHead(); tree != nullptr; tree = tree->getNext()) {
    trees.push_back(tree);
  }
  Grid scribbled;  // inside the border, where the trees then cover it; elsewhere nothing sticks
  for (const auto& [row, column] :
       {std::pair{4, 4}, {0, 7}, {20, 7}, {7, 0}, {7, 20}, {0, 0}, {-1, 5}, {5, 21}}) {
    scribbled.setCell(row, column, 'x');
  }
  scribbled.setCell(4, 5, '\0');
  const std::vector<std::string> first = frame(forest, 1, scribbled);
  EXPECT_EQ(first, firstFrame()) << "nothing of the grid passed in shows";
  trees[62]->setStatus(Burnt);    // (3, 4)
  trees[126]->setStatus(7);       // (7, 7)
  trees[27]->setStatus(-1);       // (8, 2)
  trees[99]->setStatus(Burning);  // (20, 5), under the border, never shown
  trees[384]->setStatus(Burnt);   // (5, 20), likewise
  std::vector<std::string> expected = first;
  expected[0] = "Current time step: -2147483647";
  expected[5][13] = ' ';
  expected[9][22] = expected[10][7] = '!';
  EXPECT_EQ(frame(forest, -2147483647), expected);
  const std::vector<std::string> scribbledLines = linesWrittenBy([&] { scribbled.print(); });
  EXPECT_EQ(scribbledLines[4].substr(13, 4), "x   ") << "drawn into a copy; a NUL leaves a blank";
}

}  // namespace
}  // namespace forestfire
