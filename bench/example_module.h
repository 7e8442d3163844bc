// The simulated module both benchmarks run against: the example image in a scratch folder,
// served on a pseudo-terminal.
#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "sim/image_report.h"
#include "sim/pty_simulator.h"

namespace q4410::bench {

// Null, with the reason on stderr, when the simulator cannot start.
inline std::unique_ptr<sim::PtySimulator> StartExampleModule(const std::filesystem::path& dir) {
  std::filesystem::create_directories(dir);
  sim::SimOptions options;
  options.imagePath = (dir / "module.img").string();
  sim::ExampleImage().Save(options.imagePath);
  auto simulator = std::make_unique<sim::PtySimulator>(options);
  std::string error;
  if (!simulator->Start(&error)) {
    std::fprintf(stderr, "cannot start the simulator: %s\n", error.c_str());
    return nullptr;
  }
  return simulator;
}

}  // namespace q4410::bench
