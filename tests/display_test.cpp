#include <gtest/gtest.h>

#include "display/grid.h"
#include "model/forest.h"
#include "reference.h"

namespace forestfire {
namespace {

std::string frame(const Forest& forest, int timeStep, const Grid& grid = Grid()) {
  return textWrittenBy([&] { forest.display(grid, timeStep); });
}

TEST(DisplayTest, EachTreeShowsItsStatusInsideTheBorder) {
  EXPECT_EQ(frame(Forest(Dry), 5), "List is Empty\n");
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
  std::string expected = reference::firstForest();
  EXPECT_EQ(frame(forest, 1, scribbled), reference::frame(expected, 1))
      << "nothing of the grid passed in shows";
  // {x, y, status}: burnt, two outside the three, and two under the border
  const int changes[][3] = {{3, 4, Burnt},    {7, 7, 7},      {8, 2, -1},
                            {20, 5, Burning}, {5, 20, Burnt}, {19, 19, Burning}};
  for (const auto& [x, y, status] : changes) {
    trees[static_cast<std::size_t>((y - 1) * 20 + x - 1)]->setStatus(status);
    expected[static_cast<std::size_t>((y - 1) * 20 + x - 1)] = static_cast<char>('0' + status);
  }
  EXPECT_EQ(frame(forest, -2147483647), reference::frame(expected, -2147483647));
  EXPECT_EQ(textWrittenBy([&] { scribbled.print(); }).substr(4 * 64 + 13, 4), "x   ")
      << "drawn into a copy; a NUL leaves a blank";
}

}  // namespace
}  // namespace forestfire
