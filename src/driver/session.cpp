#include "driver/session.h"

#include <cctype>
#include <cstdlib>
#include <iostream>
#include <limits>
#include <memory>

#include "display/grid.h"
#include "model/forest.h"

namespace forestfire {

namespace {

// One character of input, the line end included; false at end of input.
bool readCharacter(char& character) {
  return static_cast<bool>(std::cin.get(character));
}

void printMenu() {
  std::cout << "1) Dry" << std::endl;
  std::cout << "2) Moist" << std::endl;
  std::cout << "3) Damp" << std::endl;
  std::cout << "Please input a dampness level" << std::endl;
}

}  // namespace

int runForestFire(std::uint32_t seed) {
  std::srand(seed);
  printMenu();
  const std::optional<std::int32_t> dampness = askForDampness();
  if (!dampness) {
    std::cerr << "forestfire: input ended before a dampness level was chosen" << std::endl;
    return 1;
  }
  const auto forest = std::make_unique<Forest>(*dampness);
  forest->populate(forest.get());
  playUntilQuit(*forest);
  return 0;
}

// A digit outside 1 to 3 is kept without a word and the prompt goes on; only
// the reminder for a non-digit is printed.
std::optional<std::int32_t> askForDampness() {
  std::int32_t chosen = 0;
  bool asking = true;
  while (asking) {
    char character = 0;
    if (!readCharacter(character)) {
      return std::nullopt;
    }
    if (std::isdigit(static_cast<unsigned char>(character)) != 0) {
      chosen = character - '0';
    } else {
      std::cout << "Please input a number between 1 and 3" << std::endl;
    }
    asking = chosen < Dry || chosen > Damp;
  }
  return chosen;
}

void playUntilQuit(Forest& forest) {
  const Grid grid;
  std::int32_t timeStep = 1;
  forest.display(grid, timeStep);
  bool quit = false;
  while (!quit) {
    char character = 0;
    if (!readCharacter(character)) {
      return;
    }
    quit = character == 'q';
    forest.advance();
    timeStep = nextTimeStep(timeStep);
    forest.display(grid, timeStep);
  }
}

std::int32_t nextTimeStep(std::int32_t timeStep) {
  return timeStep < std::numeric_limits<std::int32_t>::max() ? timeStep + 1 : timeStep;
}

}  // namespace forestfire
