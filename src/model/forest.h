#ifndef FORESTFIRE_MODEL_FOREST_H_
#define FORESTFIRE_MODEL_FOREST_H_

#include <cstdint>

#include "model/tree.h"

namespace forestfire {

// How damp the forest is; the damper, the less likely a tree catches fire.
enum Dampness : std::int32_t { Dry = 1, Moist = 2, Damp = 3 };

// Trees per row and per column of the forest.
constexpr std::int32_t kForestSide = 20;

class Grid;

// The whole forest: a doubly linked list of trees in a fixed order, and the
// dampness that sets how easily the fire spreads.
//
// After populate() the list holds one tree for each (x, y) with x and y from 1
// to kForestSide, y counting slowest: (1, 1), (2, 1), ..., (20, 1), (1, 2),
// ..., (20, 20).  Every walk over the forest follows that order.
//
// The forest owns its trees and releases the remaining ones when it is
// destroyed.  It is never copied.
//
// The program builds one forest with populate() and then only advances it
// and displays it; removeBurnt() and printList() are for other callers (the
// tests among them), and the program never calls them.
class Forest {
 public:
  // An empty forest with the given dampness (a Dampness; other values spread
  // fire as Dry does).
  explicit Forest(std::int32_t level);
  ~Forest();

  Forest(const Forest&) = delete;
  Forest& operator=(const Forest&) = delete;

  // True when the list holds no tree.
  bool isEmpty() const { return head == nullptr; }

  // Creates a Healthy tree at (x, y) as the only tree of the list.  Meant for
  // an empty forest: append() calls it when there is no tail.
  void appendFirst(std::int32_t x, std::int32_t y);

  // Creates a Healthy tree at (x, y) after the tail.  The caller passes the
  // current tail as `prev`; on an empty forest `prev` is ignored and the new
  // tree starts the list.
  void append(std::int32_t x, std::int32_t y, Tree* prev);

  // Appends the 400 trees of the lattice to `target`, in list order, after
  // whatever it already holds: (10, 10) Burning, every other tree Healthy.
  void populate(Forest* target);

  // One time step of the fire.  Every Healthy tree rolls once for each
  // Burning neighbour, with std::rand(); then every Burning tree burns out and
  // every tree that won a roll starts burning.  The rolls are drawn in list
  // order of the burning trees and, within each, of their healthy neighbours.
  // An empty forest, or one with nothing burning, draws nothing.
  void advance();

  // Draws the forest into `grid` (a copy of the caller's), clears the console
  // and prints one frame headed with `timeStep`, flushed once when whole.  An
  // empty forest prints only "List is Empty".  Defined with the display, in
  // src/display/frame.cpp.
  void display(Grid grid, std::int32_t timeStep) const;

  // Removes and releases every Burnt tree, keeping the others in order.
  void removeBurnt();

  // Writes the list to standard output, one line per tree with its
  // coordinates and status value, between "List Start" and "List End".
  void printList() const;

  Tree* getHead() const { return head; }
  Tree* getTail() const { return tail; }

 private:
  // Every tree in the list has a status: the forest gives one to each tree
  // it creates, so this never reads a missing one.
  static std::int32_t statusOf(const Tree* tree) { return *tree->status; }

  // Marks the trees that catch fire in this step; false when nothing burns,
  // and with it nothing can change.
  bool markCatchingTrees();
  // Burns out the burning trees and lights the marked ones.
  void burnOutAndLight();

  Tree* head = nullptr;
  Tree* tail = nullptr;
  std::int32_t dampness;
};

}  // namespace forestfire

#endif  // FORESTFIRE_MODEL_FOREST_H_
