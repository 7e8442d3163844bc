// A whole connect against a simulated module holding an arbitrary EEPROM image, over a line
// that cuts replies into pieces, delays them, repeats prompts, adds stray bytes and carriage
// returns, swallows or truncates replies, with or without an echo.
//
// The line never invents a value: stray bytes carry no digits, signs or ">" (a garbled value
// cannot be told from a real one). Checked, whatever happens:
//  - a read changes no word of the module;
//  - a value is typed only at a value prompt that is the last thing the console said (nothing
//    after its marker but the echo of what was typed), and it is the value that prompt showed;
//  - a connect that succeeds holds exactly the words the module stores.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <string>
#include <utility>

#include "check.h"
#include "config/eeprom_image.h"
#include "config/numbers.h"
#include "link/connect_procedure.h"
#include "sim/image_report.h"
#include "sim/module_console.h"
#include "tests/support/recording_observer.h"
#include "tests/support/scripted_port.h"

namespace {

using q4410::fuzz::Check;
using q4410::sim::ModuleConsole;
using q4410::testing::microseconds;

// Stray bytes: anything but what could make up or change a value.
std::string Stray(std::string bytes) {
  for (char& c : bytes)
    if ((c >= '0' && c <= '9') || c == '-' || c == '>') c = 'x';
  return bytes;
}

// The module behind the line, and the checks on what the program types.
struct Line {
  FuzzedDataProvider& in;
  q4410::testing::FakeClock& clock;
  q4410::testing::ScriptedPort& port;
  ModuleConsole& module;
  microseconds echoDelay;
  std::string line{};
  size_t lineStart = 0;
  bool promptWasLast = true;

  void Typed(char c) {
    if (module.level() == ModuleConsole::Level::Edit) CheckValueCharacter(c);
    if (c != '\r') {
      line += c;
      port.Schedule(clock.now + echoDelay, module.Type(std::string(1, c)));
      return;
    }
    CheckValueLine();
    line.clear();
    lineStart = port.Arrived().size();
    Answer(module.Type("\r"));
  }

  // What the program could have seen since the line began, up to its last value marker, and what
  // came after it.
  bool ValuePrompt(std::string& shown, std::string& after) {
    const std::string& all = port.Arrived();
    const std::string arrived = all.substr(lineStart, std::max(port.Seen(), lineStart) - lineStart);
    const size_t marker = arrived.rfind("-->");
    if (marker == std::string::npos) return false;
    const size_t equals = arrived.rfind(")=", marker);
    if (equals == std::string::npos) return false;
    shown = arrived.substr(equals + 2, marker - equals - 2);
    // Blanks are nothing said: the console drops them at the ends of what it receives.
    after = arrived.substr(marker + 3);
    std::erase(after, ' ');
    return true;
  }

  // Whether the value prompt was the last thing said when `c` was typed at it.
  void CheckValueCharacter(char c) {
    if (c == '\b' || c == '.' || c == '\r') return;
    std::string shown, after;
    if (!ValuePrompt(shown, after) || !line.starts_with(after)) promptWasLast = false;
  }

  // A line the module takes as a value: it is the value shown, typed while its prompt was the
  // last thing said.
  void CheckValueLine() {
    const bool wasLast = std::exchange(promptWasLast, true);
    if (module.level() != ModuleConsole::Level::Edit) return;
    std::string typed;
    for (char c : line)
      if (c != '\b')
        typed += c;
      else if (!typed.empty())
        typed.pop_back();
    typed = q4410::Trim(typed);
    if (typed.empty() || typed.find_first_not_of("+-0123456789") != std::string::npos) return;
    Check(wasLast, "a value typed at a prompt that was not the last thing said");
    std::string shown, after;
    Check(ValuePrompt(shown, after) && typed == q4410::Trim(shown),
          "a value typed that the prompt did not show");
  }

