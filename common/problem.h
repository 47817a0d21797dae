// What the programs report. A driver passes each problem up as a value; only
// `main` prints it, one line on standard error, as "PROGRAM: PATH: message" or
// "PROGRAM: PATH:LINE: message". A run that reported anything exits with
// kExitProblems, so a failure never passes for success.
#ifndef COMMON_PROBLEM_H_
#define COMMON_PROBLEM_H_

#include <cstdio>
#include <string>
#include <string_view>

namespace common {

enum ExitStatus : int {
  kExitClean = 0,     // every case was read and written in full
  kExitProblems = 1,  // at least one problem was reported
};

struct Problem {
  std::string path;  // the case path, as the platform writes it
  long line = 0;     // 1-based line in `path`; 0 when the problem has no line
  std::string message;
};

inline std::string formatProblem(std::string_view program, const Problem& p) {
  std::string text(program);
  text += ": " + p.path;
  if (p.line > 0) text += ":" + std::to_string(p.line);
  return text + ": " + p.message;
}

// Quotes text taken from a case file for a message: long text is cut, and
// bytes that would garble a terminal are shown as \xNN.
inline std::string quoteForMessage(std::string_view text) {
  constexpr std::size_t kMaxShown = 40;
  std::string quoted = "\"";
  for (std::size_t i = 0; i < text.size() && i < kMaxShown; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x20 || byte >= 0x7f || byte == '"' || byte == '\\') {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      quoted += escaped;
    } else {
      quoted += static_cast<char>(byte);
    }
  }
  if (text.size() > kMaxShown) quoted += "...";
  return quoted + "\"";
}

}  // namespace common

#endif  // COMMON_PROBLEM_H_
