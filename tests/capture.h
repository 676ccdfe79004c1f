#ifndef FORESTFIRE_TESTS_CAPTURE_H_
#define FORESTFIRE_TESTS_CAPTURE_H_

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/forest.h"

namespace forestfire {

// Runs `action` with std::cout redirected and returns what it wrote.
std::string captureStdout(const std::function<void()>& action);

// One tree as the forest's list dump shows it.
struct ListedTree {
  std::int32_t x;
  std::int32_t y;
  std::int32_t status;
  bool operator==(const ListedTree& other) const {
    return x == other.x && y == other.y && status == other.status;
  }
};

// The trees of `forest` in list order, read from its list dump.
std::vector<ListedTree> listTrees(const Forest& forest);

// The statuses of the trees of `forest` in list order.
std::vector<std::int32_t> statuses(const Forest& forest);

// The tree of `forest` at (x, y); fails the test when there is none.
Tree* treeAt(const Forest& forest, std::int32_t x, std::int32_t y);

}  // namespace forestfire

#endif  // FORESTFIRE_TESTS_CAPTURE_H_
