#include "link/word_reader.h"

#include <optional>
#include <string>

#include "config/numbers.h"

namespace q4410 {

bool ReadWords(Console& console, int block, int offset, int count, std::vector<uint32_t>& words,
               FailurePlace& failure) {
  words.clear();
  std::string command = "el " + Decimal(offset);
  for (int i = 0; i < count; ++i) {
    const int at = offset + 4 * i;
    std::optional<uint32_t> word;
    if (!console.ReadConsoleValue(command, "Long(" + Decimal(at) + ")=", word)) {
      failure = console.LastFailure();
      failure.block = block;
      failure.offset = at;
      return false;
    }
    words.push_back(word.value_or(0));
    if (i + 1 == count) break;
    if (!word) {
      failure = console.LastFailure();
      failure.block = block;
      failure.offset = at;
      failure.reason = "the value shown is no number, so it cannot be typed back";
      failure.received = console.LastReceived();
      console.SendCommand(".", "[EEPROM:]");
      return false;
    }
    command = Trim(ToConsoleText(*word));
  }
  return true;
}

}  // namespace q4410
