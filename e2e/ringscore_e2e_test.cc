// ringscore, run as an exercise author runs it: in a working folder with
// `inputs` and `outputs`.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "e2e/work_folder.h"

namespace e2e {
namespace {

const std::string kGoodCase = "2\nR0G0B0\nR1\n";
const std::vector<std::string> kGoodScores = {"1", "0"};

class RingscoreTest : public testing::Test {
 protected:
  explicit RingscoreTest(std::vector<std::string> subfolders = {"inputs", "outputs"})
      : folder_(subfolders) {}

  // Writes the five ring-case files: the good case, except where `texts`
  // gives case i's text.
  void writeCases(const std::map<int, std::string>& texts = {}) {
    for (int i = 1; i <= 5; ++i) {
      const auto text = texts.find(i);
      folder_.write(inputFile(i), text != texts.end() ? text->second : kGoodCase);
    }
  }
  std::string scores(int i) const { return folder_.read(outputFile(i)); }
  void expectGoodScores(std::vector<int> cases) const {
    for (int i : cases) EXPECT_EQ(scores(i), textLines(kGoodScores)) << "case " << i;
  }
  RunResult run(const std::string& arguments = "") const {
    return folder_.run(RINGSCORE_EXE, arguments);
  }

  WorkFolder folder_;
};

TEST_F(RingscoreTest, ScoresACleanSetSilently) {
  std::string allRods = "1\n";
  for (char rod = '0'; rod <= '9'; ++rod) allRods += std::string("B") + rod + "G" + rod + "R" + rod;
  writeCases({{1, "3\nB0R0G0\nR5\nG9B9R9\n"},
              {2, "0\n"},
              {3, "4\nR1G1B1 R2G2B2\tR3\nR0G0B0R9G9B9\n"},
              {4, "2\nR5G5Y5\nr5G5B5\nR1G1B1 tokens after the last are never read\n"},
              {5, allRods + "\n"}});
  const RunResult result = run();
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.stderrText, "");
  EXPECT_EQ(scores(1), textLines({"1", "0", "1"}));
  EXPECT_EQ(scores(2), "");
  EXPECT_EQ(scores(3), textLines({"1", "1", "0", "2"}));
  EXPECT_EQ(scores(4), textLines({"1", "0"}));
  EXPECT_EQ(scores(5), textLines({"10"}));
}

TEST_F(RingscoreTest, LayoutAndLineEndingsDoNotChangeScores) {
  writeCases({{1, "3 R1G1B1 R2 G3B3R3\n"},
              {2, "3\nR1G1B1\nR2\nG3B3R3\n"},
              {3, "3\r\nR1G1B1\r\nR2\r\nG3B3R3\r\n"},
              {4, "3\nR1G1B1\nR2\nG3B3R3"},  // no final newline
              {5, "\r\n3\r\n\r\nR1G1B1 R2\r\nG3B3R3"}});
  const RunResult result = run("--help and other arguments are ignored");
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.stderrText, "");
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(scores(i), textLines({"1", "0", "1"})) << "case " << i;
}

TEST_F(RingscoreTest, TruncatesOldScoresAndLeavesOtherFilesAlone) {
  writeCases();
  folder_.write(outputFile(1), textLines(std::vector<std::string>(50, "7")));
  folder_.write("outputs/output06.txt", "not a case\n");
  folder_.write("inputs/notes.txt", "notes\n");
  const RunResult result = run();
  EXPECT_EQ(result.exitStatus, 0);
  expectGoodScores({1, 2, 3, 4, 5});
  EXPECT_EQ(folder_.read("outputs/output06.txt"), "not a case\n");
  EXPECT_EQ(folder_.read("inputs/notes.txt"), "notes\n");
  EXPECT_EQ(folder_.files().size(), 5u + 5u + 2u);
}

TEST_F(RingscoreTest, MissingCaseFileIsReportedAndTheOthersAreScored) {
  writeCases();
  std::filesystem::remove(folder_.path() / "inputs" / "input03.txt");
  const RunResult result = run();
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.stderrLines(),
            std::vector<std::string>{"ringscore: " + shownPath(inputFile(3)) +
                                     ": cannot open for reading: " + std::strerror(ENOENT)});
  expectGoodScores({1, 2, 4, 5});
  EXPECT_EQ(scores(3), "");  // the score file is made before its case is read
}

