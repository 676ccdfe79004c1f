#ifndef FORESTFIRE_TESTS_HELPERS_H_
#define FORESTFIRE_TESTS_HELPERS_H_

#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "model/forest.h"

namespace forestfire {

// The 24 lines of the first frame of every run.
inline std::vector<std::string> firstFrame() {
  const std::string border = " |  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  | ";
  std::vector<std::string> lines = {"Current time step: 1", std::string(33, '_'), border};
  lines.insert(lines.end(), 19, " |  ^  ^  ^  ^  ^  ^  ^  ^  ^  ^  ^  ^  ^  ^  ^  ^  ^  ^  ^  | ");
  lines[12][31] = 'f';
  lines.insert(lines.end(), {border, "Press enter to advance the time step, or press q to exit"});
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
template <typename Action>
std::vector<std::string> linesWrittenBy(const Action& action) {
  std::ostringstream captured;
  std::streambuf* original = std::cout.rdbuf(captured.rdbuf());
  action();
  std::cout.rdbuf(original);
  return splitLines(captured.str());
}

}  // namespace forestfire

#endif  // FORESTFIRE_TESTS_HELPERS_H_
