// The descriptor behind a stream: the only code of the programs beyond the
// standard library on other platforms.
#include <unistd.h>

#include <cerrno>

#include "common/platform.h"

namespace common {

bool writeNow(std::FILE* stream, std::string_view bytes) {
  const int fd = fileno(stream);
  if (fd < 0) {
    return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size() &&
           std::fflush(stream) == 0;
  }
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = EIO;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// A terminal outlives the programs run in it, so nothing is lost at exit.
void keepReportsOnScreen(std::string_view, bool) {}

}  // namespace common
