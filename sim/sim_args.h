// Command line of q4410-sim, parsed by Qt's command-line parser.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sim/sim_options.h"

namespace q4410::sim {

struct SimCommand {
  enum class Mode { Serve, Print, Example, Help, Version };
  Mode mode = Mode::Serve;
  SimOptions options;    // Serve
  std::string linkPath;  // Serve: symlink to the device, empty for none
  std::string file;      // Print, Example
};

// The arguments after the program name. nullopt with `error` set on a usage error.
std::optional<SimCommand> ParseSimArgs(const std::vector<std::string>& args, std::string* error);

std::string SimHelpText();

}  // namespace q4410::sim
