// Every number that casegen writes comes from here: one MT19937 engine for the
// whole process, seeded once from the steady clock before `main` runs, and a
// uniform draw over a closed range. No particular sequence is ever needed, so
// each run writes different files.
#ifndef CASEGEN_RANDOM_DRAWS_H_
#define CASEGEN_RANDOM_DRAWS_H_

#include <cstdint>
#include <random>

namespace random_tests {

// The process's only engine. Only this unit and its tests touch it.
extern std::mt19937 rng;

// The seed taken from a steady-clock reading in nanoseconds: its low 32 bits.
// The bits above are dropped, so a seed never depends on them.
std::uint32_t seedFromNanos(std::int64_t nanos);

// Returns an int drawn uniformly from [l, r], both ends included, and advances
// `rng`.
// REQUIRES: l <= r.
int getRand(int l, int r);

}  // namespace random_tests

#endif  // CASEGEN_RANDOM_DRAWS_H_
