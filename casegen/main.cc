// casegen: writes a fresh set of random test inputs, inputs/input01.txt to
// inputs/input05.txt, in the working folder. Arguments are ignored.
#include <cstdio>

#include "casegen/generator.h"
#include "common/case_path.h"
#include "common/platform.h"
#include "common/problem.h"

int main() {
  int status = common::kExitClean;
  for (int i = 1; i <= common::kCaseCount; ++i) {
    if (const auto problem = casegen::generateCase(i)) {
      std::fprintf(stderr, "%s\n", common::formatProblem("casegen", *problem).c_str());
      status = common::kExitProblems;
    }
  }
  common::keepReportsOnScreen("casegen", status != common::kExitClean);
  return status;
}
