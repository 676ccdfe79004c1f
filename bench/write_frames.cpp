// The floor for the whole-process benchmark: writes a transcript of the
// program to standard output in the pieces the program writes it in, the
// menu in one write and every frame in one write, and does nothing else.
// The transcript is mapped, and where its pieces start is given in a file
// of byte offsets, so that the floor costs little beyond its writes.
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: write_frames TRANSCRIPT OFFSETS" << std::endl;
    return 2;
  }
  const int file = open(argv[1], O_RDONLY);
  struct stat status {};
  if (file < 0 || fstat(file, &status) != 0) {
    std::perror("write_frames");
    return 1;
  }
  const auto size = static_cast<std::size_t>(status.st_size);
  void* const mapped = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, file, 0);
  if (mapped == MAP_FAILED) {
    std::perror("write_frames");
    return 1;
  }
  const auto* text = static_cast<const char*>(mapped);
  std::vector<std::size_t> starts;
  std::ifstream offsets(argv[2]);
  for (std::size_t offset = 0; offsets >> offset;) {
    starts.push_back(offset);
  }
  starts.push_back(size);
  for (std::size_t piece = 0; piece + 1 < starts.size(); ++piece) {
    if (write(STDOUT_FILENO, text + starts[piece], starts[piece + 1] - starts[piece]) < 0) {
      std::perror("write_frames");
      return 1;
    }
  }
  return 0;
}
