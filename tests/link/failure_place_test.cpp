// A failed console exchange says where: the line sent, the text awaited, why, and the last
// characters received with control characters shown.
#include <gtest/gtest.h>

#include "link/console.h"
#include "tests/support/scripted_port.h"

namespace q4410 {
namespace {

using testing::FakeClock;
using testing::ScriptedPort;

TEST(FailurePlace, NamesTheExchangeWhyAndWhatArrived) {
  struct Case {
    bool value;  // ReadConsoleValue, else SendCommand
    std::string command, awaited, answer, detail;
  };
  const Case cases[] = {
      {false, "use eeprom", "[EEPROM:]",
       "use eeprom\r\nUnknown command: use eeprom\r\n\x1b[0m5160QT>",  // the last 48 shown
       "sent \"use eeprom\", awaited \"[EEPROM:]\": not received within 200 ms; last received "
       "\"eeprom\\r\\nUnknown command: use eeprom\\r\\n\\x1b[0m5160QT>\""},
      {true, "el 40", "Long(40)=", "el 40\r\nLong(44)=5-->",
       "sent \"el 40\", awaited \"Long(40)=\": the value prompt shows another word; last "
       "received \"el 40\\r\\nLong(44)=5-->\""},
      {true, "el 40", "Long(40)=", "",
       "sent \"el 40\", awaited \"Long(40)=\": no value prompt within 200 ms; nothing received"},
  };
  for (const Case& c : cases) {
    FakeClock clock;
    ScriptedPort port{clock};
    port.answer = [&](const std::string&) {
      return std::vector<ScriptedPort::Chunk>{{std::chrono::microseconds(300), c.answer}};
    };
    port.Open("");
    Console console(port, clock.Env());
    std::optional<uint32_t> word;
    EXPECT_FALSE(c.value ? console.ReadConsoleValue(c.command, c.awaited, word)
                         : console.SendCommand(c.command, c.awaited));
    EXPECT_EQ(Describe(console.LastFailure()), c.detail);
  }
}

}  // namespace
}  // namespace q4410
