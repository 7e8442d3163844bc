// What a dialogue with the module did to it and, when it failed, where: the words that
// decide what a user has to do next (nothing, connect again, write again).
#pragma once

#include <string>

namespace q4410 {

// The module's state after a dialogue.
enum class ModuleState {
  Untouched,      // nothing was typed into a word
  PartlyWritten,  // some words were typed, the dialogue did not reach its end
  Written,        // every word was typed and the console came back to its prompt
  Verified,       // and every word read back as it was written
};

// Where an exchange failed: the line typed, the text awaited, the word edited (block and
// offset, -1 when the exchange edited none), why, and what the console said last.
struct FailurePlace {
  std::string sent;
  std::string awaited;
  int block = -1;
  int offset = -1;
  std::string reason;
  std::string received;  // the last characters received, as they came
};

// One line for the user, control characters shown visibly:
//   block 0, offset 96: sent "123", awaited "Long(100)=": no reply within 200 ms;
//   last received "123\r\n"
std::string Describe(const FailurePlace& place);

}  // namespace q4410
