// Reading EEPROM words with the console's word editor without changing them: each word is
// typed back exactly as it was shown, which moves the editor on and leaves the word as it was.
// The connect reads the module with it, and the verification after a download reads back what
// was written.
#pragma once

#include <cstdint>
#include <vector>

#include "link/console.h"
#include "link/dialogue_outcome.h"

namespace q4410 {

// Starts the word editor of the selected `block` at `offset` ("el OFFSET") and reads `count`
// words into `words`. Every word but the last is typed back; the editor is left at the last
// word's prompt and the caller ends the edit. A value text that is no number cannot be typed
// back, and anything else would overwrite the word: the edit is then left with "." without
// typing. False, with `failure` saying where, when an exchange fails or a value is no number.
bool ReadWords(Console& console, int block, int offset, int count, std::vector<uint32_t>& words,
               FailurePlace& failure);

}  // namespace q4410
