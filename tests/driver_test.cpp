// The program as a user runs it: the built binary, with its input piped in.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "process.h"
#include "screen.h"

namespace forestfire {
namespace {

constexpr std::size_t kFrameLines = 24;

// One frame of the transcript.
struct Frame {
  std::vector<std::string> lines;
  // The character of grid cell (row, column).
  char cell(std::size_t row, std::size_t column) const { return lines.at(row + 2).at(3 * column + 1); }
};

// A run's standard output, cut into the prompt's reminders and the frames.
struct Transcript {
  std::size_t reminders = 0;
  std::vector<Frame> frames;
};

Transcript parse(const std::string& output) {
  Transcript transcript;
  const std::string menu = kMenu;
  EXPECT_EQ(output.substr(0, menu.size()), menu);
  const std::vector<std::string> lines = splitLines(output.substr(menu.size()));
  std::size_t next = 0;
  while (next < lines.size() && lines[next] + "\n" == kReminder) {
    ++transcript.reminders;
    ++next;
  }
  for (; next + kFrameLines <= lines.size(); next += kFrameLines) {
    transcript.frames.push_back(
        {std::vector<std::string>(lines.begin() + static_cast<std::ptrdiff_t>(next),
                                  lines.begin() + static_cast<std::ptrdiff_t>(next + kFrameLines))});
  }
  EXPECT_EQ(next, lines.size()) << "output ends within a frame";
  return transcript;
}

Finished run(const std::string& input) { return runWithInput(FORESTFIRE_BINARY, input); }

// The frame's fixed parts, and steps numbered 1, 2, 3, ...
void expectFramesInSequence(const std::vector<Frame>& frames) {
  const std::vector<std::string> first = firstFrame();
  for (std::size_t i = 0; i < frames.size(); ++i) {
    const std::vector<std::string>& lines = frames[i].lines;
    ASSERT_EQ(lines[0], "Current time step: " + std::to_string(i + 1));
    EXPECT_EQ(lines[1], first[1]);
    EXPECT_EQ(lines[2], kTopLine);
    EXPECT_EQ(lines[22], kTopLine);
    EXPECT_EQ(lines[23], kPrompt);
  }
  if (!frames.empty()) {
    EXPECT_EQ(frames[0].lines, first);
  }
}

// Between two frames a fire only burns out, or spreads to a neighbour.
void expectSpreadRule(const Frame& before, const Frame& after) {
  for (std::size_t row = 1; row < 20; ++row) {
    for (std::size_t column = 1; column < 20; ++column) {
      const char was = before.cell(row, column);
      const char is = after.cell(row, column);
      if (was == 'f' || was == ' ') {
        EXPECT_EQ(is, ' ') << "(" << row << ", " << column << ")";
        continue;
      }
      ASSERT_EQ(was, '^');
      ASSERT_TRUE(is == '^' || is == 'f');
      // Trees on row or column 20 are hidden, so only check where every neighbour shows.
      if (is == 'f' && row < 19 && column < 19) {
        bool litByNeighbour = false;
        for (std::size_t r = row - 1; r <= row + 1; ++r) {
          for (std::size_t c = column - 1; c <= column + 1; ++c) {
            litByNeighbour = litByNeighbour || before.cell(r, c) == 'f';
          }
        }
        EXPECT_TRUE(litByNeighbour) << "(" << row << ", " << column << ") caught from nothing";
      }
    }
  }
}

TEST(DriverTest, PromptAcceptsOnlyTheDigitsOneToThree) {
  struct Case {
    const char* name;
    std::string input;
    std::size_t reminders;
    std::size_t frames;  // 0: input ended at the prompt
  };
  const Case cases[] = {
      {"digit and Enter", "2\n", 0, 2},
      {"Enter alone", "\n", 1, 0},
      {"letters", "abc\n", 4, 0},
      {"seven, then three", "7\n3\n", 1, 2},
      {"zero", "0\n", 1, 0},
      {"four, then two", "4\n2\n", 1, 2},
      {"nine, no line end", "9", 0, 0},
      {"first digit wins", "12\n", 0, 3},
      {"blank first", " 2\n", 1, 2},
      {"minus sign", "-1\n", 1, 2},
      {"q is no answer", "q2\n", 1, 2},
      {"bytes above 127", "\xc3\xa9\xff\x80" "3", 4, 1},
      {"nothing at all", "", 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Finished finished = run(c.input);
    const Transcript transcript = parse(finished.output);
    EXPECT_EQ(transcript.reminders, c.reminders);
    EXPECT_EQ(transcript.frames.size(), c.frames);
    expectFramesInSequence(transcript.frames);
    if (c.frames == 0) {
      EXPECT_EQ(finished.exitStatus, 1);
      EXPECT_EQ(finished.errors, "forestfire: input ended before a dampness level was chosen\n");
    } else {
      EXPECT_EQ(finished.exitStatus, 0);
      EXPECT_EQ(finished.errors, "");
    }
  }
}

TEST(DriverTest, EveryCharacterIsOneStepAndQEndsAfterItsOwn) {
  struct Case {
    const char* name;
    std::string input;
    std::size_t frames;
  };
  const Case cases[] = {
      {"input ends", "2\n", 2},
      {"Enter", "2\n\n", 3},
      {"a line of three letters", "2\nabc\n", 6},
      {"q after the answer", "2q\nabc", 2},
      {"q and Enter", "2\nq\n\n\n", 3},
      {"upper-case Q is ordinary", "2\nQ\n", 4},
      {"q in the middle of a line", "2\nxq\nmore", 4},
      {"q twice", "2\nqq\n", 3},
      {"q without line end", "3\nq", 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Finished finished = run(c.input);
    const Transcript transcript = parse(finished.output);
    EXPECT_EQ(transcript.reminders, 0u);
    EXPECT_EQ(transcript.frames.size(), c.frames);
    expectFramesInSequence(transcript.frames);
    EXPECT_EQ(finished.exitStatus, 0);
    EXPECT_EQ(finished.errors, "");
  }
}

TEST(DriverTest, FireSpreadsByTheRuleUntilItRests) {
  for (const char* dampness : {"1", "2", "3"}) {
    SCOPED_TRACE(dampness);
    const Finished finished = run(dampness + std::string(150, '\n') + "q");
    const Transcript transcript = parse(finished.output);
    ASSERT_EQ(transcript.frames.size(), 152u);
    expectFramesInSequence(transcript.frames);
    for (std::size_t i = 1; i < transcript.frames.size(); ++i) {
      expectSpreadRule(transcript.frames[i - 1], transcript.frames[i]);
    }
    const std::vector<std::string>& last = transcript.frames.back().lines;
    const std::vector<std::string>& before = transcript.frames[150].lines;
    EXPECT_TRUE(std::equal(last.begin() + 1, last.end(), before.begin() + 1)) << "at rest";
    EXPECT_EQ(finished.exitStatus, 0);
  }
}

}  // namespace
}  // namespace forestfire
