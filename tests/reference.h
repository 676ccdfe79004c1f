// What the program must do, stated a second time and apart from its code:
// for the bytes it reads and the seed it is given, every byte it must write
// to standard output, the line it must write to standard error and the exit
// status it must end with.  The tests and the fuzz target compare the program
// with this, byte for byte, and capture what it writes with textWrittenBy().
#ifndef FORESTFIRE_TESTS_REFERENCE_H_
#define FORESTFIRE_TESTS_REFERENCE_H_

#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

namespace forestfire {

// Runs `action` with std::cout redirected; returns what it wrote.
template <typename Action>
std::string textWrittenBy(const Action& action) {
  std::ostringstream captured;
  std::streambuf* original = std::cout.rdbuf(captured.rdbuf());
  action();
  std::cout.rdbuf(original);
  return captured.str();
}

namespace reference {

// A forest is its statuses in list order, one character a tree, the tree
// (x, y) at (y - 1) * 20 + x - 1: '0' healthy, '1' burning, '2' burnt; any
// other character stands for a status the screen shows as "!".
inline std::string firstForest() {
  std::string forest(400, '0');
  forest[189] = '1';  // (10, 10)
  return forest;
}

// One step of the fire on `before`, each roll drawn with `draw()`: the burning
// trees in list order and, for each, its healthy neighbours in list order.
template <typename Draw>
std::string step(const std::string& before, int threshold, Draw&& draw) {
  std::string after = before;
  for (int tree = 0; tree < 400; ++tree) {
    if (before[static_cast<std::size_t>(tree)] != '1') {
      continue;
    }
    after[static_cast<std::size_t>(tree)] = '2';
    const int x = tree % 20 + 1, y = tree / 20 + 1;
    for (int ny = y - 1; ny <= y + 1; ++ny) {
      for (int nx = x - 1; nx <= x + 1; ++nx) {
        const auto other = static_cast<std::size_t>((ny - 1) * 20 + nx - 1);
        if (nx >= 1 && nx <= 20 && ny >= 1 && ny <= 20 && before[other] == '0' &&
            draw() % 100 >= threshold) {
          after[other] = '1';
        }
      }
    }
  }
  return after;
}

// The frame of `forest` under the header of `timeStep`, ending with its
// prompt line and, unless it goes to a terminal, that line's end.  Only the
// trees with x and y from 1 to 19 show: x is the row, y the column.
inline std::string frame(const std::string& forest, long timeStep, bool terminal = false) {
  std::string text = std::string(terminal ? "\x1b[H\x1b[2J\x1b[3J" : "") +
                     "Current time step: " + std::to_string(timeStep) + "\n" +
                     std::string(33, '_') + "\n";
  for (int row = 0; row <= 20; ++row) {
    for (int column = 0; column <= 20; ++column) {
      const bool border = row % 20 == 0 || column % 20 == 0;
      const auto status =
          border ? 0 : forest[static_cast<std::size_t>((column - 1) * 20 + row - 1)] - '0';
      const char tree = status >= 0 && status < 3 ? "^f "[status] : '!';
      text += std::string{' ', column % 20 == 0 ? '|' : row % 20 == 0 ? '_' : tree, ' '};
    }
    text += "\n";
  }
  return text + "Press enter to advance the time step, or press q to exit" + (terminal ? "" : "\n");
}

struct Run {
  int status;
  std::string output, errors;
  bool operator==(const Run& other) const {
    return status == other.status && output == other.output && errors == other.errors;
  }
};

// A whole run on `input` with the generator seeded with `seed`: the menu; a
// reminder for every non-digit until a digit from 1 to 3; then the first
// frame, and a step and a frame for every byte after that digit, up to and
// including the first "q".  On a terminal every frame is cleared first, and
// the cursor goes to a line of its own at the end.
inline Run run(const std::string& input, unsigned seed, bool terminal = false) {
  Run run{0, "1) Dry\n2) Moist\n3) Damp\nPlease input a dampness level\n", ""};
  std::size_t at = 0;
  for (; at < input.size() && (input[at] < '1' || input[at] > '3'); ++at) {
    run.output +=
        input[at] >= '0' && input[at] <= '9' ? "" : "Please input a number between 1 and 3\n";
  }
  if (at == input.size()) {
    return {1, run.output, "forestfire: input ended before a dampness level was chosen\n"};
  }
  // A roll succeeds at this remainder of rand() by 100, or above it.
  const int limit = input[at] == '2' ? 70 : input[at] == '3' ? 80 : 50;
  std::srand(seed);
  std::string forest = firstForest();
  long timeStep = 1;
  run.output += frame(forest, timeStep, terminal);
  for (std::size_t key = at + 1; key < input.size(); ++key) {
    forest = step(forest, limit, std::rand);
    run.output += frame(forest, ++timeStep, terminal);
    if (input[key] == 'q') {
      break;
    }
  }
  run.output += terminal ? "\n" : "";
  return run;
}

}  // namespace reference
}  // namespace forestfire

#endif  // FORESTFIRE_TESTS_REFERENCE_H_
