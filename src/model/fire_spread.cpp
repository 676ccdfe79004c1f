// The rule of the simulation: how the fire moves on by one time step.
#include <cstdlib>

#include "model/forest.h"

namespace forestfire {

namespace {

// A roll succeeds when rand() % 100 is at least this.
std::int32_t ignitionThreshold(std::int32_t dampness) {
  switch (dampness) {
    case Moist:
      return 70;
    case Damp:
      return 80;
    default:  // Dry, and any level outside the three
      return 50;
  }
}

}  // namespace

void Forest::advance() {
  // With nothing burning there is nothing to burn out or light: so it goes
  // for an empty forest, and for most key presses of a run once the fire is
  // out.
  if (markCatchingTrees()) {
    burnOutAndLight();
  }
}

// Only flags change here, so every roll of the step sees the forest as it was
// when the step began.
bool Forest::markCatchingTrees() {
  const std::int32_t threshold = ignitionThreshold(dampness);
  bool anyBurning = false;
  for (const Tree* burning = head; burning != nullptr; burning = burning->getNext()) {
    if (statusOf(burning) != Burning) {
      continue;
    }
    anyBurning = true;
    for (Tree* candidate = head; candidate != nullptr; candidate = candidate->getNext()) {
      if (!Tree::isAdjacent(candidate, burning) || statusOf(candidate) != Healthy) {
        continue;
      }
      if (std::rand() % 100 >= threshold) {
        candidate->setCatching(true);
      }
    }
  }
  return anyBurning;
}

// A burning tree is burnt out before its own flag is looked at, so a tree
// never burns out and lights in the same step.
void Forest::burnOutAndLight() {
  for (Tree* tree = head; tree != nullptr; tree = tree->getNext()) {
    if (statusOf(tree) == Burning) {
      tree->setStatus(Burnt);
      tree->setCatching(false);
    }
    if (tree->isCatching()) {
      tree->setStatus(Burning);
    }
  }
}

}  // namespace forestfire
