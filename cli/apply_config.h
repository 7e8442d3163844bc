// Applies a configuration file to a connected module's record the way a user would in the
// windows: "Setting", "Set", the object editor and its "Next", with exactly their checks and
// messages. Keys the file leaves out keep what the module holds.
#pragma once

#include "cli/record_json.h"
#include "config/para_def.h"
#include "link/dialogue_observer.h"

namespace q4410::cli {

// False after the first refusal, whose messages went to `observer`; the record may then be
// half-applied and must not be written.
bool ApplyConfigFile(ParaDef& rec, const ConfigFile& file, DialogueObserver& observer);

}  // namespace q4410::cli
