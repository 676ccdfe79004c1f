#include "display/grid.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "capture.h"
#include "screen.h"

namespace forestfire {
namespace {

void expectCompleteBorder(const Grid& grid) {
  for (std::int32_t i = 0; i < kGridSize; ++i) {
    EXPECT_EQ(grid.getCell(i, 0), '|') << "row " << i;
    EXPECT_EQ(grid.getCell(i, 20), '|') << "row " << i;
    if (i > 0 && i < 20) {
      EXPECT_EQ(grid.getCell(0, i), '_') << "column " << i;
      EXPECT_EQ(grid.getCell(20, i), '_') << "column " << i;
    }
  }
}

std::vector<std::string> printedLines(const Grid& grid) {
  return splitLines(captureStdout([&] { grid.print(); }));
}

TEST(GridTest, SetCellKeepsInteriorSymbolsAndRestoresTheBorder) {
  struct Case {
    std::int32_t row, column;
    char shown;
  };
  const Case cases[] = {
      {5, 5, 'f'}, {1, 1, 'f'},  {19, 19, 'f'}, {0, 7, '_'},  {20, 7, '_'},
      {7, 0, '|'}, {7, 20, '|'}, {0, 0, '|'},   {20, 20, '|'}, {0, 20, '|'},
  };
  for (const Case& c : cases) {
    Grid grid;
    grid.setCell(c.row, c.column, 'f');
    EXPECT_EQ(grid.getCell(c.row, c.column), c.shown) << "(" << c.row << ", " << c.column << ")";
    expectCompleteBorder(grid);
  }
}

TEST(GridTest, NulSymbolWritesOnlyTheBorder) {
  Grid grid;
  grid.setCell(5, 5, '^');
  const Grid before = grid;
  grid.setCell(5, 5, '\0');
  grid.setCell(6, 6, '\0');
  for (std::int32_t row = 1; row < 20; ++row) {
    for (std::int32_t column = 1; column < 20; ++column) {
      EXPECT_EQ(grid.getCell(row, column), before.getCell(row, column));
    }
  }
  expectCompleteBorder(grid);
}

TEST(GridTest, BorderNeverTouchesTheInterior) {
  Grid grid;
  for (std::int32_t row = 1; row < 20; ++row) {
    for (std::int32_t column = 1; column < 20; ++column) {
      grid.setCell(row, column, static_cast<char>('A' + (row + column) % 26));
    }
  }
  const Grid before = grid;
  grid.drawBorder();
  grid.drawBorder();
  for (std::int32_t row = 0; row < kGridSize; ++row) {
    for (std::int32_t column = 0; column < kGridSize; ++column) {
      EXPECT_EQ(grid.getCell(row, column), before.getCell(row, column));
    }
  }
  expectCompleteBorder(grid);
}

TEST(GridTest, CellsOutsideTheGridAreNotWritten) {
  const std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  const std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  const std::int32_t outside[][2] = {{-1, 5}, {21, 5}, {5, -1}, {5, 21}, {kMin, kMax}, {kMax, 0}};
  for (const auto& cell : outside) {
    Grid grid;
    grid.setCell(cell[0], cell[1], 'f');
    expectCompleteBorder(grid);
    for (std::int32_t row = 1; row < 20; ++row) {
      for (std::int32_t column = 1; column < 20; ++column) {
        ASSERT_EQ(grid.getCell(row, column), ' ');
      }
    }
    EXPECT_EQ(grid.getCell(cell[0], cell[1]), '\0');
  }
}

TEST(GridTest, PrintWritesTwentyOneFramedLinesAndThePrompt) {
  Grid grid;
  grid.setCell(1, 1, '^');
  grid.setCell(19, 19, 'f');
  grid.setCell(10, 5, '!');
  const std::vector<std::string> lines = printedLines(grid);
  ASSERT_EQ(lines.size(), 22u);
  for (std::size_t i = 0; i < 21; ++i) {
    EXPECT_EQ(lines[i].size(), 63u) << "line " << i;
  }
  EXPECT_EQ(lines[0], kTopLine);
  EXPECT_EQ(lines[20], kTopLine);
  EXPECT_EQ(lines[1].substr(0, 6), " |  ^ ");
  EXPECT_EQ(lines[19].substr(57), " f  | ");
  EXPECT_EQ(lines[10][3 * 5 + 1], '!');
  EXPECT_EQ(lines[21], kPrompt);
}

TEST(GridTest, DrawingIntoACopyLeavesTheOriginal) {
  Grid original;
  original.setCell(3, 3, '^');
  Grid copy = original;
  copy.setCell(3, 3, 'f');
  copy.setCell(4, 4, 'f');
  EXPECT_EQ(original.getCell(3, 3), '^');
  EXPECT_EQ(original.getCell(4, 4), ' ');
}

}  // namespace
}  // namespace forestfire
