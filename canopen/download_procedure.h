// The download: checks that the EDS file can be written, builds the block 0 and block 2
// images, writes them into the module's EEPROM through the console, reads them back to verify
// them, then writes the EDS file. COPEDS_F and q4410ctl are its two faces.
#pragma once

#include <string>

#include "config/clock_time.h"
#include "config/para_def.h"
#include "link/dialogue_observer.h"
#include "link/dialogue_outcome.h"
#include "link/link.h"

namespace q4410 {

enum class DownloadResult {
  Busy,          // LinkBusy was set: nothing happened
  Failed,        // EDS output, port or console failure; messages shown, LinkBusy released
  VerifyFailed,  // written, but a word read back differs or could not be read back
  EdsFailed,     // the module is configured but the EDS file could not be written
  Done,          // module configured (and verified when asked) and EDS file written
};

// How a download ended, what it left in the module, and where it failed.
struct DownloadOutcome {
  DownloadResult result = DownloadResult::Failed;
  ModuleState module = ModuleState::Untouched;
  std::string detail;  // one line on where it failed; empty when it did not
};

struct DownloadRequest {
  std::string port;          // device / port label as listed
  std::string edsDirectory;  // where the EDS file goes
  LocalTime clock;           // time stamp of the configuration and the EDS file
  bool verify = true;        // read every word written back and compare
};

DownloadOutcome RunDownload(ParaDef& rec, Link& link, const DownloadRequest& request,
                            DialogueObserver& observer);

}  // namespace q4410
