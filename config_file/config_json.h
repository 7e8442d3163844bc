// The JSON form of a configuration: one object whose keys are the record's field names, with
// "Format" naming the form and its version. `q4410ctl read --json` and the main window's
// "Save configuration…" write it; `q4410ctl write`, `q4410ctl eds` and "Open configuration…"
// read it. Files without "Format" (written before the key existed) read as the first version.
#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "config/para_def.h"

namespace q4410 {

// The form this version writes and the only one it reads.
inline constexpr std::string_view kConfigFormat = "q4410/1";

// What a configuration file gave, as given: which keys were present and their values.
struct ConfigFile {
  std::set<std::string> keys;                // the known keys present
  std::map<std::string, long long> numbers;  // whole-number fields; flags as 0 or 1
  std::map<std::string, std::string> texts;  // ModulePrompt, EdsDescription, EdsCreatedBy
  bool eepromDataError = false;              // EepromDataError, when present
  bool hasAppObjects = false;
  std::vector<AppObject> appObjects;  // AppObjects in file order, DevAddr as decimal text
  bool Has(const std::string& key) const { return keys.count(key) != 0; }
};

// The record as JSON (indented, ends with a line end). The objects listed are the ones read
// from the module (ModuleAppObjects) when `moduleObjects`, else the working table. The EDS
// texts and the error-control times are the record's.
std::string RecordToJson(const ParaDef& rec, bool moduleObjects);

// Reads a configuration file: every key present is taken into `rec` (AppObjects become the
// working table and AppObjectCount; the EDS texts EdsInfoText); missing keys leave `rec` as it
// is; unknown keys are ignored. On refusal returns false with `error` naming the key, and
// changes nothing.
bool RecordFromJson(const std::string& text, ParaDef& rec, ConfigFile& file, std::string& error);

}  // namespace q4410
