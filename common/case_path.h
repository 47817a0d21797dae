// The case-path rule that both programs share.
//
// A case path is a fixed prefix, the case number in plain decimal (no padding,
// no sign) and ".txt". The prefixes are written as on Windows, the kit's
// target; elsewhere their backslash becomes the local separator, so the files
// always land in the `inputs` and `outputs` subfolders and no file name ever
// holds a backslash. The final 0 belongs to the prefix: case 3 is
// "inputs\input03.txt".
#ifndef COMMON_CASE_PATH_H_
#define COMMON_CASE_PATH_H_

#include <string>
#include <string_view>

#include "common/platform.h"

namespace common {

// Both drivers walk the cases 1 to kCaseCount in ascending order.
inline constexpr int kCaseCount = 5;

inline constexpr std::string_view kInputPrefix = "inputs\\input0";
inline constexpr std::string_view kOutputPrefix = "outputs\\output0";

// REQUIRES: caseNumber >= 0.
inline std::string casePath(std::string_view prefix, int caseNumber) {
  std::string path(prefix);
  for (char& c : path) {
    if (c == '\\') c = kDirSeparator;
  }
  return path + std::to_string(caseNumber) + ".txt";
}

}  // namespace common

#endif  // COMMON_CASE_PATH_H_
