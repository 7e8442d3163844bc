// A main window whose first port is a simulated module, and what a module can have stored.
#pragma once

#include <cstdint>
#include <vector>

#include "config/eeprom_image.h"
#include "tests/support/simulated_module.h"
#include "tests/ui/main_window_fixture.h"

namespace q4410::testing {

// A configuration as the download leaves it: CANopen node 42 at 250 kbit/s, the Modbus line
// at 19200 baud, odd parity, 2 stop bits, 500 ms; one object of four input registers.
inline ParaDef StoredConfiguration() {
  ParaDef s;
  s.Block1Length = 0;
  s.Block2Length = 16;
  s.NodeId = 42;
  s.CanBaudCode = 4;
  s.ComBaudCode = 4;
  s.ComParity = 2;
  s.ComStopBits = 2;
  s.ComTimeoutMs = 500;
  s.ComChecksum = ComChecksumOf(s);
  s.ConfigYear = 2014;
  s.ConfigMonth = 6;
  s.ConfigDay = 3;
  s.AppObjectsUnchanged = false;
  s.AppObjectCount = 1;
  s.AppObjects[0] = AppObject{"1", 3, 1, 4};
  s.TxAnalogBytes = 8;
  return s;
}

// The same, kept by a module that runs the DeviceNet application.
inline ParaDef StoredDeviceNetConfiguration(int nodeId) {
  ParaDef s = StoredConfiguration();
  s.AppKind = 1;
  s.Block1Length = 28;
  s.NodeId = nodeId;
  s.CanBaudCode = 2;
  return s;
}

inline void Store(SimulatedModule& module, const ParaDef& stored) {
  const std::vector<uint32_t> block0 = PackBlock0(stored);
  for (std::size_t i = 0; i < block0.size(); ++i)
    module.SetWord(0, kBlock0FirstOffset + 4 * static_cast<int>(i), block0[i]);
  const std::vector<uint32_t> block2 = PackBlock2(stored);
  for (std::size_t k = 0; k < block2.size(); ++k)
    module.SetWord(2, 4 * static_cast<int>(k), block2[k]);
}

struct ConnectedWindow {
  explicit ConnectedWindow(sim::SimOptions options = {}) : module(options), s({module.device()}) {}

  SimulatedModule module;
  MainWindowSession s;
};

}  // namespace q4410::testing
