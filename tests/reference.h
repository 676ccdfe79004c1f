// A second statement of what the program must do, written apart from its
// code.  For the bytes it reads and the seed it is given, it says every write
// the program must make to standard output, what it must write to standard
// error, and the status it must end with.  The unit tests, the fuzz target
// and the system test compare the program with it byte for byte.  It changes
// with the program, in the same commit and on purpose, whenever what the
// program must do changes; never to follow the code.
#ifndef FORESTFIRE_TESTS_REFERENCE_H_
#define FORESTFIRE_TESTS_REFERENCE_H_

#include <cstddef>
#include <cstdlib>
#include <string>
#include <vector>

namespace forestfire::reference {

// What clears a terminal before each frame: cursor home, the screen, and its
// scroll-back.
constexpr char kClear[] = "\x1b[H\x1b[2J\x1b[3J";

// A forest is its statuses in list order, a character a tree: '0' healthy,
// '1' burning, '2' burnt.  Tree number n, from 0, is at x = n % 20 + 1 and
// y = n / 20 + 1.

// One step of the fire: for each burning tree in list order, each of its
// healthy neighbours in list order rolls rand() % 100 against `threshold`.
inline std::string step(const std::string& before, int threshold) {
  const auto near = [](std::size_t a, std::size_t b) { return a + 1 >= b && b + 1 >= a; };
  std::string after = before;
  for (std::size_t burning = 0; burning < 400; ++burning) {
    if (before[burning] == '1') {
      after[burning] = '2';
      for (std::size_t other = 0; other < 400; ++other) {
        const bool neighbour = near(other % 20, burning % 20) && near(other / 20, burning / 20);
        if (neighbour && before[other] == '0' && std::rand() % 100 >= threshold) {
          after[other] = '1';
        }
      }
    }
  }
  return after;
}

// The frame of `forest` at `timeStep`: the trees with x and y from 1 to 19,
// x the row; the last row and column lie under the border.  A terminal has
// it cleared first, and its cursor waits at the end of the prompt.
inline std::string frame(const std::string& forest, int timeStep, bool terminal) {
  const std::string border = " |  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  | \n";
  std::string text = terminal ? kClear : "";
  text += "Current time step: " + std::to_string(timeStep) + "\n";
  text += "_________________________________\n" + border;
  for (std::size_t x = 0; x < 19; ++x) {
    text += " | ";
    for (std::size_t y = 0; y < 19; ++y) {
      text += {' ', "^f "[forest[y * 20 + x] - '0'], ' '};
    }
    text += " | \n";
  }
  text += border + "Press enter to advance the time step, or press q to exit";
  return terminal ? text : text + "\n";
}

struct Run {
  int status;
  std::vector<std::string> output;  // the writes, one after another
  std::string errors;
};

// The run of `input` with `seed`.  First the menu, and a reminder for every
// byte that is not a digit, until a digit from 1 to 3.  Then the first frame,
// and a step and a frame for every byte after that digit, up to and including
// the first "q".  A terminal gets a line end after the last frame.  Each of
// these is a write of its own.
inline Run run(const std::string& input, unsigned seed, bool terminal) {
  Run run{0, {"1) Dry\n2) Moist\n3) Damp\nPlease input a dampness level\n"}, ""};
  std::size_t at = input.find_first_of("123");  // the answer
  for (const char byte : input.substr(0, at)) {
    if (byte < '0' || byte > '9') {
      run.output.emplace_back("Please input a number between 1 and 3\n");
    }
  }
  if (at == std::string::npos) {
    return {1, run.output, "forestfire: input ended before a dampness level was chosen\n"};
  }
  constexpr int kThresholds[] = {50, 70, 80};  // Dry, Moist, Damp
  const int threshold = kThresholds[input[at] - '1'];
  std::srand(seed);
  std::string forest(400, '0');
  forest[189] = '1';  // (10, 10)
  int timeStep = 1;
  run.output.push_back(frame(forest, timeStep, terminal));
  while (++at < input.size() && input[at - 1] != 'q') {  // a byte left, and "q" not yet read
    forest = step(forest, threshold);
    run.output.push_back(frame(forest, ++timeStep, terminal));
  }
  if (terminal) {
    run.output.emplace_back("\n");
  }
  return run;
}

}  // namespace forestfire::reference

#endif  // FORESTFIRE_TESTS_REFERENCE_H_
