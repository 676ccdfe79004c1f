#include "model/forest.h"

#include <iostream>

namespace forestfire {

namespace {

constexpr std::int32_t kBurningX = 10;
constexpr std::int32_t kBurningY = 10;

// Every tree of the forest has a status from the moment it exists, so the
// forest's walks never meet a tree without one.
Tree* newHealthyTree(std::int32_t x, std::int32_t y, Tree* prev) {
  Tree* tree = new Tree(x, y, prev);
  tree->setStatus(Healthy);
  return tree;
}

}  // namespace

Forest::Forest(std::int32_t level) : dampness(level) {}

Forest::~Forest() {
  while (head != nullptr) {
    Tree* doomed = head;
    head = head->getNext();
    delete doomed;
  }
}

void Forest::appendFirst(std::int32_t x, std::int32_t y) {
  head = newHealthyTree(x, y, nullptr);
  tail = head;
}

void Forest::append(std::int32_t x, std::int32_t y, Tree* prev) {
  if (tail == nullptr) {
    appendFirst(x, y);
    return;
  }
  Tree* tree = newHealthyTree(x, y, prev);
  tail->setNext(tree);
  tail = tree;
}

void Forest::populate(Forest* target) {
  for (std::int32_t y = 1; y <= kForestSide; ++y) {
    for (std::int32_t x = 1; x <= kForestSide; ++x) {
      target->append(x, y, target->tail);
      const bool burning = x == kBurningX && y == kBurningY;
      target->tail->setStatus(burning ? Burning : Healthy);
    }
  }
}

void Forest::removeBurnt() {
  Tree* tree = head;
  while (tree != nullptr) {
    Tree* following = tree->getNext();
    if (statusOf(tree) == Burnt) {
      if (tree->getNext() == nullptr) {
        tail = tree->getPrev();
      }
      if (tree->getPrev() == nullptr) {
        head = tree->getNext();
      }
      delete tree;
    }
    tree = following;
  }
}

void Forest::printList() const {
  if (isEmpty()) {
    std::cout << "List is Empty" << std::endl;
    return;
  }
  std::cout << "List Start" << std::endl;
  for (const Tree* tree = head; tree != nullptr; tree = tree->getNext()) {
    std::cout << "Next Tree is at position X:" << *tree->getX() << " Y:" << *tree->getY()
              << " Status:" << statusOf(tree) << std::endl;
  }
  std::cout << "List End" << std::endl;
  std::cout << std::endl;
}

}  // namespace forestfire
