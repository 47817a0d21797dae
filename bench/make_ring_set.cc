// Writes the benchmark's fixed-seed ring-case set into a working folder:
// inputs/input01.txt to input05.txt, each a count line and STRINGS ring
// strings of 1 to 50 pairs drawn uniformly over R, G, B and the rods 0 to 9,
// one per line; and expected/output0N.txt, the plain scorer's score files
// (the one the fuzz targets check against).
// An empty outputs folder is made for ringscore. Usage:
//   make_ring_set DIR STRINGS
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "test_support/oracle.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_ring_set DIR STRINGS\n");
    return 2;
  }
  const fs::path dir = argv[1];
  const long strings = std::atol(argv[2]);
  fs::remove_all(dir);
  for (const char* sub : {"inputs", "outputs", "expected"}) fs::create_directories(dir / sub);

  std::mt19937 rng(20261211);
  std::uniform_int_distribution<int> pairs(1, 50), colour(0, 2), rod(0, 9);
  for (int i = 1; i <= 5; ++i) {
    const std::string name = "0" + std::to_string(i) + ".txt";
    std::ofstream in(dir / "inputs" / ("input" + name), std::ios::binary);
    std::ofstream expected(dir / "expected" / ("output" + name), std::ios::binary);
    in << strings << '\n';
    std::string rings;
    for (long k = 0; k < strings; ++k) {
      rings.clear();
      for (int n = pairs(rng); n > 0; --n) {
        rings += "RGB"[colour(rng)];
        rings += static_cast<char>('0' + rod(rng));
      }
      in << rings << '\n';
      expected << oracle::score(rings) << '\n';
    }
  }
  return 0;
}
