#include "casegen/generator.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>

#include "casegen/random_draws.h"
#include "common/case_path.h"

namespace casegen {

namespace {

constexpr int kMinRecords = 1;
constexpr int kMaxRecords = 20;
constexpr int kMinValue = 1;
constexpr int kMaxValue = 1000000;

common::Problem failure(const std::string& path, const char* what) {
  return {path, 0, std::string(what) + ": " + std::strerror(errno)};
}

// Appends `value` in plain decimal; to_chars never uses a locale.
void appendNumber(std::string& line, int value) {
  char digits[16];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  line.append(digits, result.ptr);
}

bool writeLine(const std::string& line) {
  return std::fwrite(line.data(), 1, line.size(), stdout) == line.size();
}

}  // namespace

std::optional<common::Problem> generateCase(int caseNumber) {
  const std::string pathone = common::casePath(common::kInputPrefix, caseNumber);
  errno = 0;
  if (std::freopen(pathone.c_str(), "w", stdout) == nullptr) {
    return failure(pathone, "cannot open for writing");
  }

  const int n = random_tests::getRand(kMinRecords, kMaxRecords);
  std::string line;
  appendNumber(line, n);
  line += '\n';
  // The count line waits in the buffer for the first record's flush.
  if (!writeLine(line)) return failure(pathone, "cannot write");

  for (int row = 0; row < n; ++row) {
    // All three values are drawn before any of the line is written.
    const int a = random_tests::getRand(kMinValue, kMaxValue);
    const int b = random_tests::getRand(kMinValue, kMaxValue);
    const int c = random_tests::getRand(kMinValue, kMaxValue);
    line.clear();
    appendNumber(line, a);
    line += ' ';
    appendNumber(line, b);
    line += ' ';
    appendNumber(line, c);
    line += '\n';
    if (!writeLine(line) || std::fflush(stdout) != 0) return failure(pathone, "cannot write");
  }
  return std::nullopt;
}

}  // namespace casegen
