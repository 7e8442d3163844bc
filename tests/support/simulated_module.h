// A simulated module on a pseudo-terminal for tests: started in the constructor (a failure is a
// test failure and leaves device() empty), stopped and its temporary image deleted in the
// destructor.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sim/eeprom_store.h"
#include "sim/pty_simulator.h"
#include "sim/sim_options.h"

namespace q4410::testing {

class SimulatedModule {
 public:
  // A module starting from `image` (factory-fresh by default), kept in a temporary directory;
  // options.imagePath is ignored.
  explicit SimulatedModule(const sim::EepromStore& image, sim::SimOptions options = {});
  explicit SimulatedModule(sim::SimOptions options = {}) : SimulatedModule({}, options) {}
  ~SimulatedModule();
  SimulatedModule(const SimulatedModule&) = delete;
  SimulatedModule& operator=(const SimulatedModule&) = delete;

  const std::string& device() const;  // pty slave path
  bool started() const { return !device().empty(); }

  uint32_t Word(int block, int offset) const;  // reads the image file afresh
  std::vector<uint32_t> Words(int block, int first, int count) const;  // from offset `first` on
  std::vector<char> ImageBytes() const;                                // the whole file
  void SetWord(int block, int offset, uint32_t value) {
    if (sim_) sim_->SetWord(block, offset, value);  // a failed start is already reported
  }

 private:
  std::string tempDir_;
  std::string imagePath_;
  std::unique_ptr<sim::PtySimulator> sim_;
  std::string noDevice_;
};

}  // namespace q4410::testing
