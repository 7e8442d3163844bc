// What the system tells about each listed port, for `q4410ctl ports --long` and `--json`.
#pragma once

#include <string>
#include <vector>

namespace q4410 {

struct PortDetails {
  std::string port;  // the label, as the port list shows it
  std::string description;
  std::string manufacturer;
  std::string serialNumber;
  std::string vidPid;  // "0403:6001" for a USB adapter, empty otherwise
};

// The ports of ScanPorts(extra), in its order. Devices the system does not enumerate (such as
// pseudo-terminals given with --port) have empty details.
std::vector<PortDetails> ScanPortDetails(const std::vector<std::string>& extra);

}  // namespace q4410
