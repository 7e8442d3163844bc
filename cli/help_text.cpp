#include "cli/commands.h"

namespace q4410::cli {

std::string HelpText() {
  return R"(q4410ctl - configuration utility of the Q-4410C CANopen / Modbus RTU gateway, without windows

Usage:
  q4410ctl ports [--port DEVICE]...
      List the serial ports exactly as the main window lists them. Devices given with
      --port (for example a simulator's pseudo-terminal) come first.

  q4410ctl read --port DEVICE [--devicenet] [--json]
      Connect to the module on DEVICE and print its stored configuration. --devicenet reads
      as with "DeviceNet" selected in the main window. --json prints one JSON object whose
      keys are the record's field names.

  q4410ctl eds --config FILE [--eds-dir DIR]
      Write the CANopen EDS file (COPn<node>.eds) for a configuration file in the JSON form
      of "read --json" into DIR (default: the current directory). Keys missing from the
      file keep their start-up values; the file describes node guarding.

  q4410ctl write --port DEVICE --config FILE [--eds-dir DIR]
      Connect with "CANopen", apply the configuration file with the validations of the
      windows, write it into the module and write the EDS file into DIR (default: the
      current directory). Nothing is written to the module when the file is refused.

Every message the windows would show in a message box is printed on stderr as one line
"TITLE: TEXT". Exit status: 0 success, 1 failure, 2 usage error.
)";
}

}  // namespace q4410::cli
