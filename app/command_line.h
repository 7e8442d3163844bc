// The command line of q4410-config, parsed by Qt's command-line parser before the window
// system is needed, so that --help, --version and usage errors work without a display.
#pragma once

#include <QStringList>
#include <string>
#include <vector>

namespace q4410::app {

struct StartOptions {
  std::vector<std::string> ports;  // offered first in the port list, in this order
  std::string edsDirectory;        // empty: the folder remembered, else the default
  std::string trace;               // --trace FILE, "-" stderr; empty: only the console log
  bool freshSettings = false;      // start without the remembered settings, remember nothing
};

struct CommandLine {
  enum class Action { Start, Help, Version, UsageError };
  Action action = Action::Start;
  StartOptions options;  // Start
  std::string text;      // Help, Version: for stdout; UsageError: for stderr
};

// `arguments` as the program got them, the first being the program. The toolkit's own options
// (-platform, -style, ...) are let through for the application object. Without --port, the
// Q4410_PORT environment variable (`portFromEnvironment`, empty when unset) names the port.
CommandLine ParseCommandLine(const QStringList& arguments, const std::string& portFromEnvironment);

}  // namespace q4410::app
