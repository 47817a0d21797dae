#include "ringscore/count_points.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ScoreCase {
  std::string rings;
  int score;
};

void PrintTo(const ScoreCase& c, std::ostream* os) { *os << testing::PrintToString(c.rings); }

class CountPointsTest : public testing::TestWithParam<ScoreCase> {};

TEST_P(CountPointsTest, Scores) { EXPECT_EQ(countPoints(GetParam().rings), GetParam().score); }

std::string allRods() {
  std::string rings;
  for (char rod = '0'; rod <= '9'; ++rod) rings += std::string("R") + rod + "G" + rod + "B" + rod;
  return rings;
}

INSTANTIATE_TEST_SUITE_P(Rings, CountPointsTest,
                         testing::Values(ScoreCase{"", 0}, ScoreCase{"R3G3B3", 1},
                                         ScoreCase{"B3G3R3", 1}, ScoreCase{"R3G3", 0},
                                         ScoreCase{"R0G0B0R9G9B9", 2}, ScoreCase{"R1R1G1B1", 1},
                                         ScoreCase{"R5G5Y5", 1},  // any other colour is blue
                                         ScoreCase{"r5G5B5", 0},  // case-sensitive: r is blue too
                                         ScoreCase{"R1G2B3", 0}, ScoreCase{allRods(), 10},
                                         // Stray pairs are skipped, never indexed with.
                                         ScoreCase{"R1G1B1R", 1}, ScoreCase{"G1B1RxR1", 1},
                                         ScoreCase{"R", 0}, ScoreCase{"R:G:B:", 0},
                                         ScoreCase{"R/G/B/", 0},
                                         ScoreCase{std::string("R\0G\xffR1G1B1", 10), 1}));

TEST(RingStringFaultTest, NamesWhatIsOutOfFormat) {
  EXPECT_EQ(ringStringFault(""), "");
  EXPECT_EQ(ringStringFault("R0G9Y5"), "");
  EXPECT_EQ(ringStringFault("R3G"), "has an odd length");
  EXPECT_EQ(ringStringFault("G1B1RxR1"), "has a rod at position 6 that is not a digit 0 to 9");
}

}  // namespace
