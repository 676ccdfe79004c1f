// The floor for the whole-process benchmark: writes a file to standard output
// with one write per line, and does nothing else.
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: write_lines TRANSCRIPT" << std::endl;
    return 2;
  }
  std::ifstream file(argv[1], std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    end = end == std::string::npos ? text.size() : end + 1;
    if (write(STDOUT_FILENO, text.data() + start, end - start) < 0) {
      std::perror("write_lines");
      return 1;
    }
    start = end;
  }
  return 0;
}