class RingscoreWithoutOutputsTest : public RingscoreTest {
 protected:
  RingscoreWithoutOutputsTest() : RingscoreTest({"inputs"}) {}
};

TEST_F(RingscoreWithoutOutputsTest, ReportsEveryCaseAndCreatesNoFolder) {
  writeCases();
  const RunResult result = run();
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.stderrLines(),
            missingFolderReports("ringscore", outputFile, "cannot open for writing"));
  EXPECT_FALSE(folder_.exists("outputs"));
  EXPECT_EQ(folder_.files().size(), 5u);
}

class RingscoreWithoutInputsTest : public RingscoreTest {
 protected:
  RingscoreWithoutInputsTest() : RingscoreTest({"outputs"}) {}
};

TEST_F(RingscoreWithoutInputsTest, ReportsEveryCase) {
  const RunResult result = run();
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.stderrLines(),
            missingFolderReports("ringscore", inputFile, "cannot open for reading"));
  EXPECT_FALSE(folder_.exists("inputs"));
}

// One bad ring-case file: case 2. It is reported on one line, and case 3,
// after it, is read normally.
struct BadCase {
  std::string text;                      // the whole of case 2
  std::string problem;                   // what follows "ringscore: inputs/input02.txt"
  std::vector<std::string> scores = {};  // case 2's score lines
  std::string name = "";                 // the row's name, where it is no count
};

void PrintTo(const BadCase& bad, std::ostream* os) { *os << testing::PrintToString(bad.text); }

class RingscoreBadCaseTest : public RingscoreTest, public testing::WithParamInterface<BadCase> {};

TEST_P(RingscoreBadCaseTest, IsReportedAndTheNextCaseIsReadNormally) {
  writeCases({{2, GetParam().text}});
  const RunResult result = run();
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.stderrLines(),
            std::vector<std::string>{"ringscore: " + shownPath(inputFile(2)) + GetParam().problem});
  EXPECT_EQ(scores(2), textLines(GetParam().scores));
  expectGoodScores({1, 3, 4, 5});
}

INSTANTIATE_TEST_SUITE_P(
    Counts, RingscoreBadCaseTest,
    testing::Values(BadCase{"", ": the count of ring strings is missing"},
                    BadCase{" \n\n", ": the count of ring strings is missing"},
                    BadCase{"abc\nR0G0B0\n", ":1: count \"abc\" is not a decimal integer"},
                    BadCase{"\n\n3x\nR0G0B0\n", ":3: count \"3x\" is not a decimal integer"},
                    BadCase{"1.0\nR0G0B0\n", ":1: count \"1.0\" is not a decimal integer"},
                    BadCase{"-1\nR0G0B0\n", ":1: count \"-1\" is negative"},
                    BadCase{"99999999999\nR0G0B0\n",
                            ":1: count \"99999999999\" is outside the int range"},
                    // Ends right after the bad count: no end-of-file state may
                    // reach case 3.
                    BadCase{"x", ":1: count \"x\" is not a decimal integer"}));

// `ascii` as UTF-16 with its byte-order mark, little- or big-endian.
std::string utf16(const std::string& ascii, bool littleEndian) {
  std::string text = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
  for (char c : ascii) text += littleEndian ? std::string{c, '\0'} : std::string{'\0', c};
  return text;
}

const std::string kUtf8Bom = "\xEF\xBB\xBF";
const char kUtf8BomProblem[] =
    ":1: starts with a UTF-8 byte-order mark; scored without it, but save the file as UTF-8 "
    "without a byte-order mark";
const char kUtf16Problem[] = ": is UTF-16 text; save it as ASCII or UTF-8";

