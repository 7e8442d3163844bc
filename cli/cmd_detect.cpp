// q4410ctl detect: which listed port the module hangs on.
#include <iostream>

#include "cli/commands.h"
#include "link/module_finder.h"
#include "link/qt_port_scan.h"
#include "link/qt_serial_port.h"
#include "link/traced_port.h"

namespace q4410::cli {

namespace {

int Run(const Invocation& in) {
  const std::vector<std::string> ports = ScanPorts(in.Ports());
  if (ports.empty()) {
    std::cerr << "Error: No serial port found!" << std::endl;
    return 1;
  }
  QtSerialPort qtPort;
  TracedPort serial(qtPort, in.Trace());
  bool found = false;
  for (const std::string& port : ports) {
    const ProbeResult result = ProbePort(serial, port, PlainConsoleEnv());
    std::cout << result.port << ": " << DescribeProbe(result) << std::endl;
    found = found || result.outcome == ProbeOutcome::Found;
  }
  return found ? 0 : 1;
}

}  // namespace

Command DetectCommand() {
  return {
      "detect",
      "detect [--port DEVICE]... [--trace FILE]",
      "Probe every listed port that is free with the console's prompt exchange only\n"
      "(nothing is read from or written into the module, at most about a second per\n"
      "port) and print one line per port: \"PORT: 5160QT answered\" (or 5160r), \"no answer\",\n"
      "\"busy (in use by another program)\", or \"answered, but not as a 5160QT or 5160r\".\n"
      "Exit status 0 when a module answered, 1 when none did.",
      {PortOption("A device to probe first (repeatable)."), TraceOption()},
      {"port"},
      Run};
}

}  // namespace q4410::cli
