#include "ringscore/token_reader.h"

#include <cerrno>

namespace ringscore {

namespace {

// Space, tab, line feed, vertical tab, form feed and carriage return, as in
// the classic locale. A table: the scan over every byte is the reader's cost.
struct SpaceTable {
  bool space[256] = {};
  constexpr SpaceTable() {
    for (const char c : {' ', '\t', '\n', '\v', '\f', '\r'})
      space[static_cast<unsigned char>(c)] = true;
  }
};
constexpr SpaceTable kSpaces;

bool isSpace(char c) { return kSpaces.space[static_cast<unsigned char>(c)]; }

}  // namespace

// One byte more than a block, for the space that ends every scan.
TokenReader::TokenReader(std::FILE* in, std::size_t blockSize) : in_(in), block_(blockSize + 1) {}

bool TokenReader::refill() {
  if (done_) return false;
  errno = 0;
  const std::size_t blockSize = block_.size() - 1;
  end_ = std::fread(block_.data(), 1, blockSize, in_);
  block_[end_] = ' ';
  pos_ = 0;
  if (end_ < blockSize) {
    done_ = true;
    if (std::ferror(in_)) readError_ = errno != 0 ? errno : EIO;
  }
  return end_ > 0;
}

bool TokenReader::skipPrefix(std::string_view prefix) {
  if (pos_ == end_ && !refill()) return false;
  if (std::string_view(block_.data() + pos_, end_ - pos_).substr(0, prefix.size()) != prefix) {
    return false;
  }
  pos_ += prefix.size();
  return true;
}

std::size_t TokenReader::tokenEnd(std::size_t pos) const {
  while (!isSpace(block_[pos])) ++pos;
  return pos;
}

bool TokenReader::next(std::string_view& token, long& line) {
  for (;;) {  // skip whitespace
    if (pos_ == end_ && !refill()) {
      token = {};
      line = line_;
      return false;
    }
    const char c = block_[pos_];
    if (!isSpace(c)) break;
    if (c == '\n') ++line_;
    ++pos_;
  }
  line = line_;
  const std::size_t start = pos_;
  pos_ = tokenEnd(pos_);
  if (pos_ < end_) {  // nearly always: the token lies within the block
    token = std::string_view(block_.data() + start, pos_ - start);
    return true;
  }
  // The token reaches the end of the block and may go on in the next ones;
  // the end of the input ends it too.
  carry_.assign(block_.data() + start, pos_ - start);
  while (refill()) {
    pos_ = tokenEnd(0);
    carry_.append(block_.data(), pos_);
    if (pos_ < end_) break;
  }
  token = carry_;
  return true;
}

}  // namespace ringscore
