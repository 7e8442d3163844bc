// The command line of q4410-config: q4410-config [--port DEVICE]... [--eds-dir DIR]
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace q4410::app {

inline constexpr const char* kUsage = "usage: q4410-config [--port DEVICE]... [--eds-dir DIR]";

struct StartOptions {
  std::vector<std::string> ports;  // offered first in the port list, in this order
  std::string edsDirectory;        // empty: the program's own directory
  bool help = false;
};

// nullopt for an unknown argument or a missing value.
std::optional<StartOptions> ParseCommandLine(const std::vector<std::string>& args);

}  // namespace q4410::app
