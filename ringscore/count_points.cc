#include "ringscore/count_points.h"

namespace {

constexpr unsigned kRods = 10;

// The rod of the pair whose rod digit is `c`, or kRods or more when `c` is no
// digit: one unsigned compare tells both apart.
unsigned rodOf(char c) { return static_cast<unsigned char>(c) - unsigned{'0'}; }

// The table each colour character counts in: 'R' 0, 'G' 1, anything else 2.
// Looked up rather than compared: colours come in no order a branch
// predictor could learn.
struct ColourTables {
  unsigned char of[256] = {};
  constexpr ColourTables() {
    for (unsigned char& table : of) table = 2;
    of[static_cast<unsigned char>('R')] = 0;
    of[static_cast<unsigned char>('G')] = 1;
  }
};
constexpr ColourTables kColour;

}  // namespace

int countPoints(std::string rings) {
  // The three tables side by side, so that a colour's table is found by index.
  int tables[3][kRods] = {};
  int(&R)[kRods] = tables[0];
  int(&G)[kRods] = tables[1];
  int(&B)[kRods] = tables[2];
  const char* s = rings.data();
  // A lone last character is no pair, and is never read.
  const std::string::size_type pairsEnd = rings.size() & ~std::string::size_type{1};
  for (std::string::size_type i = 0; i < pairsEnd; i += 2) {
    const unsigned rod = rodOf(s[i + 1]);
    if (rod < kRods) ++tables[kColour.of[static_cast<unsigned char>(s[i])]][rod];
  }
  int count = 0;
  for (unsigned rod = 0; rod < kRods; ++rod) {
    count += (R[rod] > 0) & (G[rod] > 0) & (B[rod] > 0);
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
