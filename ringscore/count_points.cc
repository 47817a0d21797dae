#include "ringscore/count_points.h"

namespace {

constexpr unsigned kRods = 10;

// The rod of the pair whose rod digit is `c`, or kRods or more when `c` is no
// digit: one unsigned compare tells both apart.
unsigned rodOf(char c) { return static_cast<unsigned char>(c) - unsigned{'0'}; }

}  // namespace

int countPoints(std::string rings) {
  // The three tables side by side, so that a colour's table is found by
  // index: colours come in no order a branch predictor could learn.
  int tables[3][kRods] = {};
  int(&R)[kRods] = tables[0];
  int(&G)[kRods] = tables[1];
  int(&B)[kRods] = tables[2];
  // i + 1 < size keeps a lone last character from reading past the string.
  for (std::string::size_type i = 0; i + 1 < rings.size(); i += 2) {
    const unsigned rod = rodOf(rings[i + 1]);
    if (rod >= kRods) continue;
    const char colour = rings[i];
    const int table = 2 - 2 * (colour == 'R') - (colour == 'G');  // R 0, G 1, else 2
    ++tables[table][rod];
  }
  int count = 0;
  for (unsigned rod = 0; rod < kRods; ++rod) {
    if (R[rod] > 0 && G[rod] > 0 && B[rod] > 0) ++count;
  }
  return count;
}

std::string ringStringFault(std::string_view rings) {
  if (rings.size() % 2 != 0) return "has an odd length";
  for (std::string_view::size_type i = 1; i < rings.size(); i += 2) {
    if (rodOf(rings[i]) >= kRods) {
      return "has a rod at position " + std::to_string(i + 1) + " that is not a digit 0 to 9";
    }
  }
  return "";
}
