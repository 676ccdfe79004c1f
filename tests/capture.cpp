#include "capture.h"

#include "screen.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <iostream>
#include <sstream>

namespace forestfire {

std::string captureStdout(const std::function<void()>& action) {
  std::ostringstream captured;
  std::streambuf* original = std::cout.rdbuf(captured.rdbuf());
  action();
  std::cout.rdbuf(original);
  return captured.str();
}

std::vector<std::string> splitLines(const std::string& text) {
  std::istringstream stream(text);
  std::vector<std::string> lines;
  for (std::string line; std::getline(stream, line);) {
    lines.push_back(line);
  }
  return lines;
}

std::vector<ListedTree> listTrees(const Forest& forest) {
  std::vector<ListedTree> trees;
  for (const std::string& line : splitLines(captureStdout([&] { forest.printList(); }))) {
    ListedTree tree{};
    if (std::sscanf(line.c_str(), "Next Tree is at position X:%d Y:%d Status:%d", &tree.x, &tree.y,
                    &tree.status) == 3) {
      trees.push_back(tree);
    }
  }
  return trees;
}

std::vector<std::int32_t> statuses(const Forest& forest) {
  std::vector<std::int32_t> result;
  for (const ListedTree& tree : listTrees(forest)) {
    result.push_back(tree.status);
  }
  return result;
}

Tree* treeAt(const Forest& forest, std::int32_t x, std::int32_t y) {
  for (Tree* tree = forest.getHead(); tree != nullptr; tree = tree->getNext()) {
    if (*tree->getX() == x && *tree->getY() == y) {
      return tree;
    }
  }
  ADD_FAILURE() << "no tree at (" << x << ", " << y << ")";
  return nullptr;
}

}  // namespace forestfire
