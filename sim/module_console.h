// The module's console as a byte-level state machine: typed bytes in, printed bytes out.
// No port and no timing here; the pty transport feeds it and applies the reply delay.
#pragma once

#include <string>
#include <string_view>

#include "sim/eeprom_store.h"
#include "sim/sim_options.h"

namespace q4410::sim {

// Longest line the console keeps; longer input is dropped up to the carriage return.
inline constexpr size_t kMaxLineLength = 80;

class ModuleConsole {
 public:
  enum class Level { Command, Tool, Edit };

  ModuleConsole(EepromStore& store, SimOptions options);

  // What the module prints in answer to `bytes` (echo included).
  std::string Type(std::string_view bytes);

  Level level() const { return level_; }
  int block() const { return block_; }
  int linesTyped() const { return lines_; }

 private:
  void TypeByte(char c, std::string& out);
  void EndLine(std::string& out);
  void CommandLine(const std::string& line, std::string& out);
  void ToolLine(const std::string& line, std::string& out);
  void EditLine(const std::string& line, std::string& out);
  void NextWord(std::string& out);
  std::string Prompt() const;
  std::string ValuePrompt() const;

  EepromStore& store_;
  SimOptions options_;
  Level level_ = Level::Command;
  int block_ = 0;
  int editOffset_ = 0;
  std::string line_;
  bool overflow_ = false;
  int lines_ = 0;
  bool dead_ = false;
};

}  // namespace q4410::sim
