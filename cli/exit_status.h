// The exit statuses of q4410ctl, which tell a script what state the module is in.
#pragma once

#include "canopen/download_procedure.h"

namespace q4410::cli {

enum ExitStatus {
  kExitDone = 0,           // done
  kExitUnchanged = 1,      // failed; the module was not changed
  kExitUsage = 2,          // usage error
  kExitPartlyWritten = 3,  // the module is partly written: write again
  kExitNotVerified = 4,    // written, but the verification found differences
  kExitEdsFailed = 5,      // written (and verified), but the EDS file was not written
};

// The status of a write, from what its download reports.
int ExitStatusOf(const DownloadOutcome& outcome);

// The lines of --help that explain them.
extern const char* const kExitStatusHelp;

}  // namespace q4410::cli
