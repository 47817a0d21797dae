#include "common/problem.h"

#include <gtest/gtest.h>

#include <string>

namespace common {
namespace {

TEST(ProblemTest, FormatsWithAndWithoutLine) {
  EXPECT_EQ(formatProblem("casegen", {"inputs/input03.txt", 0, "cannot open for writing: x"}),
            "casegen: inputs/input03.txt: cannot open for writing: x");
  EXPECT_EQ(formatProblem("ringscore", {"inputs/input02.txt", 4, "bad"}),
            "ringscore: inputs/input02.txt:4: bad");
}

TEST(ProblemTest, QuotesCaseTextSafely) {
  EXPECT_EQ(quoteForMessage("R3G"), "\"R3G\"");
  EXPECT_EQ(quoteForMessage(std::string("a\x01\"\xff", 4)), "\"a\\x01\\x22\\xFF\"");
  // A huge token does not flood the terminal.
  EXPECT_EQ(quoteForMessage(std::string(1000, 'R')), "\"" + std::string(40, 'R') + "...\"");
}

}  // namespace
}  // namespace common
