// How long one step of the fire and one frame take.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <streambuf>

#include "display/grid.h"
#include "model/forest.h"

namespace forestfire {
namespace {

std::unique_ptr<Forest> populatedForest() {
  auto forest = std::make_unique<Forest>(Dry);
  forest->populate(forest.get());
  return forest;
}

// Every tree healthy but those on row `x`, which burn: a fire front across
// the whole forest.
void lightRow(Forest& forest, std::int32_t x) {
  for (Tree* tree = forest.getHead(); tree != nullptr; tree = tree->getNext()) {
    tree->setStatus(*tree->getX() == x ? Burning : Healthy);
    tree->setCatching(false);
  }
}

// The first five steps of a dry run, from the forest as built.
void advanceFirstSteps(benchmark::State& state) {
  std::srand(1);
  for (auto _ : state) {
    state.PauseTiming();
    auto forest = populatedForest();
    state.ResumeTiming();
    for (int step = 0; step < 5; ++step) {
      forest->advance();
    }
    state.PauseTiming();
    forest.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(advanceFirstSteps);

// One step with 20 burning trees in a row: 20 scans of the list, 60 rolls.
void advanceWideFront(benchmark::State& state) {
  std::srand(1);
  auto forest = populatedForest();
  for (auto _ : state) {
    state.PauseTiming();
    lightRow(*forest, 10);
    state.ResumeTiming();
    forest->advance();
  }
}
BENCHMARK(advanceWideFront);

// One step once the fire is out: what most key presses of a run cost.
void advanceAtRest(benchmark::State& state) {
  auto forest = populatedForest();
  forest->advance();
  lightRow(*forest, 0);  // no row 0: nothing burns
  for (auto _ : state) {
    forest->advance();
  }
}
BENCHMARK(advanceAtRest);

// Swallows whatever is written to it.
class NullBuffer : public std::streambuf {
 protected:
  int overflow(int character) override { return character; }
  std::streamsize xsputn(const char* /*text*/, std::streamsize count) override { return count; }
};

// Drawing and printing one frame, the stream's cost left out.
void displayFrame(benchmark::State& state) {
  auto forest = populatedForest();
  const Grid grid;
  NullBuffer nowhere;
  std::streambuf* const original = std::cout.rdbuf(&nowhere);
  std::int32_t step = 1;
  for (auto _ : state) {
    forest->display(grid, step++);
  }
  std::cout.rdbuf(original);
}
BENCHMARK(displayFrame);

}  // namespace
}  // namespace forestfire

BENCHMARK_MAIN();
