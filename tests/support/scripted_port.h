// A serial port whose module side is a script, on a clock the test controls: for the cases
// where timing must be forced (late replies, endless talk, output that never drains).
#pragma once

#include <algorithm>
#include <chrono>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "link/console_env.h"
#include "link/serial_port.h"

namespace q4410::testing {

using std::chrono::microseconds;

struct FakeClock {
  microseconds now{0};
  // Each pass through the event loop takes 100 us.
  ConsoleEnv Env() {
    return {[this] { return now; }, [this] { now += microseconds(100); }};
  }
};

class ScriptedPort : public SerialPort {
 public:
  struct Chunk {
    microseconds after;  // delay after the carriage return that ends the line
    std::string bytes;
  };
  using Script = std::function<std::vector<Chunk>(const std::string& line)>;

  explicit ScriptedPort(FakeClock& clock) : clock_(clock) {}

  // What the module prints in answer to each line typed (without its carriage return).
  Script answer = [](const std::string&) { return std::vector<Chunk>{}; };
  // Bytes that arrive now, unasked.
  void Arrive(const std::string& bytes) { Schedule(clock_.now, bytes); }
  // A module that never stops talking: every read finds another `endless` bytes.
  std::string endless;
  // Bytes that never leave the port.
  std::size_t stuckOut = 0;

  std::string typed;                 // every byte written
  std::vector<microseconds> writes;  // when each Write happened
  std::vector<std::string> lines;    // the lines typed

  OpenResult Open(const std::string&) override {
    open_ = true;
    return {};
  }
  void Close() override { open_ = false; }
  bool IsOpen() const override { return open_; }
  void ClearInput() override { pending_.clear(); }
  std::size_t BytesWaitingIn() override {
    std::size_t n = endless.size();
    for (const auto& [at, bytes] : pending_) {
      if (at <= clock_.now) n += bytes.size();
    }
    return n;
  }
  std::size_t BytesWaitingOut() override { return stuckOut; }
  void Write(std::string_view bytes) override {
    typed.append(bytes);
    writes.push_back(clock_.now);
    for (char c : bytes) {
      if (c != '\r') {
        line_ += c;
        continue;
      }
      lines.push_back(line_);
      for (Chunk& chunk : answer(line_)) Schedule(clock_.now + chunk.after, chunk.bytes);
      line_.clear();
    }
  }
  std::string ReadAll() override {
    std::string got = endless;
    while (!pending_.empty() && pending_.front().first <= clock_.now) {
      got += pending_.front().second;
      pending_.pop_front();
    }
    // A read takes a moment; the source may be much faster than the line (a USB device
    // that ignores the baud rate).
    clock_.now += microseconds(50);
    return got;
  }

 private:
  // Keeps the pending bytes in order of arrival.
  void Schedule(microseconds at, const std::string& bytes) {
    auto later = std::find_if(pending_.begin(), pending_.end(),
                              [at](const auto& entry) { return entry.first > at; });
    pending_.insert(later, {at, bytes});
  }
  FakeClock& clock_;
  bool open_ = true;
  std::string line_;
  std::deque<std::pair<microseconds, std::string>> pending_;
};

}  // namespace q4410::testing
