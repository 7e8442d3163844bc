// Finding the module among the PC's ports: each port is opened and offered only the prompt
// exchange of the connect (empty lines, then "/q", "." and "exit" when something answered but
// no prompt came). Nothing is read from or written into the EEPROM; a port takes at most five
// console exchanges, about one second.
#pragma once

#include <string>

#include "link/console_env.h"
#include "link/serial_port.h"

namespace q4410 {

enum class ProbeOutcome {
  Found,        // a 5160QT or 5160r console answered with its prompt
  OtherDevice,  // something answered, but not as the module's console
  Silent,       // nothing answered
  Busy,         // the port is in use by another program
  NotOpened,    // the port could not be opened for another reason (`detail` says why)
};

struct ProbeResult {
  std::string port;  // port label as listed
  ProbeOutcome outcome = ProbeOutcome::Silent;
  std::string controller;  // "5160QT" or "5160r" when found
  std::string detail;      // why the port could not be opened
};

// Probes one port through `serial` (opened and closed again here).
ProbeResult ProbePort(SerialPort& serial, const std::string& port, const ConsoleEnv& env);

// What the probe found, for a report line after the port: "5160QT answered", "no answer",
// "busy (in use by another program)", ...
std::string DescribeProbe(const ProbeResult& result);

}  // namespace q4410
