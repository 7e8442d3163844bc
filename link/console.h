// The two console exchanges every dialogue with the module is built from, and the
// conversions of EEPROM words to and from the console's signed decimal text.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "link/console_env.h"
#include "link/dialogue_outcome.h"
#include "link/serial_port.h"

namespace q4410 {

// Pause after every character typed and after the carriage return. At 115200 baud a
// character takes 86.8 us on the line, and the module's console echoes it from its receive
// interrupt. The next character is typed once the echo of the last one has come back, which
// shows the console has taken it, and at the latest after kCharacterPause: for a console that
// does not echo, or a line (a USB adapter) that holds the echo back for a millisecond or more.
// 0.5 ms covers the character and its echo with room for the module's interrupt latency. A
// connect to a configured module types about 220 characters in 50 lines, so even without
// echoes the pauses cost about 0.15 s.
inline constexpr std::chrono::microseconds kCharacterPause{500};

// Quiet time after which a prompt counts as the last thing the console said, where a reply is
// not checked: about six character times at 115200 baud. A console that answers does so within
// a character time or two of the line that asked.
inline constexpr std::chrono::microseconds kSettleTime{500};

class Console {
 public:
  Console(SerialPort& port, ConsoleEnv env, int timeoutMs = kConsoleTimeoutMs);

  // Sends one command line and waits for `expected`. On success Reply() holds the text
  // that came before it.
  bool SendCommand(std::string_view command, std::string_view expected);
  const std::string& Reply() const { return reply_; }

  // Sends a line whose reply is not checked (the lines that bring the console to a known state
  // from wherever it was left). It ends as SendCommand does when `expected` arrives, and also
  // once any prompt of the console (the controller's ">", "[EEPROM:]", a value prompt's "-->")
  // ends what arrived and nothing more follows for kSettleTime; a silent console still takes
  // the whole reply window.
  void TryCommand(std::string_view command, std::string_view expected);

  // Sends one line and waits for a value prompt: key, value, "-->". `word` gets the value
  // shown, or nothing when its text is not a signed 32-bit number.
  //
  // A line typed at a value prompt (the last exchange ended at one) other than "." is a value
  // the console stores into the word it shows. So it is typed only while that prompt is the
  // last thing the console said: nothing after its marker, nothing waiting before the first
  // character, never more arriving while the line is typed than the echo of the characters
  // typed so far, and, read before the carriage return, nothing but that echo. Otherwise the
  // characters typed are erased, the edit is ended with "." and the exchange fails, so that no word
  // is written but the one whose prompt was read.
  bool ReadConsoleValue(std::string_view command, std::string_view key,
                        std::optional<uint32_t>& word);

  // Where the last exchange that failed did so: the line, the text awaited, why, and the last
  // characters received (block and offset are left for the caller, who knows them).
  const FailurePlace& LastFailure() const { return failure_; }
  // The last characters received in the last exchange, as they came.
  const std::string& LastReceived() const { return tail_; }

  // Characters written and received since construction (for measurements).
  std::size_t CharactersSent() const { return sent_; }
  std::size_t CharactersReceived() const { return received_; }

 private:
  bool Exchange(std::string_view command, std::string_view expected, bool untilAnyPrompt);
  bool SendLine(std::string_view command);
  void PauseForEcho(std::size_t waiting);
  bool TimeUp(std::chrono::microseconds start) const;
  bool ReceiveInto(std::string& buffer);
  void Begin(std::string_view command, std::string_view awaited);
  bool Fail(std::string reason);
  bool TimedOut(std::string_view what);
  SerialPort& port_;
  ConsoleEnv env_;
  int timeoutMs_;
  std::string reply_;
  bool atValuePrompt_ = false;
  std::string afterPrompt_;  // what followed the marker of that value prompt
  FailurePlace failure_;
  std::string tail_;  // the newest characters received in this exchange, untrimmed
  std::size_t sent_ = 0;
  std::size_t received_ = 0;
};

// Unsigned word to the signed text the console takes: " 108", "-1" (default rendering,
// so non-negative values carry a leading blank).
std::string ToConsoleText(uint32_t word);

// The signed text the console shows (blanks at both ends ignored) to the unsigned word: "-1"
// gives 4294967295. Nothing when the text is not a plain signed 32-bit decimal number.
std::optional<uint32_t> FromConsoleValue(std::string_view text);

// The controller a console reply names: "5160r" or "5160QT" (looked for in that order), empty
// for neither.
std::string ControllerNamedIn(std::string_view reply);

}  // namespace q4410
