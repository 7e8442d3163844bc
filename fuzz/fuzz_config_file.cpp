// The configuration file loader with arbitrary text: read, applied with the windows' rules,
// and, when accepted, written out again (the file form and the EDS file). Checked: a refused
// file names why and leaves the record as it was; an accepted one reads back to the same
// record through its own JSON form, and gives a well-formed EDS file.
#include <string>

#include "canopen/eds_writer.h"
#include "canopen/pdo_builder.h"
#include "check.h"
#include "config_file/apply_config.h"
#include "config_file/config_json.h"

using q4410::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  q4410::ParaDef rec;
  q4410::ConfigFile file;
  std::string error;
  if (!q4410::RecordFromJson(text, rec, file, error)) {
    Check(!error.empty(), "a file refused without a reason");
    Check(q4410::RecordToJson(rec, false) == q4410::RecordToJson(q4410::ParaDef{}, false),
          "a refused file changed the record");
    return 0;
  }
  const q4410::ApplyResult applied = q4410::ApplyConfigFile(rec, file);
  if (!applied.ok) {
    Check(!applied.key.empty() && !applied.messages.empty(), "a file refused without a message");
    return 0;
  }

  // What was accepted survives its own file form.
  const std::string json = q4410::RecordToJson(rec, false);
  q4410::ParaDef again;
  q4410::ConfigFile againFile;
  Check(q4410::RecordFromJson(json, again, againFile, error), "the record's own file is refused");
  Check(q4410::ApplyConfigFile(again, againFile).ok, "the record's own file is not applied");
  Check(q4410::RecordToJson(again, false) == json, "the record changed through its own file");

  rec.AppObjectsUnchanged = false;
  q4410::BuildPdoMapping(rec);
  q4410::fuzz::CheckEdsText(q4410::EdsFileText(rec, {2026, 12, 7, 14, 35, 0}));
  return 0;
}
