#ifndef FORESTFIRE_DISPLAY_GRID_H_
#define FORESTFIRE_DISPLAY_GRID_H_

#include <array>
#include <cstdint>

namespace forestfire {

// Rows and columns of the grid.
constexpr std::int32_t kGridSize = 21;

// The character canvas of one console frame: kGridSize by kGridSize cells,
// framed by "|" in the first and last column and "_" in the first and last
// row between them.  Cell (row, column) is printed on line `row`, `column`
// counting from the left.
//
// A plain value: copying a grid copies its cells.
class Grid {
 public:
  // The border drawn, every other cell blank.
  Grid();

  // Stores `symbol` in cell (row, column), unless it is NUL.  The border is
  // complete after every call: a symbol written on a border cell does not
  // stay there.  A cell outside the grid is not written.
  void setCell(std::int32_t row, std::int32_t column, char symbol);

  // Writes the 80 border cells and leaves every other cell as it is.
  void drawBorder();

  // Writes the grid to standard output, one line per row with every cell
  // between two blanks, then the prompt line; flushes after every line.
  void print() const;

  // The character in cell (row, column), or NUL outside the grid.
  char getCell(std::int32_t row, std::int32_t column) const;

 private:
  std::array<std::array<char, kGridSize>, kGridSize> cells;
};

}  // namespace forestfire

#endif  // FORESTFIRE_DISPLAY_GRID_H_
