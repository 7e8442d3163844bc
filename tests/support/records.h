// The configured record the tests share: what a connect to the example module leaves
// (sim::ExampleImage): CANopen node 5 at 125 kbit/s; Modbus 19200 baud, even parity, one stop
// bit, 300 ms; a Read AI object of four registers and a Write DO object of ten bits.
#pragma once

#include "config/para_def.h"

namespace q4410::testing {

inline ParaDef ConfiguredRecord() {
  ParaDef rec;
  rec.ModulePrompt = "5160QT>";
  rec.NodeId = 5;
  rec.CanBaudCode = 3;
  rec.ComBaudCode = 4;
  rec.ComParity = 1;
  rec.ComTimeoutMs = 300;
  rec.ComChecksum = ComChecksumOf(rec);
  rec.AppObjects[0] = {"1", 3, 1, 4};
  rec.AppObjects[1] = {"2", 0, 1, 10};
  rec.AppObjectCount = 2;
  return rec;
}

}  // namespace q4410::testing
