#include "link/module_finder.h"

#include <gtest/gtest.h>

#include "link/console.h"
#include "link/qt_serial_port.h"
#include "tests/support/pty_pair.h"
#include "tests/support/simulated_module.h"

namespace q4410 {
namespace {

// The simulator among a free pseudo-terminal where nothing answers and a port another
// program holds; a second simulator is left inside a word edit, which the probe leaves
// without changing a word.
TEST(ModuleFinder, FindsTheModulesAndSaysWhatTheOtherPortsDid) {
  testing::SimulatedModule qt;
  sim::SimOptions r;
  r.controller = "5160r";
  testing::SimulatedModule editing(r);
  testing::SimulatedModule held;
  testing::PtyPair silent;
  ASSERT_TRUE(qt.started() && editing.started() && held.started() && silent.ok());
  QtSerialPort other;
  ASSERT_TRUE(other.Open(held.device()).ok());
  {
    QtSerialPort typing;
    ASSERT_TRUE(typing.Open(editing.device()).ok());
    Console console(typing, PlainConsoleEnv());
    ASSERT_TRUE(console.SendCommand("use eeprom", "[EEPROM:]"));
    ASSERT_TRUE(console.SendCommand("block 0", "[EEPROM:]"));
    ASSERT_TRUE(console.SendCommand("el 40", "-->"));
  }
  const std::vector<char> image = editing.ImageBytes();

  struct Case {
    std::string port;
    ProbeOutcome outcome;
    std::string description;
  };
  const Case cases[] = {
      {qt.device(), ProbeOutcome::Found, "5160QT answered"},
      {editing.device(), ProbeOutcome::Found, "5160r answered"},
      {silent.device(), ProbeOutcome::Silent, "no answer"},
      {held.device(), ProbeOutcome::Busy, "busy (in use by another program)"},
  };
  QtSerialPort serial;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.description);
    const ProbeResult result = ProbePort(serial, c.port, PlainConsoleEnv());
    EXPECT_EQ(result.outcome, c.outcome);
    EXPECT_EQ(DescribeProbe(result), c.description);
    EXPECT_FALSE(serial.IsOpen());
  }
  EXPECT_EQ(editing.ImageBytes(), image);
}

}  // namespace
}  // namespace q4410
