// ringscore: the reference solution of the ring exercise. Turns the ring-case
// files inputs/input01.txt to inputs/input05.txt of the working folder into
// the score files outputs/output01.txt to outputs/output05.txt. Arguments are
// ignored.
#include <cstdio>

#include "common/case_path.h"
#include "common/platform.h"
#include "common/problem.h"
#include "ringscore/solver.h"

int main() {
  int status = common::kExitClean;
  const ringscore::Report report = [&status](const common::Problem& problem) {
    std::fprintf(stderr, "%s\n", common::formatProblem("ringscore", problem).c_str());
    status = common::kExitProblems;
  };
  for (int i = 1; i <= common::kCaseCount; ++i) ringscore::scoreCase(i, report);
  common::keepReportsOnScreen("ringscore", status != common::kExitClean);
  return status;
}
