#include "casegen/random_draws.h"

#include <chrono>

namespace random_tests {

std::uint32_t seedFromNanos(std::int64_t nanos) {
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(nanos));
}

namespace {

std::uint32_t clockSeed() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  return seedFromNanos(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

}  // namespace

// Seeded during static initialisation, before `main`.
std::mt19937 rng(clockSeed());

int getRand(int l, int r) {
  std::uniform_int_distribution<int> uid(l, r);
  return uid(rng);
}

}  // namespace random_tests
