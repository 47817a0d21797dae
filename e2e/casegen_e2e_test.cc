// casegen, run as an exercise author runs it: in a working folder with
// `inputs`.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "e2e/work_folder.h"

namespace e2e {
namespace {

// A number as the generator writes it: plain decimal in [1, max].
bool isNumberUpTo(const std::string& text, long max) {
  if (text.empty() || text.size() > 7 || text[0] == '0') return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return std::stol(text) <= max;
}

// What is wrong with `text` as a generator case file, or "" if nothing.
std::string recordFileFault(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(kNewline, start)) != std::string::npos;) {
    lines.push_back(text.substr(start, end - start));
    start = end + std::strlen(kNewline);
  }
  if (start != text.size()) return "the last line has no line ending";
  if (lines.empty() || !isNumberUpTo(lines[0], 20)) return "no count from 1 to 20 on line 1";
  if (lines.size() != std::stoul(lines[0]) + 1) return "the count does not match the records";
  for (std::size_t k = 1; k < lines.size(); ++k) {
    const std::string& line = lines[k];
    const std::size_t first = line.find(' ');
    const std::size_t second = first == std::string::npos ? first : line.find(' ', first + 1);
    if (second == std::string::npos || !isNumberUpTo(line.substr(0, first), 1000000) ||
        !isNumberUpTo(line.substr(first + 1, second - first - 1), 1000000) ||
        !isNumberUpTo(line.substr(second + 1), 1000000)) {
      return "line " + std::to_string(k + 1) + " is no record: \"" + line + "\"";
    }
  }
  return "";
}

std::string caseSet(const WorkFolder& folder) {
  std::string all;
  for (int i = 1; i <= 5; ++i) all += folder.read(inputFile(i));
  return all;
}

void expectCaseFiles(const WorkFolder& folder, const std::vector<int>& cases) {
  for (int i : cases) {
    ASSERT_TRUE(folder.exists(inputFile(i))) << inputFile(i);
    EXPECT_EQ(recordFileFault(folder.read(inputFile(i))), "") << inputFile(i);
  }
}

TEST(CasegenTest, WritesFiveRecordFilesSilently) {
  WorkFolder folder({"inputs"});
  const RunResult result = folder.run(CASEGEN_EXE, "--help and other arguments are ignored");
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.stderrText, "");
  expectCaseFiles(folder, {1, 2, 3, 4, 5});
  // Nothing else, and in particular no file named with a backslash.
  EXPECT_EQ(folder.files(), (std::vector<std::string>{"inputs/input01.txt", "inputs/input02.txt",
                                                      "inputs/input03.txt", "inputs/input04.txt",
                                                      "inputs/input05.txt"}));
}

TEST(CasegenTest, EachRunOverwritesWithNewFilesAndLeavesOthersAlone) {
  WorkFolder folder({"inputs"});
  // Longer than any case file, so an append or a partial overwrite shows.
  folder.write(inputFile(1), std::string(40, '9') + "\n" + std::string(500, '7') + "\n");
  folder.write("inputs/input06.txt", "keep\n");
  folder.write("inputs/notes.txt", "keep\n");

  ASSERT_EQ(folder.run(CASEGEN_EXE).exitStatus, 0);
  expectCaseFiles(folder, {1, 2, 3, 4, 5});
  const std::string first = caseSet(folder);
  ASSERT_EQ(folder.run(CASEGEN_EXE).exitStatus, 0);
  expectCaseFiles(folder, {1, 2, 3, 4, 5});
  EXPECT_NE(caseSet(folder), first) << "two runs wrote the same case set";
  EXPECT_EQ(folder.read("inputs/input06.txt"), "keep\n");
  EXPECT_EQ(folder.read("inputs/notes.txt"), "keep\n");
}

TEST(CasegenTest, MissingInputsFolderIsReportedForEveryCase) {
  WorkFolder folder({});
  const RunResult result = folder.run(CASEGEN_EXE);
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.stderrLines(),
            missingFolderReports("casegen", inputFile, "cannot open for writing"));
  EXPECT_TRUE(folder.files().empty());
  EXPECT_FALSE(folder.exists("inputs"));
}

TEST(CasegenTest, CaseFileThatCannotBeOpenedSpoilsNoOther) {
  WorkFolder folder({"inputs"});
  std::filesystem::create_directory(folder.path() / "inputs" / "input03.txt");
  const RunResult result = folder.run(CASEGEN_EXE);
  EXPECT_EQ(result.exitStatus, 1);
  const auto lines = result.stderrLines();
  ASSERT_EQ(lines.size(), 1u) << result.stderrText;
  EXPECT_EQ(
      lines[0].rfind("casegen: " + shownPath(inputFile(3)) + ": cannot open for writing: ", 0), 0u)
      << lines[0];
  expectCaseFiles(folder, {1, 2, 4, 5});
}

#ifndef _WIN32
TEST(CasegenTest, WriteFailureIsReportedAndLaterCasesAreWritten) {
  WorkFolder folder({"inputs"});
  std::filesystem::create_symlink("/dev/full", folder.path() / "inputs" / "input02.txt");
  const RunResult result = folder.run(CASEGEN_EXE);
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.stderrLines(),
            std::vector<std::string>{"casegen: " + shownPath(inputFile(2)) +
                                     ": cannot write: " + std::strerror(ENOSPC)});
  expectCaseFiles(folder, {1, 3, 4, 5});
}
#endif

}  // namespace
}  // namespace e2e
