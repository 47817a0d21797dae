#include "common/platform.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace common {
namespace {

TEST(ShouldWaitForEnterTest, OnlyAReportingRunAloneInItsConsoleWithAKeyboard) {
  struct Row {
    ConsoleFacts facts;
    bool waits;
  };
  const Row rows[] = {
      // reported, alone, input is console
      {{true, true, true}, true},      // double-clicked, and something went wrong
      {{false, true, true}, false},    // a clean run never waits
      {{true, false, true}, false},    // started from cmd, PowerShell or a script
      {{true, true, false}, false},    // no one can press Enter
      {{false, false, false}, false},  // a clean run of a script fed from a file
      {{true, false, false}, false},   // a failed run of that script
      {{false, true, false}, false},   // a clean scheduled task
      {{false, false, true}, false},   // a clean run from cmd
  };
  for (const Row& row : rows) {
    EXPECT_EQ(shouldWaitForEnter(row.facts), row.waits)
        << "reported " << row.facts.reported << ", alone " << row.facts.aloneInConsole
        << ", input is console " << row.facts.inputIsConsole;
  }
}

std::string fileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(WriteNowTest, LinesReachTheFileAtOnceAsTextModeWritesThem) {
  const auto file = std::filesystem::temp_directory_path() / "casekit-write-now-test.txt";
  std::FILE* stream = std::fopen(file.string().c_str(), "w");
  ASSERT_NE(stream, nullptr);
  EXPECT_TRUE(writeNow(stream, "1\n"));
  EXPECT_TRUE(writeNow(stream, "10\n"));
  // Read while the stream is still open: nothing waits in a buffer.
#ifdef _WIN32
  EXPECT_EQ(fileBytes(file), "1\r\n10\r\n");
#else
  EXPECT_EQ(fileBytes(file), "1\n10\n");
#endif
  std::fclose(stream);
  std::filesystem::remove(file);
}

#ifndef _WIN32
TEST(WriteNowTest, AFailedWriteSetsErrno) {
  std::FILE* stream = std::fopen("/dev/full", "w");
  ASSERT_NE(stream, nullptr);
  errno = 0;
  EXPECT_FALSE(writeNow(stream, "1\n"));
  EXPECT_EQ(errno, ENOSPC);
  std::fclose(stream);
}
#endif

}  // namespace
}  // namespace common
