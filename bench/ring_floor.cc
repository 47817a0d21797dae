// The floor for ringscore's speed: in the same working folder it reads the
// same five ring-case files in large blocks and writes one score line per
// ring string, each with a write call of its own, as ringscore must. It
// scores nothing, so no ringscore can be faster. Expects one ring string per
// line after the count line, as the benchmark writes them.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "common/case_path.h"

int main() {
  std::vector<char> block(1 << 20);
  for (int i = 1; i <= common::kCaseCount; ++i) {
    const std::string in = common::casePath(common::kInputPrefix, i);
    const std::string out = common::casePath(common::kOutputPrefix, i);
    const int outFd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int inFd = open(in.c_str(), O_RDONLY);
    if (outFd < 0 || inFd < 0) {
      std::perror("ring_floor");
      return 1;
    }
    bool countLine = true;  // the first line is the count, not a ring string
    for (ssize_t got; (got = read(inFd, block.data(), block.size())) > 0;) {
      const char* p = block.data();
      const char* end = p + got;
      while ((p = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p))))) {
        ++p;
        if (countLine) {
          countLine = false;
        } else if (write(outFd, "0\n", 2) != 2) {
          std::perror("ring_floor");
          return 1;
        }
      }
    }
    close(inFd);
    close(outFd);
  }
  return 0;
}
