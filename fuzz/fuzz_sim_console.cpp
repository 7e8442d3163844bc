// The simulator's console with arbitrary typed bytes, under each of its options. Checked: the
// output of each byte is bounded, and the EEPROM store changes only when a carriage return
// completes a value entry, and then only the word the last value prompt showed.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

#include "check.h"
#include "sim/module_console.h"

namespace {

using q4410::fuzz::Check;
using q4410::sim::EepromStore;
using q4410::sim::ModuleConsole;

// The words of the store, block after block.
std::vector<uint32_t> Words(const EepromStore& store) {
  std::vector<uint32_t> words;
  for (int block = 0; block < q4410::sim::kBlockCount; ++block)
    for (int offset = 0; offset < q4410::sim::kBlockBytes; offset += 4)
      words.push_back(store.Word(block, offset));
  return words;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  q4410::sim::SimOptions options;
  options.controller = in.ConsumeBool() ? "5160QT" : "5160r";
  options.echo = in.ConsumeBool();
  options.garbleValues = in.ConsumeIntegralInRange(0, 7) == 0;
  options.dieAfterLines =
      in.ConsumeIntegralInRange(0, 7) == 0 ? in.ConsumeIntegralInRange(0, 20) : -1;
  EepromStore store;
  ModuleConsole console(store, options);

  const std::string typed = in.ConsumeRemainingBytesAsString();
  std::string lastPrompt;  // the value prompt shown last, "Long(A)=V-->"
  // The store as at the last carriage return: no other byte may change it.
  std::vector<uint32_t> words = Words(store);
  for (char c : typed) {
    if (c == '\r') Check(Words(store) == words, "a word changed without a carriage return");
    const ModuleConsole::Level level = console.level();
    const int block = console.block();
    const std::string out = console.Type(std::string(1, c));
    Check(out.size() <= 200, "a byte answered with more than a line and a prompt");
    if (c == '\r') {
      // At most one word, by a completed value entry, the one the last value prompt showed.
      const std::vector<uint32_t> after = Words(store);
      int changed = 0;
      for (size_t i = 0; i < after.size(); ++i) {
        if (after[i] == words[i]) continue;
        Check(++changed == 1 && level == ModuleConsole::Level::Edit &&
                  static_cast<int>(i / 64) == block &&
                  lastPrompt.starts_with("Long(" + std::to_string(4 * (i % 64)) + ")="),
              "a word changed other than by a value entry at the prompt that showed it");
      }
      words = after;
    }
    const size_t marker = out.rfind("-->");
    if (marker != std::string::npos) {
      const size_t start = out.rfind("Long(", marker);
      Check(start != std::string::npos, "a value marker without its key");
      lastPrompt = out.substr(start, marker + 3 - start);
    }
  }
  Check(Words(store) == words, "a word changed without a carriage return");
  return 0;
}
