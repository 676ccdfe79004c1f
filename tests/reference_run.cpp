// Prints the reference run of the bytes on standard input: what the program
// must write on standard output and standard error, and the status it must
// end with, for the seed given and, with a second argument, on a terminal.
// The system test compares the built program with it.
//
//   forestfire_reference SEED [terminal] <input
#include <iostream>
#include <iterator>
#include <string>

#include "reference.h"

int main(int argc, char** argv) {
  const std::string input(std::istreambuf_iterator<char>(std::cin), {});
  const auto seed = static_cast<unsigned>(std::stoul(argv[1]));
  const auto run = forestfire::reference::run(input, seed, argc > 2);
  for (const auto& write : run.output) {
    std::cout << write;
  }
  std::cerr << run.errors;
  return run.status;
}
