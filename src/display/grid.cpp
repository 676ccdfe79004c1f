#include "display/grid.h"

#include <iostream>

namespace forestfire {

namespace {

constexpr std::size_t kLast = kGridSize - 1;

bool inGrid(std::int32_t row, std::int32_t column) {
  return row >= 0 && row < kGridSize && column >= 0 && column < kGridSize;
}

// What the border shows at (row, column), or NUL inside the border.
char borderAt(std::size_t row, std::size_t column) {
  if (column == 0 || column == kLast) {
    return '|';
  }
  if (row == 0 || row == kLast) {
    return '_';
  }
  return '\0';
}

}  // namespace

Grid::Grid() {
  for (auto& row : cells) {
    row.fill(' ');
  }
  drawBorder();
}

// The border is complete from construction on, and only a symbol that lands
// on it can break it: putting that one cell back keeps the whole border drawn
// without redrawing its 80 cells for every tree of every frame.
void Grid::setCell(std::int32_t row, std::int32_t column, char symbol) {
  if (symbol == '\0' || !inGrid(row, column)) {
    return;
  }
  const auto r = static_cast<std::size_t>(row);
  const auto c = static_cast<std::size_t>(column);
  const char border = borderAt(r, c);
  cells[r][c] = border != '\0' ? border : symbol;
}

void Grid::drawBorder() {
  for (std::size_t row = 0; row < kGridSize; ++row) {
    for (std::size_t column = 0; column < kGridSize; ++column) {
      const char border = borderAt(row, column);
      if (border != '\0') {
        cells[row][column] = border;
      }
    }
  }
}

// Each line goes out in one write; the bytes are those of inserting a blank,
// the cell and a blank for every cell, then a flushing line end.
void Grid::print() const {
  std::array<char, 3 * kGridSize + 1> line{};
  for (const auto& row : cells) {
    std::size_t end = 0;
    for (char cell : row) {
      line[end++] = ' ';
      line[end++] = cell;
      line[end++] = ' ';
    }
    line[end++] = '\n';
    std::cout.write(line.data(), static_cast<std::streamsize>(end));
    std::cout.flush();
  }
  std::cout << "Press enter to advance the time step, or press q to exit" << std::endl;
}

char Grid::getCell(std::int32_t row, std::int32_t column) const {
  if (!inGrid(row, column)) {
    return '\0';
  }
  return cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

}  // namespace forestfire
