// The serial link to the module as the dialogues share it: the port, the console's clock and
// event pump, the ports found, and the flag that keeps a second dialogue from starting while
// one runs. It is the link's state, not configuration, so it lives here and not in the record.
#pragma once

#include <string>
#include <vector>

#include "link/console_env.h"
#include "link/serial_port.h"

namespace q4410 {

struct Link {
  SerialPort& port;
  ConsoleEnv env;
  // True while a connect or a download runs: another one does nothing, and the windows
  // refuse to close.
  bool LinkBusy = false;
  // The port labels in the order of the main window's port list (at most 10).
  std::vector<std::string> ComPorts{};
};

}  // namespace q4410
