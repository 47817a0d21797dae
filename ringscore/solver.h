// The solver's work for one case: read a ring-case file, and write its score
// file with one line per ring string, as countPoints computes it.
//
// Ring-case file: a count t (decimal, t >= 0), then t ring strings, all of
// them tokens separated by any whitespace. Anything after the t-th ring string
// is never read. Score file: t lines, each a score from 0 to 10.
//
// Out-of-format input is reported, never scored silently: a bad count leaves
// the score file empty; a ring string with a stray pair is reported and still
// scored, so the score lines stay aligned with the ring strings; a file that
// ends early keeps the scores of the strings it held. A file that starts with
// a UTF-8 byte-order mark is reported and scored without the mark; a UTF-16
// file is reported and not scored.
#ifndef RINGSCORE_SOLVER_H_
#define RINGSCORE_SOLVER_H_

#include <cstdio>
#include <functional>
#include <string>

#include "common/problem.h"

namespace ringscore {

using Report = std::function<void(const common::Problem&)>;

// Scores the ring-case file read from `in` onto `out`, one flushed line per
// ring string, and passes each problem found to `report`. The paths only name
// the files in the problems.
// REQUIRES: `in` is open for reading and `out` for writing.
void scoreRingCase(std::FILE* in, std::FILE* out, const std::string& inPath,
                   const std::string& outPath, const Report& report);

// Reopens standard output onto the case's score file (created or truncated),
// then standard input onto its ring-case file, and scores the case. Each
// reopen starts the stream afresh, so nothing from an earlier case carries in.
// REQUIRES: 1 <= caseNumber <= common::kCaseCount.
void scoreCase(int caseNumber, const Report& report);

}  // namespace ringscore

#endif  // RINGSCORE_SOLVER_H_
