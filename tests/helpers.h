#ifndef FORESTFIRE_TESTS_HELPERS_H_
#define FORESTFIRE_TESTS_HELPERS_H_

#include <functional>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "model/forest.h"

namespace forestfire {

constexpr char kTopLine[] = " |  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  | ";
constexpr char kPrompt[] = "Press enter to advance the time step, or press q to exit";

// The 24 lines of the first frame of every run.
inline std::vector<std::string> firstFrame() {
  std::vector<std::string> lines = {"Current time step: 1", std::string(33, '_'), kTopLine};
  lines.insert(lines.end(), 19, " |  ^  ^  ^  ^  ^  ^  ^  ^  ^  ^  ^  ^  ^  ^  ^  ^  ^  ^  ^  | ");
  lines[12][31] = 'f';
  lines.insert(lines.end(), {kTopLine, kPrompt});
  return lines;
}

// `text` cut into lines, without their line ends.
inline std::vector<std::string> splitLines(const std::string& text) {
  std::istringstream stream(text);
  std::vector<std::string> lines;
  for (std::string line; std::getline(stream, line);) {
    lines.push_back(line);
  }
  return lines;
}

// Runs `action` with std::cout redirected; returns the lines it wrote.
inline std::vector<std::string> linesWrittenBy(const std::function<void()>& action) {
  std::ostringstream captured;
  std::streambuf* original = std::cout.rdbuf(captured.rdbuf());
  action();
  std::cout.rdbuf(original);
  return splitLines(captured.str());
}

inline Tree* treeAt(const Forest& forest, int x, int y) {
  Tree* tree = forest.getHead();
  while (tree != nullptr && (*tree->getX() != x || *tree->getY() != y)) {
    tree = tree->getNext();
  }
  return tree;
}

}  // namespace forestfire

#endif  // FORESTFIRE_TESTS_HELPERS_H_
