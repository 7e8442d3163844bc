// Applies a configuration file to a record the way a user would in the windows: "Setting",
// "Set", the object editor and its "Next", with exactly their checks and messages. Keys the
// file leaves out keep what the record holds. q4410ctl write and the main window's
// "Open configuration…" both go through here.
#pragma once

#include <string>
#include <vector>

#include "config/app_object_table.h"
#include "config/para_def.h"
#include "config_file/config_json.h"

namespace q4410 {

struct ApplyResult {
  bool ok = true;
  std::string key;                     // the key refused ("NodeId", "AppObjects, object 2")
  std::vector<TableMessage> messages;  // the message boxes the windows show for it
};

// On success the file's objects are the working table (AppObjects), marked for the download
// as the editor's "Next" marks it. After a refusal `rec` may be half-applied: apply to a copy
// when the record must stay as it was.
ApplyResult ApplyConfigFile(ParaDef& rec, const ConfigFile& file);

// The error-control times stored in block 2 of the module just read (when the connect read
// it) into the record, so that a configuration file names what the module holds.
void TakeStoredErrorControl(ParaDef& rec);

}  // namespace q4410
