// The spread step is checked by replaying the C library's generator: a test
// seeds it, draws the same values itself, and so knows every roll.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>

#include "helpers.h"

namespace forestfire {
namespace {

// The first `count` values rand() gives after srand(seed).
std::vector<int> drawsAfter(unsigned seed, std::size_t count) {
  std::srand(seed);
  std::vector<int> values(count);
  std::generate(values.begin(), values.end(), std::rand);
  return values;
}

// Runs one step with the generator `skip` values past srand(seed); returns
// how many values the step drew.
std::size_t drawsOfOneStep(Forest& forest, unsigned seed = 2026, std::size_t skip = 0) {
  const std::vector<int> values = drawsAfter(seed, skip + 2000);
  std::srand(seed);
  for (std::size_t i = 0; i < skip; ++i) {
    std::rand();
  }
  forest.advance();
  const auto following =
      std::find(values.begin() + static_cast<long>(skip), values.end(), std::rand());
  return static_cast<std::size_t>(following - values.begin()) - skip;
}

TEST(FireSpreadTest, RollSucceedsFromTheDampnessThresholdUp) {
  // {dampness, remainder of the roll, catches}; levels outside 1 to 3 behave as Dry.
  const std::array<int, 3> cases[] = {{Dry, 49, 0},  {Dry, 50, 1},  {Moist, 69, 0}, {Moist, 70, 1},
                                      {Damp, 79, 0}, {Damp, 80, 1}, {Dry, 0, 0},    {Damp, 99, 1},
                                      {0, 49, 0},    {4, 50, 1},    {-1, 50, 1}};
  for (const auto& c : cases) {
    unsigned seed = 1;
    while (drawsAfter(seed, 1)[0] % 100 != c[1]) {
      ++seed;
    }
    Forest forest(c[0]);
    forest.appendFirst(1, 1);
    forest.append(2, 1, forest.getTail());
    forest.getHead()->setStatus(Burning);
    EXPECT_EQ(drawsOfOneStep(forest, seed), 1u);
    EXPECT_EQ(statuses(forest), (std::vector<int>{Burnt, c[2] == 1 ? Burning : Healthy}))
        << "dampness " << c[0] << ", remainder " << c[1];
  }
}

TEST(FireSpreadTest, EveryBurningTreeRollsOnceForEachHealthyNeighbour) {
  Forest empty(Dry);
  EXPECT_EQ(drawsOfOneStep(empty), 0u);
  // {x, y, draws}: corners, edges, inside; the lattice does not wrap around.
  const std::array<int, 3> cases[] = {{1, 1, 3},  {20, 20, 3}, {1, 20, 3},  {1, 10, 5},
                                      {20, 7, 5}, {7, 20, 5},  {10, 10, 8}, {2, 19, 8}};
  for (const auto& c : cases) {
    Forest forest(Dry);
    forest.populate(&forest);
    treeAt(forest, 10, 10)->setStatus(Healthy);
    treeAt(forest, c[0], c[1])->setStatus(Burning);
    EXPECT_EQ(drawsOfOneStep(forest), static_cast<std::size_t>(c[2])) << c[0] << ", " << c[1];
  }
  Forest row(Dry);  // (1, 1) and (3, 1) burn: (2, 1) between them rolls twice
  for (const int x : {1, 2, 3}) {
    row.append(x, 1, row.getTail());
    row.getTail()->setStatus(x == 2 ? Healthy : Burning);
  }
  EXPECT_EQ(drawsOfOneStep(row), 2u);
}

// The spread rule stated again on a plain list of statuses, in list order,
// drawing from recorded values.
std::vector<int> referenceStep(const std::vector<int>& before, int threshold,
                               const std::vector<int>& values, std::size_t& used) {
  std::vector<int> after = before;
  for (int i = 0; i < 400; ++i) {
    if (before[static_cast<std::size_t>(i)] != Burning) {
      continue;
    }
    after[static_cast<std::size_t>(i)] = Burnt;
    for (int n = 0; n < 9; ++n) {  // the neighbours, in list order
      const int x = i % 20 + n % 3 - 1, y = i / 20 + n / 3 - 1;
      const std::size_t j = static_cast<std::size_t>(y) * 20 + static_cast<std::size_t>(x);
      if (x >= 0 && x < 20 && y >= 0 && y < 20 && before[j] == Healthy &&
          values.at(used++) % 100 >= threshold) {
        after[j] = Burning;
      }
    }
  }
  return after;
}

TEST(FireSpreadTest, WholeRunsAgreeDrawForDrawWithTheReference) {
  for (const auto& [dampness, threshold] : {std::pair{Dry, 50}, {Moist, 70}, {Damp, 80}}) {
    for (unsigned seed : {1u, 42u, 2026u, 123456789u}) {
      const std::vector<int> values = drawsAfter(seed, 20000);
      Forest forest(dampness);
      forest.populate(&forest);
      std::vector<int> expected = statuses(forest);
      std::size_t used = 0;
      for (int step = 1; step <= 60; ++step) {
        const std::size_t before = used;
        expected = referenceStep(expected, threshold, values, used);
        ASSERT_EQ(drawsOfOneStep(forest, seed, before), used - before)
            << "seed " << seed << ", step " << step;
        ASSERT_EQ(statuses(forest), expected) << "seed " << seed << ", step " << step;
        for (const Tree* tree = forest.getHead(); tree != nullptr; tree = tree->getNext()) {
          // Set while a tree burns after catching, clear otherwise; (10, 10) was never caught.
          ASSERT_EQ(
              tree->isCatching(),
              expected[static_cast<std::size_t>((*tree->getY() - 1) * 20 + *tree->getX() - 1)] ==
                  Burning);
        }
      }
    }
  }
}

}  // namespace
}  // namespace forestfire
