// countPoints on arbitrary bytes: never out of bounds (the sanitizers watch),
// always 0 to 10, and the plain scorer's answer; ringStringFault flags exactly
// the strings that are out of format.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ringscore/count_points.h"
#include "test_support/oracle.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string rings(reinterpret_cast<const char*>(data), size);
  const int score = countPoints(rings);
  if (score < 0 || score > 10) std::abort();
  if (score != oracle::score(rings)) std::abort();
  if (ringStringFault(rings).empty() != oracle::wellFormedRings(rings)) std::abort();
  return 0;
}
