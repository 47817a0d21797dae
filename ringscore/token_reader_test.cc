#include "ringscore/token_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ringscore {
namespace {

using Tokens = std::vector<std::pair<std::string, long>>;

// Every token of `text` with its line, read in blocks of `blockSize` bytes.
// The file is binary so that the bytes reach the reader as written.
Tokens readAll(const std::string& text, std::size_t blockSize) {
  std::FILE* file = std::tmpfile();
  EXPECT_NE(file, nullptr);
  if (file == nullptr) return {};
  std::fwrite(text.data(), 1, text.size(), file);
  std::rewind(file);
  TokenReader reader(file, blockSize);
  Tokens tokens;
  std::string_view token;
  long line = 0;
  while (reader.next(token, line)) tokens.emplace_back(std::string(token), line);
  EXPECT_EQ(reader.readError(), 0);
  std::fclose(file);
  return tokens;
}

TEST(TokenReaderTest, SplitsOnAnyWhitespaceAndCountsLines) {
  const Tokens expected = {{"3", 1}, {"R0G0B0", 2}, {"R5", 2}, {"G9B9R9", 4}};
  for (std::size_t blockSize : {1u, 2u, 3u, 64u * 1024u}) {
    SCOPED_TRACE(blockSize);
    EXPECT_EQ(readAll("3\nR0G0B0 \t R5\n\v\f\nG9B9R9\n", blockSize), expected);
    EXPECT_EQ(readAll("3\r\nR0G0B0 \t R5\r\n\v\f\r\nG9B9R9\r\n", blockSize), expected);
    // No final newline: the last token runs up to the end of the file.
    EXPECT_EQ(readAll("3\nR0G0B0 \t R5\n\v\f\nG9B9R9", blockSize), expected);
  }
}

TEST(TokenReaderTest, NulBytesBelongToTheirToken) {
  const Tokens expected = {{"2", 1}, {std::string("\0R\0G1\0", 6), 2}, {"B1", 3}};
  for (std::size_t blockSize : {1u, 2u, 3u, 64u * 1024u}) {
    SCOPED_TRACE(blockSize);
    EXPECT_EQ(readAll(std::string("2\n\0R\0G1\0\nB1\n", 12), blockSize), expected);
  }
}

TEST(TokenReaderTest, TokenLongerThanTheBlock) {
  const std::string ring(100000, 'R');
  const Tokens tokens = readAll("1\n" + ring + "\n", 4096);
  ASSERT_EQ(tokens.size(), 2u);
  EXPECT_EQ(tokens[1], std::make_pair(ring, 2L));
}

TEST(TokenReaderTest, EmptyOrBlankInputEndsOnItsLastLine) {
  for (const auto& [text, lastLine] : {std::pair<std::string, long>{"", 1}, {" \n\n ", 3}}) {
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    std::fwrite(text.data(), 1, text.size(), file);
    std::rewind(file);
    TokenReader reader(file, 2);
    std::string_view token = "stale";
    long line = 0;
    EXPECT_FALSE(reader.next(token, line));
    EXPECT_EQ(token, "");
    EXPECT_EQ(line, lastLine);
    std::fclose(file);
  }
}

TEST(TokenReaderTest, SkipsAPrefixOnlyWhereTheInputStartsWithIt) {
  struct Row {
    std::string text;
    bool skipped;
    Tokens tokens;
  };
  const std::string bom = "\xEF\xBB\xBF";
  const Row rows[] = {
      {bom + "2\nR1\n", true, {{"2", 1}, {"R1", 2}}},
      {bom + "\n2", true, {{"2", 2}}},
      {bom, true, {}},
      {"2 " + bom + "\n", false, {{"2", 1}, {bom, 1}}},  // not at the start: an ordinary token
      {"\xEF\xBB", false, {{"\xEF\xBB", 1}}},            // shorter than the prefix
      {"", false, {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::PrintToString(row.text));
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    std::fwrite(row.text.data(), 1, row.text.size(), file);
    std::rewind(file);
    TokenReader reader(file, 4);
    EXPECT_EQ(reader.skipPrefix(bom), row.skipped);
    Tokens tokens;
    std::string_view token;
    long line = 0;
    while (reader.next(token, line)) tokens.emplace_back(std::string(token), line);
    EXPECT_EQ(tokens, row.tokens);
    std::fclose(file);
  }
}

}  // namespace
}  // namespace ringscore
