// q4410ctl --trace: what crossed the line, readable, on stderr.
#include <gtest/gtest.h>

#include "sim/image_report.h"
#include "tests/support/ctl_process.h"
#include "tests/support/simulated_module.h"

namespace q4410 {
namespace {

TEST(TraceOption, ReadShowsTheTypedCommandsAndThePromptsInOrder) {
  testing::SimulatedModule module(sim::ExampleImage(), {});
  ASSERT_TRUE(module.started());
  const auto run = testing::RunCtl(
      {"read", "--port", QString::fromStdString(module.device()), "--json", "--trace", "-"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  std::size_t at = 0;
  // Received text may come in chunks of any size: the prompts are looked for on their own.
  for (const char* line : {"-- open ", ">> exit\\r", "5160QT>", ">> use eeprom\\r", "[EEPROM:]",
                           ">> el 40\\r", "Long(40)=", ">> block 2\\r", "[EEPROM:]", "-- close"}) {
    at = run.err.find(line, at);
    ASSERT_NE(at, std::string::npos) << line << " missing, or out of order, in:\n" << run.err;
  }
}

}  // namespace
}  // namespace q4410
