// A simulated module on a pseudo-terminal for tests: started in the constructor, stopped (and
// its temporary image deleted) in the destructor.
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
  // A factory-fresh module, its image in a temporary directory (options.imagePath is ignored).
  // A failure to start is reported as a test failure and leaves device() empty.
  explicit SimulatedModule(sim::SimOptions options = {});
  // A module starting from `image`, kept in a temporary file.
  SimulatedModule(const sim::EepromStore& image, sim::SimOptions options);
  ~SimulatedModule();
  SimulatedModule(const SimulatedModule&) = delete;
  SimulatedModule& operator=(const SimulatedModule&) = delete;

  const std::string& device() const;  // pty slave path
  const std::string& imagePath() const;
  bool started() const { return !device().empty(); }

  uint32_t Word(int block, int offset) const;           // reads the image file afresh
  std::vector<char> ImageBytes() const;                 // the whole file
  void SetWord(int block, int offset, uint32_t value);  // before a test's exchanges

 private:
  void Start(const sim::EepromStore& image);
  sim::SimOptions options_;
  std::string tempDir_;
  std::unique_ptr<sim::PtySimulator> sim_;
  std::string noDevice_;
};

}  // namespace q4410::testing
