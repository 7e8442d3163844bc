// The JSON form of the configuration record: one object whose keys are the record's field
// names. `read --json` prints it, `eds` and `write` take a configuration file in it.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "config/para_def.h"

namespace q4410::cli {

// What a configuration file gave, as given: which keys were present and their values.
struct ConfigFile {
  std::set<std::string> keys;                // the known keys present
  std::map<std::string, long long> numbers;  // whole-number fields (NodeId, ComTimeoutMs, ...)
  std::string modulePrompt;                  // ModulePrompt, when present
  bool eepromDataError = false;              // EepromDataError, when present
  bool hasAppObjects = false;
  std::vector<AppObject> appObjects;  // AppObjects in file order, DevAddr as decimal text
  bool Has(const std::string& key) const { return keys.count(key) != 0; }
};

// The record as JSON (indented, ends with a line end). The objects listed are the ones read
// from the module (ModuleAppObjects) when `moduleObjects`, else the working table.
std::string RecordToJson(const ParaDef& rec, bool moduleObjects);

// Reads a configuration file: every key present is taken into `rec` (AppObjects become the
// working table and AppObjectCount); missing keys leave `rec` as it is; unknown keys are
// ignored. On refusal returns false with `error` naming the key, and changes nothing.
bool RecordFromJson(const std::string& text, ParaDef& rec, ConfigFile& file, std::string& error);

}  // namespace q4410::cli
