// The generator's work for one case: a random instance of 1 to 20 records of
// three integers from 1 to 1000000, written to the case's input file through
// standard output.
//
// File format: line 1 holds the record count n; lines 2 to n + 1 hold one
// record each, its three values separated by one space. Every line ends with
// a newline (CR LF on Windows, where the file is written in text mode).
#ifndef CASEGEN_GENERATOR_H_
#define CASEGEN_GENERATOR_H_

#include <optional>

#include "common/problem.h"

namespace casegen {

// Reopens standard output onto the case's input file (created or truncated)
// and writes a fresh random instance to it, flushing each record line.
// Returns the problem that stopped the case, if any; the caller goes on with
// the next case either way.
// REQUIRES: 1 <= caseNumber <= common::kCaseCount.
std::optional<common::Problem> generateCase(int caseNumber);

}  // namespace casegen

#endif  // CASEGEN_GENERATOR_H_
