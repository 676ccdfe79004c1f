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

  // Stores `symbol` in cell (row, column) when that cell lies inside the
  // border and `symbol` is not NUL; otherwise changes nothing.  So the border
  // is complete after every call, and no cell outside the grid is written.
  // Defined here, for the frame's 400 calls to be inlined.
  void setCell(std::int32_t row, std::int32_t column, char symbol) {
    if (symbol != '\0' && isInside(row) && isInside(column)) {
      cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = symbol;
    }
  }

  // Writes the 80 border cells and leaves every other cell as it is.
  void drawBorder();

  // Writes the grid to standard output, one line per row with every cell
  // between two blanks, then the prompt line, and flushes once at the end.
  // On a terminal the prompt line has no line end: the cursor waits there.
  void print() const;

 private:
  // Whether a row or column index lies between the border's first and last.
  static bool isInside(std::int32_t index) { return index > 0 && index < kGridSize - 1; }

  std::array<std::array<char, kGridSize>, kGridSize> cells;
};

}  // namespace forestfire

#endif  // FORESTFIRE_DISPLAY_GRID_H_
