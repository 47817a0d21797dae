#include "common/case_path.h"

#include <gtest/gtest.h>

namespace common {
namespace {

TEST(CasePathTest, NamesTheCaseInItsSubfolder) {
  const std::string sep(1, kDirSeparator);
  EXPECT_EQ(casePath(kInputPrefix, 1), "inputs" + sep + "input01.txt");
  // The 0 is part of the prefix, not padding.
  EXPECT_EQ(casePath(kInputPrefix, 3), "inputs" + sep + "input03.txt");
  EXPECT_EQ(casePath(kOutputPrefix, 5), "outputs" + sep + "output05.txt");
  EXPECT_EQ(casePath(kInputPrefix, 12), "inputs" + sep + "input012.txt");
}

TEST(CasePathTest, UsesThePlatformSeparatorOnly) {
  const std::string path = casePath(kOutputPrefix, 2);
#ifdef _WIN32
  EXPECT_EQ(path, "outputs\\output02.txt");
#else
  // A backslash would make one file named "outputs\output02.txt" here.
  EXPECT_EQ(path.find('\\'), std::string::npos);
  EXPECT_EQ(path, "outputs/output02.txt");
#endif
}

}  // namespace
}  // namespace common
