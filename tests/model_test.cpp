// The forest model: the list of trees, and the spread step, which is checked
// against a second statement of the rule over whole runs, replaying the C
// library's generator so that every roll is known.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "helpers.h"

namespace forestfire {
namespace {

TEST(ModelTest, RemoveBurntReleasesRunsAnywhereInTheList) {
  // {six trees in a row, burnt "-", burning "f" or healthy as made "^"; the x of those left}
  const std::pair<std::string, std::string> cases[] = {
      {"ffffff", "123456"}, {"-f^fff", "23456"}, {"f^fff-", "12345"}, {"^---ff", "156"},
      {"--f^--", "34"},     {"-f-^-f", "246"},   {"------", ""}};
  for (const auto& [trees, kept] : cases) {
    Forest other(Dry), forest(Dry);
    other.appendFirst(9, 9);
    for (int x = 1; x <= 6; ++x) {
      forest.append(x, 1, x == 1 ? other.getHead() : forest.getTail());  // no tail: prev ignored
      if (const char tree = trees[static_cast<std::size_t>(x - 1)]; tree != '^') {
        forest.getTail()->setStatus(tree == '-' ? Burnt : Burning);
      }
    }
    forest.removeBurnt();
    std::string left;  // and every link back matches the one forwards
    const Tree* previous = nullptr;
    for (const Tree* tree = forest.getHead(); tree != nullptr; tree = tree->getNext()) {
      left += std::to_string(*tree->getX());
      EXPECT_EQ(tree->getPrev(), previous);
      previous = tree;
    }
    EXPECT_EQ(forest.getTail(), previous);
    EXPECT_EQ(left, kept);
  }
}

TEST(ModelTest, PrintListShowsEachTreeOrThatThereAreNone) {
  Forest forest(Dry);
  EXPECT_EQ(linesWrittenBy([&] { forest.printList(); }), std::vector<std::string>{"List is Empty"});
  forest.populate(&forest);
  forest.getTail()->setStatus(999);
  const std::vector<std::string> lines = linesWrittenBy([&] { forest.printList(); });
  ASSERT_EQ(lines.size(), 403u);
  EXPECT_EQ(lines[0], "List Start");
  EXPECT_EQ(lines[190], "Next Tree is at position X:10 Y:10 Status:1");
  EXPECT_EQ(lines[400], "Next Tree is at position X:20 Y:20 Status:999");
  EXPECT_EQ(lines[401] + lines[402], "List End");
  delete new Tree(2, 2, nullptr);  // a tree that never had a status
}

// The status of every tree in list order, from the forest's list dump: "0"
// for a healthy tree, "1" for a burning one, "2" for a burnt one.
std::string statuses(const Forest& forest) {
  const std::vector<std::string> lines = linesWrittenBy([&] { forest.printList(); });
  std::string result;  // every line but the start and the end of the list
  std::transform(lines.begin() + 1, lines.end() - 2, std::back_inserter(result),
                 [](const std::string& line) { return line.back(); });
  return result;
}

// The rule again, on statuses in list order, drawing from `values`.
std::string referenceStep(const std::string& before, int threshold, const std::vector<int>& values,
                          std::size_t& used) {
  std::string after = before;
  for (std::size_t i = 0; i < 400; ++i) {
    if (before[i] != '1') {
      continue;
    }
    after[i] = '2';
    for (std::size_t n = 0; n < 9; ++n) {                        // the neighbours, in list order
      const std::size_t x = i % 20 + n % 3, y = i / 20 + n / 3;  // each counted from 1
      const std::size_t j = (y - 1) * 20 + x - 1;
      if (x >= 1 && x <= 20 && y >= 1 && y <= 20 && before[j] == '0' &&
          values.at(used++) % 100 >= threshold) {
        after[j] = '1';
      }
    }
  }
  return after;
}

// Every step must draw exactly the values the reference draws: the value
// rand() gives after the step is the next one the reference has not used.
TEST(ModelTest, WholeRunsAgreeDrawForDrawWithTheReference) {
  // Levels outside 1 to 3 spread fire as Dry does.
  for (const auto& [dampness, threshold] :
       {std::pair<int, int>{Dry, 50}, {Moist, 70}, {Damp, 80}, {0, 50}, {4, 50}}) {
    for (const unsigned seed : {1u, 42u, 2026u, 123456789u}) {
      std::srand(seed);
      std::vector<int> values(20000);
      std::generate(values.begin(), values.end(), std::rand);
      std::srand(seed);
      Forest forest(dampness);
      forest.populate(&forest);
      std::string expected(400, '0');
      expected[189] = '1';  // (10, 10)
      std::size_t used = 0;
      for (int step = 1; step <= 60; ++step) {
        expected = referenceStep(expected, threshold, values, used);
        forest.advance();
        ASSERT_EQ(std::rand(), values[used++]) << "seed " << seed << ", step " << step;
        ASSERT_EQ(statuses(forest), expected) << "seed " << seed << ", step " << step;
      }
    }
  }
}

}  // namespace
}  // namespace forestfire
