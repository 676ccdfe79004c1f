#ifndef FORESTFIRE_MODEL_TREE_H_
#define FORESTFIRE_MODEL_TREE_H_

#include <cstdint>
#include <memory>

namespace forestfire {

// The state of a tree.  A tree stores its status as a plain int, so it can
// hold other values too; the display shows any other value as "!".
enum TreeStatus : std::int32_t { Healthy = 0, Burning = 1, Burnt = 2 };

// One position of the forest lattice and, at the same time, one node of the
// forest's doubly linked list.
//
// A tree owns the three ints that hold its status and its coordinates.  It
// does not own its neighbours in the list: the forest does.  Trees live on
// the heap, are handled through pointers only, and are never copied.
//
// The status has no read accessor: only the forest's own operations read it.
class Tree {
 public:
  // A tree at (xCoordinate, yCoordinate) whose previous node is `previous`
  // (which may be null).  The new tree has no status yet, is not catching and
  // has no next node.  `previous` itself is not changed: whoever links the
  // tree into a list sets the forward link.
  Tree(std::int32_t xCoordinate, std::int32_t yCoordinate, Tree* previous);

  // Links the previous and the next node to each other, then releases the
  // coordinate ints and the status int.  The owner of the list moves its own
  // first and last pointers before destroying an end node.
  ~Tree();

  Tree(const Tree&) = delete;
  Tree& operator=(const Tree&) = delete;

  // Makes `value` (normally a TreeStatus) the tree's status.  The tree holds a
  // single status int however often this is called.
  void setStatus(std::int32_t value);

  // The tree's own coordinate ints: x selects the grid row, y the column.
  // Read through them; never write through them or release them.
  const std::int32_t* getX() const { return x.get(); }
  const std::int32_t* getY() const { return y.get(); }

  // Whether the tree is marked to catch fire at the end of the current step.
  bool isCatching() const { return catching; }
  void setCatching(bool value) { catching = value; }

  Tree* getPrev() const { return prev; }
  void setPrev(Tree* tree) { prev = tree; }
  Tree* getNext() const { return next; }
  void setNext(Tree* tree) { next = tree; }

  // True when a and b are at most one position apart in each coordinate: the
  // eight lattice neighbours, and a tree with itself.  The lattice does not
  // wrap around.  Reads only a and b.
  static bool isAdjacent(const Tree* a, const Tree* b);

 private:
  friend class Forest;  // reads `status` directly; changes it via setStatus

  std::unique_ptr<std::int32_t> status;  // null until the first setStatus
  std::unique_ptr<std::int32_t> x;
  std::unique_ptr<std::int32_t> y;
  bool catching = false;
  Tree* prev;            // not owned
  Tree* next = nullptr;  // not owned
};

}  // namespace forestfire

#endif  // FORESTFIRE_MODEL_TREE_H_
