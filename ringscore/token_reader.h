// Reads the whitespace-separated tokens of one file in large blocks, and knows
// the line that each token starts on. What it has read ahead dies with it, so
// a reader for each case file keeps the cases apart.
#ifndef RINGSCORE_TOKEN_READER_H_
#define RINGSCORE_TOKEN_READER_H_

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace ringscore {

class TokenReader {
 public:
  static constexpr std::size_t kDefaultBlockSize = 64 * 1024;

  // REQUIRES: `in` is open for reading and outlives the reader; blockSize > 0.
  explicit TokenReader(std::FILE* in, std::size_t blockSize = kDefaultBlockSize);

  // If the input goes on with `prefix`, skips it and returns true. The bytes
  // skipped belong to no token and to line 1.
  // REQUIRES: next() has not been called, and the prefixes skipped so far
  // and `prefix` fit in one block together.
  bool skipPrefix(std::string_view prefix);

  // Reads the next token; `token` views it until the next call. Returns
  // false at the end of the input or on a read error (see readError()).
  // `line` is set to the 1-based line the token starts on, or at the end, to
  // the line the input ended on.
  bool next(std::string_view& token, long& line);

  // The errno of the read that failed, or 0 if the input simply ended.
  int readError() const { return readError_; }

 private:
  // Loads the next block. Returns false when there is nothing more to read.
  bool refill();
  // The position of the first whitespace byte at or after `pos` in the
  // block; the space after the block stops the scan at its end.
  std::size_t tokenEnd(std::size_t pos) const;

  std::FILE* in_;
  std::vector<char> block_;  // a block, a space and a NUL after it
  std::string carry_;        // a token that spans blocks, put together
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  long line_ = 1;
  bool done_ = false;
  int readError_ = 0;
};

}  // namespace ringscore

#endif  // RINGSCORE_TOKEN_READER_H_
