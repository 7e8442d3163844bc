// The simulator's console with arbitrary typed bytes, under each of its options. Checked: the
// output of each byte is bounded, and the EEPROM store changes only when a carriage return
// completes a value entry, and then only the word the last value prompt showed.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <utility>
#include <vector>

#include "check.h"
#include "sim/module_console.h"

namespace {

using q4410::fuzz::Check;
using q4410::sim::EepromStore;
using q4410::sim::ModuleConsole;

std::vector<uint32_t> Words(const EepromStore& store) {
  std::vector<uint32_t> words;
  for (int block = 0; block < q4410::sim::kBlockCount; ++block)
    for (int offset = 0; offset < q4410::sim::kBlockBytes; offset += 4)
      words.push_back(store.Word(block, offset));
  return words;
}

// The words that differ, as (block, offset).
std::vector<std::pair<int, int>> Changed(const std::vector<uint32_t>& a,
                                         const std::vector<uint32_t>& b) {
  std::vector<std::pair<int, int>> changed;
  constexpr int kWordsPerBlock = q4410::sim::kBlockBytes / 4;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i]) changed.emplace_back(i / kWordsPerBlock, 4 * (i % kWordsPerBlock));
  return changed;
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
  // The store is compared around each carriage return; between them nothing may change.
  std::vector<uint32_t> words = Words(store);
  for (char c : typed) {
    if (c == '\r')
      Check(Changed(words, Words(store)).empty(), "a word changed without a carriage return");
    const ModuleConsole::Level level = console.level();
    const int block = console.block();
    const std::string out = console.Type(std::string(1, c));
    Check(out.size() <= 200, "a byte answered with more than a line and a prompt");
    if (c == '\r') {
      std::vector<uint32_t> after = Words(store);
      const auto changed = Changed(words, after);
      Check(changed.size() <= 1 && (changed.empty() || level == ModuleConsole::Level::Edit),
            "a word changed other than by a completed value entry");
      if (!changed.empty())
        Check(changed[0].first == block &&
                  lastPrompt.starts_with("Long(" + std::to_string(changed[0].second) + ")="),
              "a word changed that the value prompt did not show");
      words = std::move(after);
    }
    const size_t marker = out.rfind("-->");
    if (marker != std::string::npos) {
      const size_t start = out.rfind("Long(", marker);
      Check(start != std::string::npos, "a value marker without its key");
      lastPrompt = out.substr(start, marker + 3 - start);
    }
  }
  Check(Changed(words, Words(store)).empty(), "a word changed without a carriage return");
  return 0;
}
