#include "link/console.h"

#include <utility>

#include "config/numbers.h"

namespace q4410 {

namespace {

// A console that never stops talking must not grow the reply buffers without bound: they keep
// the newest kMaxReplyBytes, dropping the oldest part when a chunk would exceed that. Every
// prompt and value prompt the module prints is far shorter.
constexpr std::size_t kMaxReplyBytes = 64 * 1024;

constexpr std::string_view kValueMarker = "-->";

// How many of the last characters received a failure reports.
constexpr std::size_t kTailBytes = 48;

void AppendBounded(std::string& buffer, std::string_view chunk) {
  if (chunk.size() >= kMaxReplyBytes) {
    buffer.assign(chunk.substr(chunk.size() - kMaxReplyBytes));
    return;
  }
  if (buffer.size() + chunk.size() > kMaxReplyBytes) {
    buffer.erase(0, buffer.size() + chunk.size() - kMaxReplyBytes);
  }
  buffer.append(chunk);
}

// Whether a reply ends with a prompt of the console: the controller's "5160QT>", a value
// prompt's "-->" or the EEPROM tool's "[EEPROM:]".
bool EndsAtPrompt(std::string_view reply) {
  return reply.ends_with('>') || reply.ends_with("[EEPROM:]");
}

}  // namespace

Console::Console(SerialPort& port, ConsoleEnv env, int timeoutMs)
    : port_(port), env_(std::move(env)), timeoutMs_(timeoutMs) {}

bool Console::TimeUp(std::chrono::microseconds start) const {
  return env_.now() - start >= std::chrono::milliseconds(timeoutMs_);
}

// Reads what has arrived, without blanks at its ends, onto `buffer`. False when nothing was
// waiting.
bool Console::ReceiveInto(std::string& buffer) {
  if (port_.BytesWaitingIn() == 0) return false;
  const std::string chunk = port_.ReadAll();
  received_ += chunk.size();
  tail_ += chunk;
  if (tail_.size() > kTailBytes) tail_.erase(0, tail_.size() - kTailBytes);
  AppendBounded(buffer, Trim(chunk));
  return true;
}

// A new exchange: what is sent and awaited, nothing received yet.
void Console::Begin(std::string_view command, std::string_view awaited) {
  failure_ = FailurePlace{};
  failure_.sent = command;
  failure_.awaited = awaited;
  tail_.clear();
}

// The exchange failed: why, with what arrived. Always false.
bool Console::Fail(std::string reason) {
  failure_.reason = std::move(reason);
  failure_.received = tail_;
  return false;
}

// The reply window passed: `what` says what was missing.
bool Console::TimedOut(std::string_view what) {
  return Fail(std::string(what) + " within " + std::to_string(timeoutMs_) + " ms");
}

// The pause after a character typed: the event loop runs until more input is waiting than
// `waiting` (its echo has come back), at most kCharacterPause. Nothing is read here, so what
// the console says reaches the reply in the pieces it came in.
void Console::PauseForEcho(std::size_t waiting) {
  const auto start = env_.now();
  do {
    env_.pump();
  } while (port_.BytesWaitingIn() <= waiting && env_.now() - start < kCharacterPause);
}

// Types one line: the characters one at a time with a pause after each, a carriage return, a
// short wait for the output to leave, the pause again. Input from before the line is stale
// and discarded, except at a value prompt: there nothing may have followed the prompt, and
// while the value is typed no more than its echo may arrive (see ReadConsoleValue).
bool Console::SendLine(std::string_view command) {
  const bool atValuePrompt = std::exchange(atValuePrompt_, false) && command != ".";
  const bool promptWasLast = std::exchange(afterPrompt_, {}).empty();
  if (!atValuePrompt && port_.BytesWaitingIn() > 0) received_ += port_.ReadAll().size();
  for (std::size_t typed = 0;; ++typed) {
    std::size_t waiting = port_.BytesWaitingIn();
    const bool lineEnd = typed == command.size();
    bool onlyEcho = waiting <= typed;
    if (atValuePrompt && lineEnd && onlyEcho && waiting > 0) {
      // Before the carriage return that stores the value: what came while it was typed must
      // be its echo, not a few bytes of the console going on (a line that holds the echo back).
      const std::string echo = port_.ReadAll();
      received_ += echo.size();
      onlyEcho = command.starts_with(echo);
      waiting = 0;
    }
    if (atValuePrompt && (!promptWasLast || !onlyEcho)) {
      // The console has gone on: what was typed is erased and the edit ended, so that the
      // word it shows now is left as it is.
      const FailurePlace place = failure_;
      const std::string arrived = tail_;
      SendCommand(std::string(typed, '\b') + ".", "[EEPROM:]");
      failure_ = place;
      tail_ = arrived;
      return Fail("the console went on before the value was typed; it was not stored");
    }
    port_.Write(lineEnd ? std::string_view("\r") : command.substr(typed, 1));
    ++sent_;
    if (lineEnd) {
      for (int check = 0; check < 10; ++check) {
        if (port_.BytesWaitingOut() > 0) env_.pump();
      }
      if (port_.BytesWaitingOut() > 0) return Fail("the line did not leave the port");
    }
    PauseForEcho(waiting);
    if (lineEnd) return true;
  }
}

bool Console::SendCommand(std::string_view command, std::string_view expected) {
  return Exchange(command, expected, false);
}

void Console::TryCommand(std::string_view command, std::string_view expected) {
  Exchange(command, expected, true);
}

bool Console::Exchange(std::string_view command, std::string_view expected, bool untilAnyPrompt) {
  Begin(command, expected);
  if (!SendLine(command)) return false;
  reply_.clear();
  const auto start = env_.now();
  auto lastArrival = start;
  std::size_t at = std::string::npos;
  for (;;) {
    if (TimeUp(start)) return TimedOut("not received");
    if (ReceiveInto(reply_)) {
      lastArrival = env_.now();
      continue;
    }
    // The reply is searched only once nothing more is waiting, so that a reply arriving in
    // several pieces is collected first. An empty expected text never matches.
    if (!expected.empty() && (at = reply_.find(expected)) != std::string::npos) break;
    if (untilAnyPrompt && EndsAtPrompt(reply_) && env_.now() - lastArrival >= kSettleTime)
      return Fail("another prompt came");
    env_.pump();
  }
  reply_.resize(at);
  return true;
}

bool Console::ReadConsoleValue(std::string_view command, std::string_view key,
                               std::optional<uint32_t>& word) {
  Begin(command, key);
  if (!SendLine(command)) return false;
  std::string buffer;
  const auto start = env_.now();
  for (;;) {
    if (TimeUp(start)) return TimedOut("no value prompt");
    if (ReceiveInto(buffer)) continue;
    if (buffer.find(kValueMarker) != std::string::npos) break;
    env_.pump();
  }
  const std::string wanted = Trim(key);
  const std::string text = Trim(buffer);
  if (wanted.empty()) return Fail("no value prompt to wait for");
  const std::size_t keyAt = text.find(wanted);
  if (keyAt == std::string::npos) return Fail("the value prompt shows another word");
  // The value runs from the key to the marker that follows it; a marker seen only before
  // the key (a stale prompt) does not count.
  const std::size_t valueAt = keyAt + wanted.size();
  const std::size_t markerAt = text.find(kValueMarker, valueAt);
  if (markerAt == std::string::npos) return Fail("the value prompt shows another word");
  word = FromConsoleValue(std::string_view(text).substr(valueAt, markerAt - valueAt));
  atValuePrompt_ = true;
  afterPrompt_ = text.substr(markerAt + kValueMarker.size());
  return true;
}

std::string ToConsoleText(uint32_t word) {
  return DefaultRendering(static_cast<int32_t>(word));
}

std::optional<uint32_t> FromConsoleValue(std::string_view text) {
  const std::string trimmed = Trim(text);
  std::string_view digits = trimmed;
  const bool negative = digits.starts_with('-');
  if (negative) digits.remove_prefix(1);
  if (digits.empty() || digits.size() > 10) return std::nullopt;
  long long magnitude = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    magnitude = magnitude * 10 + (c - '0');
  }
  if (magnitude > (negative ? 2147483648LL : 2147483647LL)) return std::nullopt;
  return static_cast<uint32_t>(negative ? -magnitude : magnitude);
}

std::string ControllerNamedIn(std::string_view reply) {
  for (std::string_view name : {"5160r", "5160QT"})
    if (reply.find(name) != std::string_view::npos) return std::string(name);
  return {};
}

}  // namespace q4410
