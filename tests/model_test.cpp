// The forest model's list of trees.  The spread step is checked frame by
// frame against the reference, through the driver suite's seed corpus.
#include <gtest/gtest.h>

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
  const Tree* tree = forest.getTail();  // the links back pass through every tree, in order
  for (int left = 400; left > 1; --left, tree = tree->getPrev()) {
    ASSERT_TRUE(tree->getPrev() != nullptr && tree->getPrev()->getNext() == tree) << left;
  }
  EXPECT_EQ(tree, forest.getHead());
}

}  // namespace
}  // namespace forestfire
