// The verification after a download: reads back every word the download wrote into blocks 0
// and 2, with the connect's word reading (each word typed back as shown, so none changes), and
// compares them with the images the download sent.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "config/para_def.h"
#include "link/console.h"
#include "link/dialogue_outcome.h"

namespace q4410 {

// A word the module holds other than it was written.
struct WordDifference {
  int block = 0;
  int offset = 0;
  uint32_t written = 0;
  uint32_t read = 0;
};

struct VerifyResult {
  bool completed = false;                    // every word was read back
  std::optional<WordDifference> difference;  // the first word that differs
  FailurePlace failure;                      // where the reading failed when !completed
  bool ok() const { return completed && !difference; }
};

// Block 0 from offset 40 and block 2 from offset 0, as many words as the download writes
// (Block0Image and Block2Image of `rec`). The console is at the module's command prompt and is
// left there. `progress` hears 0..10 as the words come back.
VerifyResult VerifyWrittenWords(const ParaDef& rec, Console& console,
                                const std::function<void(int)>& progress = {});

// The message for a difference: block, offset, the word written and the word read.
std::string DifferenceText(const WordDifference& difference);

}  // namespace q4410
