#include "model/forest.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "capture.h"

namespace forestfire {
namespace {

using Position = std::pair<std::int32_t, std::int32_t>;

// The positions of the list walked forwards, checking every backward link.
std::vector<Position> walk(const Forest& forest) {
  std::vector<Position> positions;
  const Tree* previous = nullptr;
  for (const Tree* tree = forest.getHead(); tree != nullptr; tree = tree->getNext()) {
    EXPECT_EQ(tree->getPrev(), previous);
    positions.emplace_back(*tree->getX(), *tree->getY());
    previous = tree;
  }
  EXPECT_EQ(forest.getTail(), previous);
  return positions;
}

std::vector<Position> walkBackwards(const Forest& forest) {
  std::vector<Position> positions;
  for (const Tree* tree = forest.getTail(); tree != nullptr; tree = tree->getPrev()) {
    positions.emplace(positions.begin(), *tree->getX(), *tree->getY());
  }
  return positions;
}

TEST(ForestTest, NewForestIsEmpty) {
  Forest forest(Moist);
  EXPECT_TRUE(forest.isEmpty());
  forest.removeBurnt();
  EXPECT_TRUE(forest.isEmpty());
  EXPECT_EQ(captureStdout([&] { forest.printList(); }), "List is Empty\n");
}

TEST(ForestTest, PopulateLaysTheLatticeColumnByColumn) {
  Forest forest(Dry);
  forest.populate(&forest);
  const std::vector<Position> positions = walk(forest);
  ASSERT_EQ(positions.size(), 400u);
  EXPECT_EQ(positions[0], Position(1, 1));
  EXPECT_EQ(positions[1], Position(2, 1));
  EXPECT_EQ(positions[19], Position(20, 1));
  EXPECT_EQ(positions[20], Position(1, 2));
  EXPECT_EQ(positions[189], Position(10, 10));
  EXPECT_EQ(positions[399], Position(20, 20));
  EXPECT_EQ(std::set<Position>(positions.begin(), positions.end()).size(), 400u);
  EXPECT_EQ(walkBackwards(forest), positions);

  const std::vector<std::int32_t> status = statuses(forest);
  for (std::size_t i = 0; i < status.size(); ++i) {
    EXPECT_EQ(status[i], i == 189 ? Burning : Healthy) << "tree " << i + 1;
  }
  for (const Tree* tree = forest.getHead(); tree != nullptr; tree = tree->getNext()) {
    EXPECT_FALSE(tree->isCatching());
  }
}

TEST(ForestTest, PopulateFillsTheForestItIsGiven) {
  Forest caller(Dry);
  Forest target(Damp);
  caller.populate(&target);
  EXPECT_TRUE(caller.isEmpty());
  EXPECT_EQ(walk(target).size(), 400u);
}

TEST(ForestTest, PopulateTwiceAppendsASecondLattice) {
  Forest forest(Dry);
  forest.populate(&forest);
  forest.populate(&forest);
  const std::vector<Position> positions = walk(forest);
  ASSERT_EQ(positions.size(), 800u);
  EXPECT_EQ(positions[400], Position(1, 1));
  EXPECT_EQ(walkBackwards(forest), positions);
  const std::vector<std::int32_t> status = statuses(forest);
  std::vector<std::size_t> burning;
  for (std::size_t i = 0; i < status.size(); ++i) {
    if (status[i] == Burning) {
      burning.push_back(i);
    }
  }
  EXPECT_EQ(burning, (std::vector<std::size_t>{189, 589}));
}

TEST(ForestTest, AppendToAnEmptyForestIgnoresPrev) {
  Forest elsewhere(Dry);
  elsewhere.appendFirst(9, 9);
  Forest forest(Dry);
  forest.append(3, 4, elsewhere.getHead());
  ASSERT_FALSE(forest.isEmpty());
  EXPECT_EQ(forest.getHead(), forest.getTail());
  EXPECT_EQ(forest.getHead()->getPrev(), nullptr);
  EXPECT_EQ(elsewhere.getHead()->getNext(), nullptr);
  EXPECT_EQ(listTrees(forest), (std::vector<ListedTree>{{3, 4, Healthy}}));
}

// A forest of trees (1, 1) to (n, 1) whose trees at the given indexes are Burnt.
void makeRow(Forest& forest, std::int32_t n, const std::set<std::int32_t>& burnt) {
  for (std::int32_t x = 1; x <= n; ++x) {
    forest.append(x, 1, forest.getTail());
    if (burnt.count(x - 1) != 0) {
      forest.getTail()->setStatus(Burnt);
    }
  }
}

TEST(ForestTest, RemoveBurntKeepsTheOthersInOrder) {
  struct Case {
    const char* name;
    std::set<std::int32_t> burnt;
  };
  const Case cases[] = {
      {"none", {}},
      {"head", {0}},
      {"tail", {5}},
      {"middle run", {1, 2, 3}},
      {"both ends", {0, 1, 4, 5}},
      {"alternate", {0, 2, 4}},
      {"all", {0, 1, 2, 3, 4, 5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Forest forest(Dry);
    makeRow(forest, 6, c.burnt);
    forest.removeBurnt();
    std::vector<Position> expected;
    for (std::int32_t i = 0; i < 6; ++i) {
      if (c.burnt.count(i) == 0) {
        expected.emplace_back(i + 1, 1);
      }
    }
    EXPECT_EQ(walk(forest), expected);
    EXPECT_EQ(walkBackwards(forest), expected);
    EXPECT_EQ(forest.isEmpty(), expected.empty());
    EXPECT_EQ(forest.getTail() == nullptr, expected.empty());
  }
}

TEST(ForestTest, PrintListDumpsEveryTreeBetweenMarkers) {
  Forest forest(Dry);
  makeRow(forest, 2, {1});
  EXPECT_EQ(captureStdout([&] { forest.printList(); }),
            "List Start\n"
            "Next Tree is at position X:1 Y:1 Status:0\n"
            "Next Tree is at position X:2 Y:1 Status:2\n"
            "List End\n"
            "\n");
}

TEST(ForestTest, PrintListOfAPopulatedForest) {
  Forest forest(Dry);
  forest.populate(&forest);
  const std::vector<ListedTree> trees = listTrees(forest);
  ASSERT_EQ(trees.size(), 400u);
  EXPECT_EQ(trees.front(), (ListedTree{1, 1, Healthy}));
  EXPECT_EQ(trees[1], (ListedTree{2, 1, Healthy}));
  EXPECT_EQ(trees[189], (ListedTree{10, 10, Burning}));
  EXPECT_EQ(trees.back(), (ListedTree{20, 20, Healthy}));
}

}  // namespace
}  // namespace forestfire
