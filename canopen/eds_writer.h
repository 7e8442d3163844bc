// The CANopen electronic data sheet of the configured gateway.
#pragma once

#include <string>

#include "config/clock_time.h"
#include "config/para_def.h"

namespace q4410 {

// "COPn" + node ID + ".eds"
std::string EdsFileName(const ParaDef& rec);

// The whole file text, lines ended by CR LF, in ASCII. Needs the PDO mapping built for the
// current application objects.
std::string EdsFileText(const ParaDef& rec, const LocalTime& clock);

struct EdsWriteResult {
  bool ok = false;
  std::string path;   // the file written or attempted
  std::string error;  // the reason when !ok
};

// Makes sure the EDS file can be written before anything is typed into the module: creates
// `directory` with its missing parents, and opens the file for writing without changing it (a
// file that did not exist is removed again). Not ok, with the path and the reason, otherwise.
EdsWriteResult CheckEdsOutput(const ParaDef& rec, const std::string& directory);

// Writes EdsFileText into `directory` under EdsFileName.
EdsWriteResult WriteEdsFile(const ParaDef& rec, const LocalTime& clock,
                            const std::string& directory);

}  // namespace q4410
