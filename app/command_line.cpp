#include "app/command_line.h"

namespace q4410::app {

std::optional<StartOptions> ParseCommandLine(const std::vector<std::string>& args) {
  StartOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if ((arg == "--port" || arg == "--eds-dir") && i + 1 < args.size()) {
      const std::string& value = args[++i];
      if (arg == "--port")
        options.ports.push_back(value);
      else
        options.edsDirectory = value;
    } else {
      return std::nullopt;
    }
  }
  return options;
}

}  // namespace q4410::app
