#ifndef FORESTFIRE_TESTS_SCREEN_H_
#define FORESTFIRE_TESTS_SCREEN_H_

#include <string>
#include <vector>

namespace forestfire {

// Texts of the screen, written out as the user sees them.
constexpr char kMenu[] = "1) Dry\n2) Moist\n3) Damp\nPlease input a dampness level\n";
constexpr char kReminder[] = "Please input a number between 1 and 3\n";
constexpr char kTopLine[] =
    " |  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  | ";
constexpr char kHealthyLine[] =
    " |  ^  ^  ^  ^  ^  ^  ^  ^  ^  ^  ^  ^  ^  ^  ^  ^  ^  ^  ^  | ";
constexpr char kPrompt[] = "Press enter to advance the time step, or press q to exit";
constexpr char kClear[] = "\x1b[H\x1b[2J\x1b[3J";

// The 24 lines of the first frame of every run.
inline std::vector<std::string> firstFrame() {
  std::vector<std::string> lines = {"Current time step: 1", std::string(33, '_'), kTopLine};
  lines.insert(lines.end(), 19, kHealthyLine);
  lines[12][31] = 'f';
  lines.push_back(kTopLine);
  lines.push_back(kPrompt);
  return lines;
}

// `text` cut into lines, without their line ends.
std::vector<std::string> splitLines(const std::string& text);

}  // namespace forestfire

#endif  // FORESTFIRE_TESTS_SCREEN_H_
