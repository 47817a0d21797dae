#include "ringscore/token_reader.h"

#include <cerrno>
#include <cstring>

namespace ringscore {

namespace {

// Space, tab, line feed, vertical tab, form feed and carriage return, as in
// the classic locale: as a string for strcspn, which finds the end of a
// token, and as a table for the bytes between tokens.
constexpr char kSpaceChars[] = " \t\n\v\f\r";

struct SpaceTable {
  bool space[256] = {};
  constexpr SpaceTable() {
    for (const char c : std::string_view(kSpaceChars)) space[static_cast<unsigned char>(c)] = true;
  }
};
constexpr SpaceTable kSpaces;

bool isSpace(char c) { return kSpaces.space[static_cast<unsigned char>(c)]; }

}  // namespace

// Two bytes more than a block: the space that ends every scan, and a NUL
// that makes the block a C string for strcspn.
TokenReader::TokenReader(std::FILE* in, std::size_t blockSize) : in_(in), block_(blockSize + 2) {}

bool TokenReader::refill() {
  if (done_) return false;
  errno = 0;
  const std::size_t blockSize = block_.size() - 2;
  end_ = std::fread(block_.data(), 1, blockSize, in_);
  block_[end_] = ' ';
  block_[end_ + 1] = '\0';
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
  // The C library scans many bytes at a time; it also stops at a NUL, which
  // in a case file is part of a token.
  for (;;) {
    pos += std::strcspn(block_.data() + pos, kSpaceChars);
    if (block_[pos] != '\0') return pos;
    ++pos;
  }
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
