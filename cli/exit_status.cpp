#include "cli/exit_status.h"

namespace q4410::cli {

int ExitStatusOf(const DownloadOutcome& outcome) {
  switch (outcome.result) {
    case DownloadResult::Done:
      return kExitDone;
    case DownloadResult::VerifyFailed:
      return kExitNotVerified;
    case DownloadResult::EdsFailed:
      return kExitEdsFailed;
    case DownloadResult::Busy:
    case DownloadResult::Failed:
      break;
  }
  return outcome.module == ModuleState::Untouched ? kExitUnchanged : kExitPartlyWritten;
}

const char* const kExitStatusHelp =
    "Exit status:\n"
    "  0  done\n"
    "  1  failed; the module was not changed\n"
    "  2  usage error\n"
    "  3  (write) the module was partly written: run the write again\n"
    "  4  (write) written, but reading it back found a word that differs or could not\n"
    "     read it back: run the write again\n"
    "  5  (write) written and verified (unless --no-verify), but the EDS file could not\n"
    "     be written\n";

}  // namespace q4410::cli
