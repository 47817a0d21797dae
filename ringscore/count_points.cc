#include "ringscore/count_points.h"

namespace {

constexpr int kRods = 10;

// The rod of the pair whose rod digit is `c`, or -1 when `c` is no digit.
int rodOf(char c) { return c >= '0' && c <= '9' ? c - '0' : -1; }

}  // namespace

int countPoints(std::string rings) {
  int R[kRods] = {};
  int G[kRods] = {};
  int B[kRods] = {};
  // Colours come in no order a branch predictor could learn, so the table is
  // picked by index rather than by an if-else chain.
  int* const tables[3] = {R, G, B};
  // i + 1 < size keeps a lone last character from reading past the string.
  for (std::string::size_type i = 0; i + 1 < rings.size(); i += 2) {
    const int rod = rodOf(rings[i + 1]);
    if (rod < 0) continue;
    const char colour = rings[i];
    const int table = colour == 'R' ? 0 : colour == 'G' ? 1 : 2;
    ++tables[table][rod];
  }
  int count = 0;
  for (int rod = 0; rod < kRods; ++rod) {
    if (R[rod] > 0 && G[rod] > 0 && B[rod] > 0) ++count;
  }
  return count;
}

std::string ringStringFault(std::string_view rings) {
  if (rings.size() % 2 != 0) return "has an odd length";
  for (std::string_view::size_type i = 1; i < rings.size(); i += 2) {
    if (rodOf(rings[i]) < 0) {
      return "has a rod at position " + std::to_string(i + 1) + " that is not a digit 0 to 9";
    }
  }
  return "";
}