  // The reply of the module to a line, as the line delivers it.
  void Answer(std::string reply) {
    std::string late;
    const int fault = in.ConsumeIntegralInRange(0, 12);
    if (fault == 1)  // a stray carriage return reaches the module right after the line
      reply += module.Type("\r");
    if (fault == 2)  // the prompt repeated, at once or late
      late = reply.substr(reply.rfind('\n') == std::string::npos ? 0 : reply.rfind('\n') + 1);
    if (fault == 3)  // stray bytes before the reply
      reply = Stray(in.ConsumeRandomLengthString(24)) + reply;
    if (fault == 4)  // stray bytes after the reply, at once or late
      late = Stray(in.ConsumeRandomLengthString(24));
    if (fault == 5)  // the reply is lost
      reply.clear();
    if (fault == 6)  // the reply is cut short
      reply.resize(in.ConsumeIntegralInRange<size_t>(0, reply.size()));
    const microseconds lateDelay(fault == 2 || fault == 4 ? in.ConsumeIntegralInRange(0, 8000) : 0);
    // The reply in pieces, the first after the module's latency.
    auto at = clock.now + microseconds(in.ConsumeIntegralInRange(0, 400));
    while (!reply.empty()) {
      const size_t piece = in.ConsumeIntegralInRange<size_t>(1, reply.size());
      port.Schedule(at, reply.substr(0, piece));
      reply.erase(0, piece);
      at += microseconds(in.ConsumeIntegralInRange(0, 300));
    }
    port.Schedule(at + lateDelay, late);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  q4410::sim::EepromStore store =
      in.ConsumeBool() ? q4410::sim::ExampleImage() : q4410::sim::EepromStore();
  const int changes = in.ConsumeIntegralInRange(0, 8);
  for (int i = 0; i < changes; ++i) {
    const int block = in.ConsumeIntegralInRange(0, 2);
    const int offset = 4 * in.ConsumeIntegralInRange(0, 63);
    store.SetWord(block, offset, in.ConsumeIntegral<uint32_t>());
  }
  const q4410::sim::EepromStore before = store;

  q4410::sim::SimOptions options;
  options.controller = in.ConsumeBool() ? "5160QT" : "5160r";
  options.echo = in.ConsumeBool();
  options.garbleValues = in.ConsumeIntegralInRange(0, 15) == 0;
  ModuleConsole module(store, options);
  // Where the previous dialogue left the console.
  module.Type(in.PickValueInArray({"", "use eeprom\r", "use eeprom\rel 40\r"}));

  q4410::testing::FakeClock clock;
  q4410::testing::ScriptedPort port(clock);
  port.readCost = microseconds(in.ConsumeIntegralInRange(0, 100));
  Line line{in, clock, port, module, microseconds(in.ConsumeIntegralInRange(0, 200))};
  port.onByte = [&line](char c) { line.Typed(c); };

  q4410::ParaDef rec;
  q4410::Link link{port, clock.Env()};
  q4410::testing::RecordingConnectObserver observer;
  const auto selected =
      in.ConsumeBool() ? q4410::AppSelection::CANopen : q4410::AppSelection::DeviceNet;
  const q4410::ConnectResult result = q4410::RunConnect(rec, link, {"fuzz", selected}, observer);

  for (int block = 0; block < q4410::sim::kBlockCount; ++block)
    for (int offset = 0; offset < q4410::sim::kBlockBytes; offset += 4)
      Check(store.Word(block, offset) == before.Word(block, offset), "a read changed a word");

  if (result == q4410::ConnectResult::Connected) {
    for (int i = 0; i < q4410::kBlock0WordCount; ++i)
      Check(rec.Block0Image[i] == store.Word(0, q4410::kBlock0FirstOffset + 4 * i),
            "a connect read a word the module does not hold");
    if (selected == q4410::AppSelection::CANopen)
      for (int i = 0; i + 1 < q4410::kBlock2WordCount; ++i)
        Check(rec.Block2Image[i] == store.Word(2, 4 * i), "a block 2 word read wrong");
  }
  return 0;
}
