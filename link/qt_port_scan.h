// The port list of the main window and of `q4410ctl ports`.
#pragma once

#include <string>
#include <vector>

namespace q4410 {

// Labels of the ports to offer: the devices in `extra` (given with --port) first, then the
// serial ports the system knows by device path (e.g. /dev/ttyUSB0), at most 10. Ports that
// the system names COMn are labelled "COM" followed by the number with its leading blank
// ("COM 3"). The label is also what messages name.
std::vector<std::string> ScanPorts(const std::vector<std::string>& extra);

}  // namespace q4410
