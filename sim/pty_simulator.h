// The simulated module console served on a pseudo-terminal from a thread of its own.
#pragma once

#include <string>

#include "sim/sim_options.h"

namespace q4410::sim {

class PtySimulator {
 public:
  explicit PtySimulator(SimOptions options);
  ~PtySimulator();  // stops
  PtySimulator(const PtySimulator&) = delete;
  PtySimulator& operator=(const PtySimulator&) = delete;

  // Opens the pseudo-terminal and starts serving. False with `error` on failure.
  bool Start(std::string* error = nullptr);
  // The device path of the pseudo-terminal's slave side (e.g. /dev/pts/3).
  const std::string& DevicePath() const { return devicePath_; }
  void Stop();

 private:
  struct Impl;
  SimOptions options_;
  std::string devicePath_;
  Impl* impl_ = nullptr;
};

}  // namespace q4410::sim
