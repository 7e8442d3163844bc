// A serial port on a virtual clock for the fuzz targets: the module side schedules bytes to
// arrive at given times, time moves only when the console lets the event loop run or reads,
// so no target sleeps and every run is reproducible.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "link/console_env.h"
#include "link/serial_port.h"

namespace q4410::fuzz {

using std::chrono::microseconds;

class VirtualPort : public SerialPort {
 public:
  // Called with every byte the program writes, at the time it writes it.
  std::function<void(char)> onWrite = [](char) {};
  // How long a read takes.
  microseconds readCost{20};
  // How many of the next BytesWaitingOut() calls still see bytes to send.
  int stuckOutChecks = 0;

  microseconds now{0};
  long long pumps = 0;

  ConsoleEnv Env() {
    return {[this] { return now; },
            [this] {
              ++pumps;
              now += microseconds(100);
            }};
  }

  // Bytes that arrive at `at`, or after the bytes scheduled before them: the line keeps the
  // order in which the module sends.
  void Schedule(microseconds at, std::string_view bytes) {
    if (bytes.empty()) return;
    last_ = std::max(at, last_);
    pending_.emplace(last_, std::string(bytes));
  }
  // What has arrived so far, read or not, in order.
  const std::string& Arrived() {
    Deliver();
    return arrived_;
  }
  // How much of Arrived() the program could have seen: what had arrived when it last asked
  // for or read its input.
  std::size_t Seen() const { return seen_; }
  bool AllDelivered() {
    Deliver();
    return pending_.empty();
  }

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
    return unread_.size();
  }
  std::size_t BytesWaitingOut() override {
    if (stuckOutChecks <= 0) return 0;
    --stuckOutChecks;
    return 1;
  }
  void Write(std::string_view bytes) override {
    for (char c : bytes) onWrite(c);
  }
  std::string ReadAll() override {
    Deliver();
    seen_ = arrived_.size();
    now += readCost;
    return std::exchange(unread_, {});
  }

 private:
  void Deliver() {
    while (!pending_.empty() && pending_.begin()->first <= now) {
      arrived_ += pending_.begin()->second;
      unread_ += pending_.begin()->second;
      pending_.erase(pending_.begin());
    }
  }
  bool open_ = true;
  std::multimap<microseconds, std::string> pending_;
  std::string arrived_;
  std::string unread_;
  std::size_t seen_ = 0;
  microseconds last_{0};
};

}  // namespace q4410::fuzz
