// A serial port whose module side is a script, on a clock the test controls: for the cases
// where timing must be forced (late replies, endless talk, output that never drains), and for
// the fuzz targets. Time moves only when the program lets the event loop run or reads, so
// nothing sleeps and every run is reproducible.
#pragma once

#include <algorithm>
#include <chrono>
#include <deque>
#include <functional>
#include <string>
#include <utility>
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
  // What the module does with each byte, at the time it is written.
  std::function<void(char)> onByte = [](char) {};
  // Bytes that arrive at `at`, or after the bytes scheduled before them: the line keeps the
  // order in which the module sends.
  void Schedule(microseconds at, const std::string& bytes) {
    if (bytes.empty()) return;
    last_ = std::max(at, last_);
    pending_.emplace_back(last_, bytes);
  }
  // Bytes that arrive now, unasked.
  void Arrive(const std::string& bytes) { Schedule(clock_.now, bytes); }
  // A module that never stops talking: every read finds another `endless` bytes.
  std::string endless;
  // Bytes that never leave the port.
  std::size_t stuckOut = 0;
  // How long a read takes; the source may be much faster than the line (a USB device that
  // ignores the baud rate).
  microseconds readCost{50};

  std::string typed;                 // every byte written
  std::vector<microseconds> writes;  // when each Write happened
  std::vector<std::string> lines;    // the lines typed

  // What has arrived so far, read or not, in order.
  const std::string& Arrived() {
    Deliver();
    return arrived_;
  }
  // How much of Arrived() the program could have seen: what had arrived when it last asked
  // for or read its input.
  std::size_t Seen() const { return seen_; }

  OpenResult Open(const std::string&) override {
    open_ = true;
    return {};
  }
  void Close() override { open_ = false; }
  bool IsOpen() const override { return open_; }
  void ClearInput() override {
    Deliver();
    unread_.clear();
  }
  std::size_t BytesWaitingIn() override {
    Deliver();
    seen_ = arrived_.size();
    return endless.size() + unread_.size();
  }
  std::size_t BytesWaitingOut() override { return stuckOut; }
  void Write(std::string_view bytes) override {
    typed.append(bytes);
    writes.push_back(clock_.now);
    for (char c : bytes) {
      onByte(c);
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
    Deliver();
    seen_ = arrived_.size();
    clock_.now += readCost;
    return endless + std::exchange(unread_, {});
  }

 private:
  void Deliver() {
    for (; !pending_.empty() && pending_.front().first <= clock_.now; pending_.pop_front()) {
      arrived_ += pending_.front().second;
      unread_ += pending_.front().second;
    }
  }
  FakeClock& clock_;
  bool open_ = true;
  std::string line_;
  std::deque<std::pair<microseconds, std::string>> pending_;
  microseconds last_{0};
  std::string arrived_;
  std::string unread_;
  std::size_t seen_ = 0;
};

}  // namespace q4410::testing
