#include "model/forest.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "helpers.h"

namespace forestfire {
namespace {

using Position = std::pair<int, int>;

// The list's positions walked forwards; walking backwards must give the same.
std::vector<Position> walk(const Forest& forest) {
  std::vector<Position> forwards, backwards;
  for (const Tree* tree = forest.getHead(); tree != nullptr; tree = tree->getNext()) {
    forwards.emplace_back(*tree->getX(), *tree->getY());
  }
  for (const Tree* tree = forest.getTail(); tree != nullptr; tree = tree->getPrev()) {
    backwards.emplace(backwards.begin(), *tree->getX(), *tree->getY());
  }
  EXPECT_EQ(forwards, backwards);
  return forwards;
}

TEST(ForestTest, PopulateLaysTheLatticeColumnByColumnWithTheCentreBurning) {
  Forest forest(Dry);
  forest.populate(&forest);
  forest.populate(&forest);  // a second lattice goes after the first
  const std::vector<Position> list = walk(forest);
  ASSERT_EQ(list.size(), 800u);
  EXPECT_EQ(std::set<Position>(list.begin(), list.end()).size(), 400u);
  for (std::size_t i : {0u, 400u}) {
    EXPECT_EQ(list[i], Position(1, 1));
    EXPECT_EQ(list[i + 1], Position(2, 1));
    EXPECT_EQ(list[i + 20], Position(1, 2));
    EXPECT_EQ(list[i + 189], Position(10, 10));
    EXPECT_EQ(list[i + 399], Position(20, 20));
  }
  std::vector<int> expected(800, Healthy);
  expected[189] = expected[589] = Burning;
  EXPECT_EQ(statuses(forest), expected);
}

TEST(ForestTest, RemoveBurntReleasesRunsAnywhereInTheList) {
  const std::set<int> cases[] = {
      {}, {1}, {6}, {2, 3, 4}, {1, 2, 5, 6}, {1, 3, 5}, {1, 2, 3, 4, 5, 6}};
  for (const std::set<int>& burnt : cases) {
    Forest other(Dry), forest(Dry);
    other.appendFirst(9, 9);
    forest.append(1, 1, other.getHead());  // on an empty forest, prev is ignored
    std::vector<Position> kept;
    for (int x = 1; x <= 6; ++x) {
      if (x > 1) {
        forest.append(x, 1, forest.getTail());
      }
      forest.getTail()->setStatus(burnt.count(x) != 0 ? Burnt : Burning);
      if (burnt.count(x) == 0) {
        kept.emplace_back(x, 1);
      }
    }
    forest.removeBurnt();
    EXPECT_EQ(walk(forest), kept);
    EXPECT_EQ(forest.isEmpty(), kept.empty());
    EXPECT_EQ(other.getHead()->getNext(), nullptr);
  }
}

TEST(ForestTest, PrintListShowsEachTreeOrThatThereIsNone) {
  Forest forest(Dry);
  EXPECT_EQ(linesWrittenBy([&] { forest.printList(); }), std::vector<std::string>{"List is Empty"});
  forest.appendFirst(1, 1);
  forest.append(2, 1, forest.getTail());
  for (int i = 0; i < 1000; ++i) {  // the tree keeps one status int (LeakSanitizer checks)
    forest.getTail()->setStatus(i);
  }
  EXPECT_EQ(
      linesWrittenBy([&] { forest.printList(); }),
      (std::vector<std::string>{"List Start", "Next Tree is at position X:1 Y:1 Status:0",
                                "Next Tree is at position X:2 Y:1 Status:999", "List End", ""}));
  delete new Tree(2, 2, nullptr);  // a tree that never had a status
}

}  // namespace
}  // namespace forestfire
