// The forest model: the list of trees, and the spread step, which is checked
// against a second statement of the rule over whole runs, replaying the C
// library's generator so that every roll is known.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "model/forest.h"
#include "reference.h"

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
  EXPECT_EQ(textWrittenBy([&] { forest.printList(); }), "List is Empty\n");
  forest.populate(&forest);
  forest.getTail()->setStatus(999);
  std::string expected = "List Start\n";
  for (int tree = 0; tree < 400; ++tree) {
    const int status = tree == 189 ? 1 : tree == 399 ? 999 : 0;
    expected += "Next Tree is at position X:" + std::to_string(tree % 20 + 1) +
                " Y:" + std::to_string(tree / 20 + 1) + " Status:" + std::to_string(status) + "\n";
  }
  EXPECT_EQ(textWrittenBy([&] { forest.printList(); }), expected + "List End\n\n");
}

// The status of every tree in list order, from the forest's list dump.
std::string statuses(const Forest& forest) {
  std::istringstream lines(textWrittenBy([&] { forest.printList(); }));
  std::string result;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("Next Tree", 0) == 0) {
      result += line.back();
    }
  }
  return result;
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
      std::string expected = reference::firstForest();
      std::size_t used = 0;
      for (int step = 1; step <= 60; ++step) {
        expected = reference::step(expected, threshold, [&] { return values.at(used++); });
        forest.advance();
        ASSERT_EQ(std::rand(), values[used++]) << "seed " << seed << ", step " << step;
        ASSERT_EQ(statuses(forest), expected) << "seed " << seed << ", step " << step;
      }
    }
  }
}

}  // namespace
}  // namespace forestfire
