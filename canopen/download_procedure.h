// The download: builds the block 0 and block 2 images, writes them into the module's EEPROM
// through the console, then writes the EDS file. COPEDS_F and q4410ctl are its two faces.
#pragma once

#include <string>

#include "config/clock_time.h"
#include "config/para_def.h"
#include "link/dialogue_observer.h"
#include "link/link.h"

namespace q4410 {

enum class DownloadResult {
  Busy,       // LinkBusy was set: nothing happened
  Failed,     // port or console failure; messages shown, LinkBusy released
  EdsFailed,  // the module is configured but the EDS file could not be written
  Done,       // module configured and EDS file written
};

struct DownloadRequest {
  std::string port;          // device / port label as listed
  std::string edsDirectory;  // where the EDS file goes
  LocalTime clock;           // time stamp of the configuration and the EDS file
  bool verify = true;        // read every word written back and compare
};

DownloadResult RunDownload(ParaDef& rec, Link& link, const DownloadRequest& request,
                           DialogueObserver& observer);

}  // namespace q4410