// What Windows editors and shells save: UTF-16, and UTF-8 with a byte-order
// mark.
INSTANTIATE_TEST_SUITE_P(
    WindowsSaved, RingscoreBadCaseTest,
    testing::Values(
        BadCase{utf16("2\r\nR0G0B0\r\nR1\r\n", true), kUtf16Problem, {}, "Utf16LittleEndian"},
        BadCase{utf16("2\r\nR0G0B0\r\nR1\r\n", false), kUtf16Problem, {}, "Utf16BigEndian"},
        BadCase{kUtf8Bom + "2\r\nR0G0B0\r\nR1\r\n", kUtf8BomProblem, {"1", "0"}, "Utf8BomCrLf"},
        BadCase{kUtf8Bom + "3\nR1G1B1\nR2\nG3B3R3",
                kUtf8BomProblem,
                {"1", "0", "1"},
                "Utf8BomNoFinalNewline"},
        // Anywhere but at the start the mark is ordinary stray bytes, which
        // here shift every pair of the string.
        BadCase{"2\n" + kUtf8Bom + "R0G0B0\nR1\n",
                ":2: ring string \"\\xEF\\xBB\\xBFR0G0B0\" has an odd length",
                {"0", "0"},
                "Utf8BomInside"}),
    [](const testing::TestParamInfo<BadCase>& row) { return row.param.name; });

TEST_F(RingscoreTest, TooFewRingStringsKeepsTheScoresPresent) {
  writeCases({{2, "5\nR0G0B0\nR1\n"}, {4, "2000000000\nR0G0B0"}});
  const RunResult result = run();
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.stderrLines(),
            (std::vector<std::string>{
                "ringscore: " + shownPath(inputFile(2)) + ": expected 5 ring strings, found 2",
                "ringscore: " + shownPath(inputFile(4)) +
                    ": expected 2000000000 ring strings, found 1"}));
  EXPECT_EQ(scores(2), textLines({"1", "0"}));
  EXPECT_EQ(scores(4), textLines({"1"}));
  expectGoodScores({1, 3, 5});
}

TEST_F(RingscoreTest, StrayPairsAreReportedAndStillScored) {
  writeCases({{2, "4\nR1G1B1R\nR0G0B0 G1B1RxR1\nR2G2B2\n"}});
  const RunResult result = run();
  EXPECT_EQ(result.exitStatus, 1);
  const std::string where = "ringscore: " + shownPath(inputFile(2));
  EXPECT_EQ(result.stderrLines(),
            (std::vector<std::string>{
                where + ":2: ring string \"R1G1B1R\" has an odd length",
                where + ":3: ring string \"G1B1RxR1\" has a rod at position 6 that is not a "
                        "digit 0 to 9"}));
  // One line for each ring string, so the scores stay aligned.
  EXPECT_EQ(scores(2), textLines({"1", "1", "1", "1"}));
  expectGoodScores({1, 3, 4, 5});
}

TEST_F(RingscoreTest, ScoreFileThatCannotBeCreatedIsReported) {
  writeCases();
  std::filesystem::create_directory(folder_.path() / "outputs" / "output03.txt");
  const RunResult result = run();
  EXPECT_EQ(result.exitStatus, 1);
  const auto lines = result.stderrLines();
  ASSERT_EQ(lines.size(), 1u) << result.stderrText;
  EXPECT_EQ(
      lines[0].rfind("ringscore: " + shownPath(outputFile(3)) + ": cannot open for writing: ", 0),
      0u)
      << lines[0];
  expectGoodScores({1, 2, 4, 5});
}

TEST_F(RingscoreTest, RingCaseThatCannotBeReadIsReported) {
  writeCases();
  std::filesystem::remove(folder_.path() / "inputs" / "input02.txt");
  std::filesystem::create_directory(folder_.path() / "inputs" / "input02.txt");
  const RunResult result = run();
  EXPECT_EQ(result.exitStatus, 1);
  const auto lines = result.stderrLines();
  ASSERT_EQ(lines.size(), 1u) << result.stderrText;
  // Linux opens a folder and fails the read; Windows fails the open.
  EXPECT_EQ(lines[0].rfind("ringscore: " + shownPath(inputFile(2)) + ": cannot ", 0), 0u)
      << lines[0];
  EXPECT_EQ(scores(2), "");
  expectGoodScores({1, 3, 4, 5});
}

#ifndef _WIN32
TEST_F(RingscoreTest, WriteFailureIsReportedAndLaterCasesAreWritten) {
  writeCases();
  std::filesystem::create_symlink("/dev/full", folder_.path() / "outputs" / "output02.txt");
  const RunResult result = run();
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.stderrLines(),
            std::vector<std::string>{"ringscore: " + shownPath(outputFile(2)) +
                                     ": cannot write: " + std::strerror(ENOSPC)});
  expectGoodScores({1, 3, 4, 5});
}
#endif

}  // namespace
}  // namespace e2e
