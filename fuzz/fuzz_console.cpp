// The console exchanges against arbitrary replies: any bytes, cut into any pieces, arriving at
// any moment (or never), with or without an echo, and an output that may not drain.
// Checked: every exchange ends within its reply window plus the typing (the windows never
// freeze), and a reply reported found holds nothing from the expected text on.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <optional>
#include <string>

#include "check.h"
#include "link/console.h"
#include "tests/support/scripted_port.h"

namespace {

using q4410::fuzz::Check;
using q4410::testing::microseconds;

constexpr std::array<const char*, 8> kCommands = {"",           "/q",      ".",     "exit",
                                                  "use eeprom", "block 0", "el 40", "12345"};
constexpr std::array<const char*, 5> kExpected = {">", "[EEPROM:]", "5160QT>", "5160r>", ""};
constexpr std::array<const char*, 4> kKeys = {"Long(0)=", "Long(40)=", "Long(44)=", " Long(4)= "};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  q4410::testing::FakeClock clock;
  q4410::testing::ScriptedPort port(clock);
  const bool echo = in.ConsumeBool();
  port.readCost = microseconds(in.ConsumeIntegralInRange(0, 300));

  // Output that leaves the port only after some passes through the event loop.
  int stuckPasses = 0;
  const q4410::ConsoleEnv env{[&] { return clock.now; },
                              [&] {
                                clock.now += microseconds(100);
                                port.stuckOut = --stuckPasses > 0;
                              }};
  // The module's side: after each line, pieces of reply bytes at chosen delays.
  port.onByte = [&](char c) {
    if (echo && c != '\r') port.Schedule(clock.now + microseconds(60), std::string(1, c));
    if (c != '\r') return;
    stuckPasses = in.ConsumeIntegralInRange(0, 3) == 0 ? in.ConsumeIntegralInRange(0, 12) : 0;
    port.stuckOut = stuckPasses > 0;
    const int pieces = in.ConsumeIntegralInRange(0, 4);
    auto at = clock.now;
    for (int i = 0; i < pieces; ++i) {
      at += microseconds(in.ConsumeIntegralInRange(0, 250000));
      port.Schedule(at, in.ConsumeRandomLengthString(96));
    }
  };

  q4410::Console console(port, env);
  for (int op = 0; op < 12 && in.remaining_bytes() > 0; ++op) {
    const auto start = clock.now;
    const std::string command = in.PickValueInArray(kCommands);
    const int call = in.ConsumeIntegralInRange(0, 2);
    std::optional<uint32_t> word;
    if (call == 2) {
      console.ReadConsoleValue(command, in.PickValueInArray(kKeys), word);
    } else {
      const std::string expected = in.PickValueInArray(kExpected);
      if (call == 1)
        console.TryCommand(command, expected);
      else if (console.SendCommand(command, expected))
        Check(console.Reply().find(expected) == std::string::npos, "reply holds the prompt");
    }
    // Typing (at most a pause per character), draining, the reply window; a line abandoned at
    // a value prompt adds the line that erases it and its own reply window.
    const std::size_t typedBound = 2 * (command.size() + 1) + 2;
    const auto limit =
        microseconds(2 * 200000) + typedBound * (q4410::kCharacterPause + microseconds(1100));
    Check(clock.now - start <= limit, "an exchange outlasted its reply window");
    Check(console.Reply().size() <= 64 * 1024, "reply grew without bound");
  }
  return 0;
}
