#include "display/grid.h"

#include <iostream>

#include "console/console.h"

namespace forestfire {

namespace {

constexpr std::size_t kLineSize = 3 * kGridSize + 1;  // every cell between blanks, a line end

using GridText = std::array<char, kGridSize * kLineSize>;

// The printed grid with every cell left blank.
constexpr GridText blankGridText() {
  GridText text{};
  for (std::size_t at = 0; at < text.size(); ++at) {
    text[at] = at % kLineSize == kLineSize - 1 ? '\n' : ' ';
  }
  return text;
}

constexpr GridText kBlankGridText = blankGridText();

}  // namespace

Grid::Grid() {
  for (auto& row : cells) {
    row.fill(' ');
  }
  drawBorder();
}

// The columns go last, so that the corners show "|".
void Grid::drawBorder() {
  cells.front().fill('_');
  cells.back().fill('_');
  for (std::size_t row = 0; row < kGridSize; ++row) {
    cells[row][0] = '|';
    cells[row][kGridSize - 1] = '|';
  }
}

// The bytes are those of inserting a blank, the cell and a blank for every
// cell and a line end for every row; they go into the stream in one piece.
void Grid::print() const {
  GridText text = kBlankGridText;
  for (std::size_t row = 0; row < kGridSize; ++row) {
    for (std::size_t column = 0; column < kGridSize; ++column) {
      text[row * kLineSize + 3 * column + 1] = cells[row][column];
    }
  }
  std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
  std::cout << "Press enter to advance the time step, or press q to exit";
  // On a terminal, with the cursor at the prompt's end, the whole frame fits
  // on a screen of as many rows as it has lines.
  console::endPrompt();
  std::cout.flush();
}

}  // namespace forestfire
