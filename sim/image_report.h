// The image file seen from outside the console: a readable report of what it holds, and a
// ready-made configured module for demonstrations.
#pragma once

#include <string>

#include "config/para_def.h"
#include "sim/eeprom_store.h"

namespace q4410::sim {

// The configuration the utility would read from this module (firmware, general settings,
// application objects, byte counts) followed by the raw words of block 0 offsets 40..156 and
// block 2 offsets 0..12.
std::string DescribeImage(const EepromStore& store);

// What an image holds, read as the utility would with the application that word 2 names
// selected: firmware and general words and, when those are clean, the objects.
enum class StoredImage {
  None,          // no configuration stored (word 0 fails its first test)
  HeaderErrors,  // the general words hold data errors: the objects were not read
  Read,          // everything read (the count words may still disagree: EepromDataError)
};
StoredImage DecodeStoredImage(const EepromStore& store, ParaDef& rec);

// A configured example module: firmware 1.05 of 2008-03-12, CANopen node 5 at 125 kbit/s,
// Modbus line 19200 baud, even parity, 1 stop bit, time-out 300 ms, objects device 1 "Read AI"
// start 1 length 4 and device 2 "Write DO" start 1 length 10, stamped 2026-12-01 10:20:30.
EepromStore ExampleImage();

}  // namespace q4410::sim
