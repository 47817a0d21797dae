// Plain, obviously correct versions of the ring-case rules, a test helper for
// the fuzz targets and the benchmark to check the real ones against. Slow on
// purpose: no cleverness to share a fault with the code under test.
#ifndef TEST_SUPPORT_ORACLE_H_
#define TEST_SUPPORT_ORACLE_H_

#include <climits>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace oracle {

inline bool isRod(char c) { return c >= '0' && c <= '9'; }

inline bool wellFormedRings(const std::string& rings) {
  if (rings.size() % 2 != 0) return false;
  for (std::size_t i = 1; i < rings.size(); i += 2) {
    if (!isRod(rings[i])) return false;
  }
  return true;
}

// The score of the pairs whose rod is a digit; a lone last character is no pair.
inline int score(const std::string& rings) {
  std::set<char> colours[10];
  for (std::size_t i = 0; i + 1 < rings.size(); i += 2) {
    if (!isRod(rings[i + 1])) continue;
    const char colour = rings[i] == 'R' || rings[i] == 'G' ? rings[i] : 'B';
    colours[rings[i + 1] - '0'].insert(colour);
  }
  int count = 0;
  for (const auto& on : colours) count += on.size() == 3 ? 1 : 0;
  return count;
}

// A count as the solver accepts it: optional '-', then digits, with a value
// from 0 to INT_MAX.
inline std::optional<int> count(const std::string& token) {
  std::size_t i = token.size() > 0 && token[0] == '-' ? 1 : 0;
  if (i == token.size()) return std::nullopt;
  long long value = 0;
  for (; i < token.size(); ++i) {
    if (!isRod(token[i])) return std::nullopt;
    value = value * 10 + (token[i] - '0');
    if (value > INT_MAX) return std::nullopt;
  }
  if (token[0] == '-' && value != 0) return std::nullopt;
  return static_cast<int>(value);
}

// Whitespace-separated tokens, as the classic locale splits them.
inline std::vector<std::string> tokens(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> all;
  for (std::string token; in >> token;) all.push_back(token);
  return all;
}

}  // namespace oracle

#endif  // TEST_SUPPORT_ORACLE_H_
