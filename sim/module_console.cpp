// The module's console.
//
// Line editing: printable characters are kept and echoed; backspace (BS or DEL) removes the
// last one; a carriage return ends the line and is answered with CR LF, then whatever the line
// prints, then the prompt of the level the console is now at. Line feeds and all other control
// or non-ASCII bytes are dropped. A line longer than kMaxLineLength is dropped whole and
// answered with "Line too long".
//
// Levels and their prompts:
//   command level  controller + ">"   "use eeprom" enters the EEPROM tool; "", ".", "/q" and
//                                     "exit" just print the prompt; anything else prints
//                                     "Unknown command".
//   EEPROM tool    "[EEPROM:]"        "block N", "el A", "exit" (back to command level);
//                                     "", "." and "/q" print the tool prompt again.
//   word edit      Long(A)=V-->       a decimal value (signed or unsigned 32-bit) is stored and
//                                     the next word shown; an empty line keeps the word and
//                                     shows the next; "." or "/q" end the edit with the tool
//                                     prompt; anything else prints "Invalid value" and shows
//                                     the same word again. After the last word of the block the
//                                     edit ends with the tool prompt. The word of the
//                                     corrupt-word fault stores a changed value with its
//                                     lowest bit flipped.
#include "sim/module_console.h"

#include <cstdint>
#include <sstream>
#include <vector>

namespace q4410::sim {
namespace {

constexpr char kCr = '\r';
constexpr char kLf = '\n';
constexpr const char* kEol = "\r\n";
constexpr const char* kToolPrompt = "[EEPROM:]";

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  std::string w;
  while (in >> w) words.push_back(w);
  return words;
}

// A non-negative decimal number made of digits only, at most `max`.
bool ParseSmall(const std::string& text, long max, long* value) {
  if (text.empty() || text.size() > 9) return false;
  long v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  if (v > max) return false;
  *value = v;
  return true;
}

// A word typed at a value prompt: -2147483648..4294967295, optional sign, blanks around.
bool ParseWord(const std::string& line, uint32_t* word) {
  const std::vector<std::string> parts = Words(line);
  if (parts.size() != 1) return false;
  std::string text = parts[0];
  bool negative = false;
  if (text[0] == '-' || text[0] == '+') {
    negative = text[0] == '-';
    text.erase(0, 1);
  }
  if (text.empty() || text.size() > 10) return false;
  int64_t v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  if (negative) {
    if (v > 2147483648LL) return false;
    *word = static_cast<uint32_t>(-v);
  } else {
    if (v > 4294967295LL) return false;
    *word = static_cast<uint32_t>(v);
  }
  return true;
}

// A value text with one digit replaced, as a noisy line would show it: "123" -> "1x3".
std::string Garbled(std::string text) {
  if (text.size() >= 2)
    text[1] = 'x';
  else
    text += 'x';
  return text;
}

}  // namespace

ModuleConsole::ModuleConsole(EepromStore& store, SimOptions options)
    : store_(store), options_(std::move(options)) {
  dead_ = options_.dieAfterLines == 0;
}

std::string ModuleConsole::Type(std::string_view bytes) {
  std::string out;
  for (char c : bytes) {
    if (options_.silent || dead_) break;
    TypeByte(c, out);
  }
  return out;
}

void ModuleConsole::TypeByte(char c, std::string& out) {
  const auto u = static_cast<unsigned char>(c);
  if (c == kCr) {
    EndLine(out);
    return;
  }
  if (c == kLf) return;
  if (u == 0x08 || u == 0x7F) {
    if (overflow_ || line_.empty()) return;
    line_.pop_back();
    if (options_.echo) out += "\b \b";
    return;
  }
  if (u < 0x20 || u > 0x7E) return;
  if (overflow_ || line_.size() >= kMaxLineLength) {
    overflow_ = true;
    return;
  }
  line_ += c;
  if (options_.echo) out += c;
}

void ModuleConsole::EndLine(std::string& out) {
  const std::string line = line_;
  const bool tooLong = overflow_;
  line_.clear();
  overflow_ = false;
  out += kEol;
  if (tooLong) {
    out += std::string("Line too long") + kEol + Prompt();
  } else {
    switch (level_) {
      case Level::Command:
        CommandLine(line, out);
        break;
      case Level::Tool:
        ToolLine(line, out);
        break;
      case Level::Edit:
        EditLine(line, out);
        break;
    }
  }
  ++lines_;
  if (options_.dieAfterLines >= 0 && lines_ >= options_.dieAfterLines) dead_ = true;
}

void ModuleConsole::CommandLine(const std::string& line, std::string& out) {
  const std::vector<std::string> w = Words(line);
  if (w.size() == 2 && w[0] == "use" && w[1] == "eeprom") {
    level_ = Level::Tool;
  } else if (!(w.empty() || (w.size() == 1 && (w[0] == "." || w[0] == "/q" || w[0] == "exit")))) {
    out += std::string("Unknown command") + kEol;
  }
  out += Prompt();
}

void ModuleConsole::ToolLine(const std::string& line, std::string& out) {
  const std::vector<std::string> w = Words(line);
  long n = 0;
  if (w.empty() || (w.size() == 1 && (w[0] == "." || w[0] == "/q"))) {
    // nothing to do
  } else if (w.size() == 1 && w[0] == "exit") {
    level_ = Level::Command;
  } else if (w[0] == "block") {
    if (w.size() == 2 && ParseSmall(w[1], kBlockCount - 1, &n))
      block_ = static_cast<int>(n);
    else
      out += std::string("Invalid block") + kEol;
  } else if (w[0] == "el") {
    if (w.size() == 2 && ParseSmall(w[1], kBlockBytes - 4, &n) && n % 4 == 0) {
      editOffset_ = static_cast<int>(n);
      level_ = Level::Edit;
    } else {
      out += std::string("Invalid address") + kEol;
    }
  } else {
    out += std::string("Unknown command") + kEol;
  }
  out += Prompt();
}

void ModuleConsole::EditLine(const std::string& line, std::string& out) {
  const std::vector<std::string> w = Words(line);
  if (w.size() == 1 && (w[0] == "." || w[0] == "/q")) {
    level_ = Level::Tool;
    out += Prompt();
    return;
  }
  if (w.empty()) {
    NextWord(out);
    return;
  }
  uint32_t word = 0;
  if (!ParseWord(line, &word)) {
    out += std::string("Invalid value") + kEol + Prompt();
    return;
  }
  if (block_ == options_.corruptBlock && editOffset_ == options_.corruptOffset &&
      word != store_.Word(block_, editOffset_))
    word ^= 1;
  store_.SetWord(block_, editOffset_, word);
  if (!store_.LastError().empty()) {
    out += std::string("Write error") + kEol + Prompt();
    return;
  }
  NextWord(out);
}

void ModuleConsole::NextWord(std::string& out) {
  editOffset_ += 4;
  if (editOffset_ >= kBlockBytes) level_ = Level::Tool;
  out += Prompt();
}

std::string ModuleConsole::Prompt() const {
  switch (level_) {
    case Level::Command:
      return options_.controller + ">";
    case Level::Tool:
      return kToolPrompt;
    case Level::Edit:
      return ValuePrompt();
  }
  return {};
}

std::string ModuleConsole::ValuePrompt() const {
  const auto value = static_cast<int32_t>(store_.Word(block_, editOffset_));
  std::string text = std::to_string(value);
  if (options_.garbleValues) text = Garbled(text);
  return "Long(" + std::to_string(editOffset_) + ")=" + text + "-->";
}

}  // namespace q4410::sim
