#include "model/tree.h"

namespace forestfire {

Tree::Tree(std::int32_t xCoordinate, std::int32_t yCoordinate, Tree* previous)
    : x(std::make_unique<std::int32_t>(xCoordinate)),
      y(std::make_unique<std::int32_t>(yCoordinate)),
      prev(previous) {}

Tree::~Tree() {
  if (next != nullptr) {
    next->setPrev(prev);
  }
  if (prev != nullptr) {
    prev->setNext(next);
  }
}

void Tree::setStatus(std::int32_t value) {
  if (status == nullptr) {
    status = std::make_unique<std::int32_t>(value);
  } else {
    *status = value;
  }
}

bool Tree::isAdjacent(const Tree* a, const Tree* b) {
  // Widened so that coordinates far apart cannot overflow the difference.
  const std::int64_t dx = std::int64_t{*b->getX()} - *a->getX();
  const std::int64_t dy = std::int64_t{*b->getY()} - *a->getY();
  return dx > -2 && dx < 2 && dy > -2 && dy < 2;
}

}  // namespace forestfire
