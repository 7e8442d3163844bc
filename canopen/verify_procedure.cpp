#include "canopen/verify_procedure.h"

#include <vector>

#include "config/eeprom_image.h"
#include "config/numbers.h"
#include "link/word_reader.h"

namespace q4410 {

namespace {

// Reads `count` words of `block` from `offset`, ends the edit and compares them with
// `written`, keeping the first difference found. False when the reading failed.
bool CheckBlock(Console& console, int block, int offset, const std::vector<uint32_t>& written,
                size_t count, VerifyResult& result) {
  if (!console.SendCommand("block " + Decimal(block), "[EEPROM:]")) {
    result.failure = console.LastFailure();
    return false;
  }
  std::vector<uint32_t> read;
  if (!ReadWords(console, block, offset, static_cast<int>(count), read, result.failure))
    return false;
  if (!console.SendCommand(".", "[EEPROM:]")) {
    result.failure = console.LastFailure();
    return false;
  }
  for (size_t i = 0; i < count && !result.difference; ++i) {
    if (read[i] != written[i])
      result.difference =
          WordDifference{block, offset + 4 * static_cast<int>(i), written[i], read[i]};
  }
  return true;
}

std::string Hex8(uint32_t word) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string text = "0x00000000";
  for (int i = 9; i >= 2; --i, word >>= 4) text[i] = kHex[word & 0xF];
  return text;
}

}  // namespace

VerifyResult VerifyWrittenWords(const ParaDef& rec, Console& console,
                                const std::function<void(int)>& progress) {
  const auto report = [&](int value) {
    if (progress) progress(value);
  };
  VerifyResult result;
  const size_t block0Words = static_cast<size_t>((rec.Block0Length + 8) / 4);
  const size_t block2Words = static_cast<size_t>(rec.Block2Length / 4);
  report(0);
  if (!console.SendCommand("use eeprom", "[EEPROM:]")) {
    result.failure = console.LastFailure();
    return result;
  }
  report(1);
  if (!CheckBlock(console, 0, kBlock0FirstOffset, rec.Block0Image, block0Words, result))
    return result;
  report(8);
  if (!CheckBlock(console, 2, 0, rec.Block2Image, block2Words, result)) return result;
  report(9);
  if (!console.SendCommand("exit", rec.ModulePrompt)) {
    result.failure = console.LastFailure();
    return result;
  }
  result.completed = true;
  report(10);
  return result;
}

std::string DifferenceText(const WordDifference& d) {
  return "Verification failed: block " + Decimal(d.block) + ", offset " + Decimal(d.offset) +
         ": written " + Trim(ToConsoleText(d.written)) + " (" + Hex8(d.written) + "), read " +
         Trim(ToConsoleText(d.read)) + " (" + Hex8(d.read) + ")";
}

}  // namespace q4410
