// Times ringscore against its floor in a working folder made by
// make_ring_set, and reports the ratio and ringscore's peak memory. Usage:
//   ringscore_bench RINGSCORE FLOOR LARGE_DIR SMALL_DIR
// The runs alternate between the two programs, so that both see the same
// machine, and the medians of 5 are compared. SMALL_DIR holds a smaller set,
// to show that memory does not grow with the number of ring strings. Every
// score file ringscore writes is checked byte for byte against the expected
// one. This process stays small: a child's peak memory counts the image it
// was started from.
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kRuns = 5;

struct Run {
  double seconds = 0;
  double peakMiB = 0;
  bool ok = false;  // exited with 0
};

Run runIn(const fs::path& dir, const std::string& program) {
  const fs::path previous = fs::current_path();
  fs::current_path(dir);
  char* const args[] = {const_cast<char*>(program.c_str()), nullptr};
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program.c_str(), nullptr, nullptr, args, environ);
  fs::current_path(previous);
  Run run;
  if (spawned != 0) return run;
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024;  // ru_maxrss is in KiB
  run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return run;
}

bool sameBytes(const fs::path& a, const fs::path& b) {
  std::ifstream x(a, std::ios::binary), y(b, std::ios::binary);
  return x && y &&
         std::equal(std::istreambuf_iterator<char>(x), {}, std::istreambuf_iterator<char>(y), {});
}

bool scoresMatch(const fs::path& dir) {
  for (int i = 1; i <= 5; ++i) {
    const std::string name = "output0" + std::to_string(i) + ".txt";
    if (!sameBytes(dir / "outputs" / name, dir / "expected" / name)) return false;
  }
  return true;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: ringscore_bench RINGSCORE FLOOR LARGE_DIR SMALL_DIR\n");
    return 2;
  }
  const std::string ringscore = fs::absolute(argv[1]).string();
  const std::string floor = fs::absolute(argv[2]).string();
  const fs::path large = fs::absolute(argv[3]);
  const fs::path small = fs::absolute(argv[4]);

  std::vector<double> ringTimes, floorTimes;
  double ringPeak = 0, floorPeak = 0;
  for (int k = 0; k < kRuns; ++k) {
    const Run ring = runIn(large, ringscore);
    if (!ring.ok || !scoresMatch(large)) {
      std::fprintf(stderr, "ringscore_bench: ringscore failed, or its scores differ\n");
      return 1;
    }
    const Run bottom = runIn(large, floor);
    if (!bottom.ok) {
      std::fprintf(stderr, "ringscore_bench: the floor failed\n");
      return 1;
    }
    ringTimes.push_back(ring.seconds);
    floorTimes.push_back(bottom.seconds);
    ringPeak = std::max(ringPeak, ring.peakMiB);
    floorPeak = std::max(floorPeak, bottom.peakMiB);
  }
  const Run smallRun = runIn(small, ringscore);
  if (!smallRun.ok || !scoresMatch(small)) {
    std::fprintf(stderr,
                 "ringscore_bench: ringscore failed on the small set, or its scores differ\n");
    return 1;
  }

  const double ringMedian = median(ringTimes), floorMedian = median(floorTimes);
  std::printf("ringscore median:    %.3f s\n", ringMedian);
  std::printf("floor median:        %.3f s\n", floorMedian);
  std::printf("ratio:               %.2f (bar 1.15)\n", ringMedian / floorMedian);
  std::printf("ringscore peak RSS:  %.2f MiB (bar 8 MiB); %.2f MiB on the small set\n", ringPeak,
              smallRun.peakMiB);
  std::printf("floor peak RSS:      %.2f MiB\n", floorPeak);
  std::printf("scores:              byte-identical to the plain scorer's\n");
  return 0;
}
