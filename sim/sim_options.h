// How the simulated module behaves, including the faults that make failure paths testable.
#pragma once

#include <string>

namespace q4410::sim {

struct SimOptions {
  std::string imagePath;              // EEPROM image file; missing: a factory-fresh module
  std::string controller = "5160QT";  // "5160QT" or "5160r": the prompt is controller + ">"
  bool silent = false;                // never answer anything
  int lateMs = 0;                     // answer each line this many ms late
  bool garbleValues = false;          // value prompts show a garbled value text
  int dieAfterLines = -1;             // stop answering after this many lines (-1: never)
  bool echo = true;                   // echo typed characters
  // A word that does not take what is typed: a value typed at this block and offset that
  // differs from the word stored is stored with its lowest bit flipped (-1: no such word).
  int corruptBlock = -1;
  int corruptOffset = -1;
};

}  // namespace q4410::sim
