// How the forest is shown: one frame per time step.
#include <iostream>

#include "console/console.h"
#include "display/grid.h"
#include "model/forest.h"

namespace forestfire {

namespace {

char symbolFor(std::int32_t status) {
  switch (status) {
    case Healthy:
      return '^';
    case Burning:
      return 'f';
    case Burnt:
      return ' ';
    default:
      return '!';
  }
}

}  // namespace

// The trees on row or column kForestSide fall on the grid's border, where
// setCell stores nothing: the screen shows the 19 by 19 trees inside.
void Forest::display(Grid grid, std::int32_t timeStep) const {
  if (isEmpty()) {
    std::cout << "List is Empty" << std::endl;
    return;
  }
  for (const Tree* tree = head; tree != nullptr; tree = tree->getNext()) {
    grid.setCell(*tree->getX(), *tree->getY(), symbolFor(statusOf(tree)));
  }
  console::clear();
  std::cout << "Current time step: " << timeStep << '\n';
  std::cout << "_________________________________\n";
  grid.print();
}

}  // namespace forestfire
