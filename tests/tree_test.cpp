#include "model/tree.h"

#include <gtest/gtest.h>

#include <memory>

#include "capture.h"
#include "model/forest.h"

namespace forestfire {
namespace {

TEST(TreeTest, NewTreeHoldsItsPositionAndLinksBackOnly) {
  Tree before(1, 1, nullptr);
  Tree tree(3, 7, &before);
  EXPECT_EQ(*tree.getX(), 3);
  EXPECT_EQ(*tree.getY(), 7);
  EXPECT_EQ(tree.getPrev(), &before);
  EXPECT_EQ(tree.getNext(), nullptr);
  EXPECT_FALSE(tree.isCatching());
  EXPECT_EQ(before.getNext(), nullptr) << "the previous tree is linked by the forest";
}

TEST(TreeTest, StatusTakesTheLastValueSet) {
  Forest forest(Dry);
  forest.appendFirst(4, 5);
  Tree* tree = forest.getHead();
  tree->setStatus(Burning);
  tree->setStatus(Burnt);
  EXPECT_EQ(statuses(forest), std::vector<std::int32_t>{Burnt});
  // A thousand more: the tree still holds one int (LeakSanitizer checks).
  for (std::int32_t i = 0; i < 1000; ++i) {
    tree->setStatus(i);
  }
  EXPECT_EQ(statuses(forest), std::vector<std::int32_t>{999});
}

TEST(TreeTest, TreeWithoutStatusIsDestroyedCleanly) {
  auto tree = std::make_unique<Tree>(2, 2, nullptr);
  tree.reset();  // LeakSanitizer and ASan check the release
}

// Three trees a <-> b <-> c, linked as the forest links them.
struct Chain {
  Tree* a = new Tree(1, 1, nullptr);
  Tree* b = new Tree(2, 1, a);
  Tree* c = new Tree(3, 1, b);
  Chain() {
    a->setNext(b);
    b->setNext(c);
  }
};

TEST(TreeTest, DestroyingAMiddleTreeLinksItsNeighbours) {
  Chain chain;
  delete chain.b;
  EXPECT_EQ(chain.a->getNext(), chain.c);
  EXPECT_EQ(chain.c->getPrev(), chain.a);
  delete chain.a;
  delete chain.c;
}

TEST(TreeTest, DestroyingAnEndTreeLeavesTheNewEndOpen) {
  Chain chain;
  delete chain.a;
  EXPECT_EQ(chain.b->getPrev(), nullptr);
  EXPECT_EQ(chain.b->getNext(), chain.c);
  delete chain.c;
  EXPECT_EQ(chain.b->getNext(), nullptr);
  EXPECT_EQ(chain.b->getPrev(), nullptr);
  delete chain.b;  // alone now: touches no other tree
}

TEST(TreeTest, AdjacencyIsTheEightNeighboursAndItself) {
  struct Case {
    std::int32_t ax, ay, bx, by;
    bool adjacent;
  };
  const Case cases[] = {
      {5, 5, 5, 5, true},   {5, 5, 6, 4, true},    {5, 5, 4, 6, true},   {5, 5, 6, 6, true},
      {5, 5, 7, 5, false},  {5, 5, 5, 3, false},   {5, 5, 7, 7, false},  {1, 7, 20, 7, false},
      {7, 1, 7, 20, false}, {1, 1, 20, 20, false}, {20, 20, 19, 19, true},
  };
  for (const Case& c : cases) {
    const Tree a(c.ax, c.ay, nullptr);
    const Tree b(c.bx, c.by, nullptr);
    EXPECT_EQ(Tree::isAdjacent(&a, &b), c.adjacent)
        << "(" << c.ax << ", " << c.ay << ") and (" << c.bx << ", " << c.by << ")";
    EXPECT_EQ(Tree::isAdjacent(&b, &a), c.adjacent) << "the test is symmetric";
  }
}

}  // namespace
}  // namespace forestfire
