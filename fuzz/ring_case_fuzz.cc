// The whole reading of one ring-case file from arbitrary bytes. Checks that
// the score lines are never more than the count asked for nor more than the
// ring strings present, and each is the plain scorer's score of its string
// (so from 0 to 10); that a well-formed file gets all its lines and no
// problem; and that any other file is reported. A UTF-8 byte-order mark at
// the start is skipped and reported; a UTF-16 file gets no scores.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ringscore/solver.h"
#include "test_support/oracle.h"

namespace {

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> all;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    all.push_back(text.substr(start, end - start));
  }
  if (start != text.size()) std::abort();  // every score line is ended
  return all;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  std::FILE* in = fmemopen(text.data(), text.size(), "r");
  char* outBuffer = nullptr;
  std::size_t outSize = 0;
  std::FILE* out = open_memstream(&outBuffer, &outSize);
  if (in == nullptr || out == nullptr) std::abort();
  int problems = 0;
  ringscore::scoreRingCase(in, out, "in", "out",
                           [&problems](const common::Problem&) { ++problems; });
  std::fclose(in);
  std::fclose(out);
  const std::vector<std::string> scores = lines(std::string(outBuffer, outSize));
  std::free(outBuffer);

  const auto startsWith = [&text](const char* mark) { return text.rfind(mark, 0) == 0; };
  if (startsWith("\xFF\xFE") || startsWith("\xFE\xFF")) {
    if (!scores.empty() || problems == 0) std::abort();
    return 0;
  }
  const bool utf8Bom = startsWith("\xEF\xBB\xBF");
  const std::vector<std::string> tokens = oracle::tokens(utf8Bom ? text.substr(3) : text);
  const auto t = tokens.empty() ? std::nullopt : oracle::count(tokens[0]);
  if (!t) {
    if (!scores.empty() || problems == 0) std::abort();
    return 0;
  }
  const std::size_t asked = static_cast<std::size_t>(*t);
  if (scores.size() > asked || scores.size() > tokens.size() - 1) std::abort();

  bool wellFormed = !utf8Bom && tokens.size() - 1 >= asked;
  for (std::size_t k = 0; k < scores.size(); ++k) {
    const std::string& rings = tokens[k + 1];
    if (scores[k] != std::to_string(oracle::score(rings))) std::abort();
    wellFormed = wellFormed && oracle::wellFormedRings(rings);
  }
  if (wellFormed != (problems == 0)) std::abort();
  if (wellFormed && scores.size() != asked) std::abort();
  return 0;
}
