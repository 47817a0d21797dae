#include "common/platform.h"

#include <gtest/gtest.h>

namespace common {
namespace {

TEST(ShouldWaitForEnterTest, OnlyAReportingRunAloneInItsConsoleWithAKeyboard) {
  struct Row {
    ConsoleFacts facts;
    bool waits;
  };
  const Row rows[] = {
      // reported, alone, input is console
      {{true, true, true}, true},     // double-clicked, and something went wrong
      {{false, true, true}, false},   // a clean run never waits
      {{true, false, true}, false},   // started from cmd, PowerShell or a script
      {{true, true, false}, false},   // no one can press Enter
      {{false, false, false}, false},
      {{true, false, false}, false},
      {{false, true, false}, false},
      {{false, false, true}, false},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(shouldWaitForEnter(row.facts), row.waits)
        << "reported " << row.facts.reported << ", alone " << row.facts.aloneInConsole
        << ", input is console " << row.facts.inputIsConsole;
  }
}

}  // namespace
}  // namespace common
