#include "ringscore/solver.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <string_view>

#include "common/case_path.h"
#include "common/platform.h"
#include "ringscore/count_points.h"
#include "ringscore/token_reader.h"

namespace ringscore {

namespace {

// Byte-order marks that Windows editors and shells put at the start of text.
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

common::Problem failure(const std::string& path, const char* what, int error) {
  return {path, 0, std::string(what) + ": " + std::strerror(error)};
}

// Every score line reaches the operating system before the next ring string
// is scored.
bool writeScore(std::FILE* out, int finres) {
  char line[4];
  char* end = std::to_chars(line, line + sizeof line - 1, finres).ptr;
  *end++ = '\n';
  return common::writeNow(out, std::string_view(line, static_cast<std::size_t>(end - line)));
}

// Parses the count token. Returns false, after reporting, when it is no
// count a case can have.
bool parseCount(std::string_view token, const std::string& path, long line, int& t,
                const Report& report) {
  const char* end = token.data() + token.size();
  const auto [ptr, ec] = std::from_chars(token.data(), end, t);
  const char* fault = nullptr;
  if (ec == std::errc::result_out_of_range) {
    fault = "is outside the int range";
  } else if (ec != std::errc() || ptr != end) {
    fault = "is not a decimal integer";
  } else if (t < 0) {
    fault = "is negative";
  }
  if (fault == nullptr) return true;
  report({path, line, "count " + common::quoteForMessage(token) + " " + fault});
  return false;
}

}  // namespace

void scoreRingCase(std::FILE* in, std::FILE* out, const std::string& inPath,
                   const std::string& outPath, const Report& report) {
  TokenReader reader(in);
  if (reader.skipPrefix(kUtf16LeBom) || reader.skipPrefix(kUtf16BeBom)) {
    report({inPath, 0, "is UTF-16 text; save it as ASCII or UTF-8"});
    return;
  }
  // The mark alone spoils no score, but other readers of the file may choke on it.
  if (reader.skipPrefix(kUtf8Bom)) {
    report({inPath, 1,
            "starts with a UTF-8 byte-order mark; scored without it, but save the file as "
            "UTF-8 without a byte-order mark"});
  }
  std::string_view a;
  long line = 0;
  if (!reader.next(a, line)) {
    if (reader.readError() != 0) {
      report(failure(inPath, "cannot read", reader.readError()));
    } else {
      report({inPath, 0, "the count of ring strings is missing"});
    }
    return;
  }
  int t = 0;
  if (!parseCount(a, inPath, line, t, report)) return;

  int found = 0;
  for (; found < t && reader.next(a, line); ++found) {
    const std::string fault = ringStringFault(a);
    if (!fault.empty()) {
      report({inPath, line, "ring string " + common::quoteForMessage(a) + " " + fault});
    }
    const int finres = countPoints(std::string(a));
    errno = 0;
    if (!writeScore(out, finres)) {
      report(failure(outPath, "cannot write", errno));
      return;
    }
  }
  if (found == t) return;
  if (reader.readError() != 0) {
    report(failure(inPath, "cannot read", reader.readError()));
  } else {
    report({inPath, 0,
            "expected " + std::to_string(t) + " ring strings, found " + std::to_string(found)});
  }
}

void scoreCase(int caseNumber, const Report& report) {
  const std::string pathone = common::casePath(common::kOutputPrefix, caseNumber);
  const std::string pathon = common::casePath(common::kInputPrefix, caseNumber);
  // The score file is opened first, so an old one never outlives its case.
  errno = 0;
  if (std::freopen(pathone.c_str(), "w", stdout) == nullptr) {
    report(failure(pathone, "cannot open for writing", errno));
    return;
  }
  errno = 0;
  if (std::freopen(pathon.c_str(), "r", stdin) == nullptr) {
    report(failure(pathon, "cannot open for reading", errno));
    return;
  }
  scoreRingCase(stdin, stdout, pathon, pathone, report);
}

}  // namespace ringscore
