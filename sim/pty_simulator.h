// The simulated module console served on a pseudo-terminal from a thread of its own.
#pragma once

#include <cstdint>
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

  // Changes a word of the running module's EEPROM (and its image file), as if it had been
  // typed at the console; for setting up a test before its exchanges.
  void SetWord(int block, int offset, uint32_t value);

 private:
  struct Impl;
  SimOptions options_;
  std::string devicePath_;
  Impl* impl_ = nullptr;
};

}  // namespace q4410::sim
