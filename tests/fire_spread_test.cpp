// The spread step is checked by replaying the C library's generator: the
// tests seed it, draw the same values themselves, and so know every roll.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <functional>
#include <vector>

#include "capture.h"
#include "model/forest.h"

namespace forestfire {
namespace {

constexpr unsigned kNoSeed = 0;

// The first `count` values rand() gives after srand(seed).
std::vector<int> drawsAfter(unsigned seed, std::size_t count) {
  std::srand(seed);
  std::vector<int> values(count);
  for (int& value : values) {
    value = std::rand();
  }
  return values;
}

// The first seed whose first remainders (rand() % 100) satisfy `wanted`.
unsigned findSeed(std::size_t count, const std::function<bool(const std::vector<int>&)>& wanted) {
  for (unsigned seed = 1; seed < 1000000; ++seed) {
    std::vector<int> remainders = drawsAfter(seed, count);
    for (int& value : remainders) {
      value %= 100;
    }
    if (wanted(remainders)) {
      return seed;
    }
  }
  ADD_FAILURE() << "no seed found";
  return kNoSeed;
}

unsigned seedWithFirstRemainder(int remainder) {
  return findSeed(1, [&](const std::vector<int>& r) { return r[0] == remainder; });
}

// How many values `action` draws from the generator.
std::size_t drawsMadeBy(const std::function<void()>& action) {
  constexpr unsigned kSeed = 2026;
  std::srand(kSeed);
  action();
  const int following = std::rand();
  const std::vector<int> values = drawsAfter(kSeed, 10000);
  for (std::size_t n = 0; n < values.size(); ++n) {
    if (values[n] == following) {
      return n;
    }
  }
  ADD_FAILURE() << "more draws than the test looks through";
  return values.size();
}

std::int32_t thresholdOf(std::int32_t dampness) {
  return dampness == Moist ? 70 : dampness == Damp ? 80 : 50;
}

// A populated forest in which only the tree at (x, y) burns.
void lightOnly(Forest& forest, std::int32_t x, std::int32_t y) {
  forest.populate(&forest);
  treeAt(forest, 10, 10)->setStatus(Healthy);
  treeAt(forest, x, y)->setStatus(Burning);
}

TEST(FireSpreadTest, NothingToDrawForAnEmptyForest) {
  Forest forest(Dry);
  EXPECT_EQ(drawsMadeBy([&] { forest.advance(); }), 0u);
  EXPECT_TRUE(forest.isEmpty());
}

TEST(FireSpreadTest, AForestAtRestStaysAsItIs) {
  Forest forest(Dry);
  forest.populate(&forest);
  treeAt(forest, 10, 10)->setStatus(Burnt);
  treeAt(forest, 1, 1)->setStatus(Burnt);
  const std::vector<std::int32_t> before = statuses(forest);
  EXPECT_EQ(drawsMadeBy([&] { forest.advance(); }), 0u);
  EXPECT_EQ(statuses(forest), before);
  for (const Tree* tree = forest.getHead(); tree != nullptr; tree = tree->getNext()) {
    EXPECT_FALSE(tree->isCatching());
  }
}

TEST(FireSpreadTest, EachBurningTreeRollsForItsHealthyNeighbours) {
  struct Case {
    std::int32_t x, y;
    std::size_t draws;
  };
  const Case cases[] = {
      {1, 1, 3},  {20, 1, 3},  {1, 20, 3}, {20, 20, 3},  // corners
      {1, 10, 5}, {20, 10, 5}, {7, 1, 5},  {7, 20, 5},   // edges
      {10, 10, 8}, {2, 2, 8},  {19, 19, 8},              // inside
  };
  for (const Case& c : cases) {
    Forest forest(Dry);
    lightOnly(forest, c.x, c.y);
    EXPECT_EQ(drawsMadeBy([&] { forest.advance(); }), c.draws) << "(" << c.x << ", " << c.y << ")";
  }
}

TEST(FireSpreadTest, FirstStepRollsForTheCentreNeighboursInListOrder) {
  const std::array<std::array<std::int32_t, 2>, 8> neighbours = {
      {{9, 9}, {10, 9}, {11, 9}, {9, 10}, {11, 10}, {9, 11}, {10, 11}, {11, 11}}};
  for (std::int32_t dampness : {Dry, Moist, Damp}) {
    for (unsigned seed : {1u, 7u, 99u, 31337u}) {
      SCOPED_TRACE(testing::Message() << "dampness " << dampness << ", seed " << seed);
      const std::vector<int> values = drawsAfter(seed, 9);
      Forest forest(dampness);
      forest.populate(&forest);
      std::srand(seed);
      forest.advance();
      const int following = std::rand();
      EXPECT_EQ(following, values[8]) << "exactly eight draws";
      EXPECT_EQ(statuses(forest)[189], Burnt);
      for (std::size_t i = 0; i < neighbours.size(); ++i) {
        const bool caught = values[i] % 100 >= thresholdOf(dampness);
        Tree* tree = treeAt(forest, neighbours[i][0], neighbours[i][1]);
        EXPECT_EQ(tree->isCatching(), caught) << "neighbour " << i;
        const std::int32_t index = (*tree->getY() - 1) * kForestSide + *tree->getX() - 1;
        EXPECT_EQ(statuses(forest)[static_cast<std::size_t>(index)], caught ? Burning : Healthy);
      }
    }
  }
}

// A forest of two trees side by side: (1, 1) burning, (2, 1) healthy.
std::int32_t statusOfNeighbourAfterOneRoll(std::int32_t dampness, int remainder) {
  Forest forest(dampness);
  forest.append(1, 1, nullptr);
  forest.append(2, 1, forest.getTail());
  forest.getHead()->setStatus(Burning);
  std::srand(seedWithFirstRemainder(remainder));
  forest.advance();
  return statuses(forest)[1];
}

TEST(FireSpreadTest, RollSucceedsFromTheDampnessThresholdUp) {
  struct Case {
    std::int32_t dampness;
    int remainder;
    bool catches;
  };
  const Case cases[] = {
      {Dry, 49, false},   {Dry, 50, true},   {Moist, 69, false}, {Moist, 70, true},
      {Damp, 79, false},  {Damp, 80, true},  {Dry, 0, false},    {Moist, 0, false},
      {Damp, 0, false},   {Dry, 99, true},   {Moist, 99, true},  {Damp, 99, true},
      {0, 49, false},     {0, 50, true},     {4, 49, false},     {4, 50, true},
      {-1, 50, true},     {100, 49, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(statusOfNeighbourAfterOneRoll(c.dampness, c.remainder), c.catches ? Burning : Healthy)
        << "dampness " << c.dampness << ", remainder " << c.remainder;
  }
}

TEST(FireSpreadTest, SharedNeighbourRollsOnceForEachBurningTree) {
  // (1, 1) and (3, 1) burn; (2, 1) rolls first for (1, 1), then for (3, 1).
  struct Case {
    bool first, second;
  };
  for (const Case& c : {Case{false, false}, Case{false, true}, Case{true, false}, Case{true, true}}) {
    const unsigned seed = findSeed(2, [&](const std::vector<int>& r) {
      return (r[0] >= 80) == c.first && (r[1] >= 80) == c.second;
    });
    const std::vector<int> values = drawsAfter(seed, 3);
    Forest forest(Damp);
    for (std::int32_t x = 1; x <= 3; ++x) {
      forest.append(x, 1, forest.getTail());
    }
    forest.getHead()->setStatus(Burning);
    forest.getTail()->setStatus(Burning);
    std::srand(seed);
    forest.advance();
    const int following = std::rand();
    EXPECT_EQ(following, values[2]) << "two draws";
    EXPECT_EQ(statuses(forest),
              (std::vector<std::int32_t>{Burnt, c.first || c.second ? Burning : Healthy, Burnt}))
        << "rolls " << c.first << ", " << c.second;
  }
}

TEST(FireSpreadTest, TreeLitInAStepSpreadsFromTheNextStepOn) {
  // A row (1, 1) .. (3, 1), the first burning; every roll succeeds.
  Forest forest(Dry);
  for (std::int32_t x = 1; x <= 3; ++x) {
    forest.append(x, 1, forest.getTail());
  }
  forest.getHead()->setStatus(Burning);
  const unsigned seed = findSeed(2, [](const std::vector<int>& r) { return r[0] >= 50 && r[1] >= 50; });
  const std::vector<int> values = drawsAfter(seed, 2);

  std::srand(seed);
  forest.advance();
  const int following = std::rand();
  EXPECT_EQ(following, values[1]) << "only (2, 1) rolled";
  EXPECT_EQ(statuses(forest), (std::vector<std::int32_t>{Burnt, Burning, Healthy}));
  EXPECT_FALSE(treeAt(forest, 1, 1)->isCatching());
  EXPECT_TRUE(treeAt(forest, 2, 1)->isCatching()) << "the mark stays while the tree burns";

  std::srand(seed);
  forest.advance();
  EXPECT_EQ(statuses(forest), (std::vector<std::int32_t>{Burnt, Burnt, Burning}));
  EXPECT_FALSE(treeAt(forest, 2, 1)->isCatching());

  forest.advance();
  EXPECT_EQ(statuses(forest), (std::vector<std::int32_t>{Burnt, Burnt, Burnt}));
  EXPECT_EQ(drawsMadeBy([&] { forest.advance(); }), 0u);
}

// The spread rule stated again, independently, on a plain lattice; it takes
// its random values from a recorded sequence.
class ReferenceForest {
 public:
  explicit ReferenceForest(std::int32_t dampness) : threshold(thresholdOf(dampness)) {
    status.fill(Healthy);
    status[at(10, 10)] = Burning;
  }

  void step(const std::vector<int>& values, std::size_t& used) {
    Lattice<bool> catches{};
    forEachPosition([&](std::int32_t x, std::int32_t y) {
      if (status[at(x, y)] != Burning) {
        return;
      }
      for (std::int32_t ny = y - 1; ny <= y + 1; ++ny) {
        for (std::int32_t nx = x - 1; nx <= x + 1; ++nx) {
          if (onLattice(nx, ny) && status[at(nx, ny)] == Healthy &&
              values.at(used++) % 100 >= threshold) {
            catches[at(nx, ny)] = true;
          }
        }
      }
    });
    forEachPosition([&](std::int32_t x, std::int32_t y) {
      std::int32_t& tree = status[at(x, y)];
      if (tree == Burning) {
        tree = Burnt;
      } else if (catches[at(x, y)]) {
        tree = Burning;
      }
    });
  }

  std::vector<std::int32_t> inListOrder() const {
    std::vector<std::int32_t> result;
    forEachPosition([&](std::int32_t x, std::int32_t y) { result.push_back(status[at(x, y)]); });
    return result;
  }

 private:
  template <typename T>
  using Lattice = std::array<T, kForestSide * kForestSide>;

  static std::size_t at(std::int32_t x, std::int32_t y) {
    return static_cast<std::size_t>((y - 1) * kForestSide + (x - 1));
  }
  static bool onLattice(std::int32_t x, std::int32_t y) {
    return x >= 1 && x <= kForestSide && y >= 1 && y <= kForestSide;
  }
  template <typename F>
  static void forEachPosition(F visit) {
    for (std::int32_t y = 1; y <= kForestSide; ++y) {
      for (std::int32_t x = 1; x <= kForestSide; ++x) {
        visit(x, y);
      }
    }
  }

  std::int32_t threshold;
  Lattice<std::int32_t> status{};
};

TEST(FireSpreadTest, WholeRunsAgreeDrawForDrawWithTheReference) {
  for (std::int32_t dampness : {Dry, Moist, Damp}) {
    for (unsigned seed : {1u, 42u, 2026u, 123456789u}) {
      SCOPED_TRACE(testing::Message() << "dampness " << dampness << ", seed " << seed);
      const std::vector<int> values = drawsAfter(seed, 20000);
      ReferenceForest reference(dampness);
      Forest forest(dampness);
      forest.populate(&forest);
      std::size_t used = 0;
      std::srand(seed);
      for (int step = 1; step <= 60; ++step) {
        forest.advance();
        reference.step(values, used);
        ASSERT_EQ(statuses(forest), reference.inListOrder()) << "step " << step;
        const int following = std::rand();
        ASSERT_EQ(following, values[used]) << "draws up to step " << step;
        std::srand(seed);  // take back the check's own draw
        for (std::size_t i = 0; i < used; ++i) {
          std::rand();
        }
      }
    }
  }
}

}  // namespace
}  // namespace forestfire
