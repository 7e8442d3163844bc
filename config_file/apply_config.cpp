#include "config_file/apply_config.h"

#include "config/eeprom_image.h"
#include "config/lists.h"
#include "config/numbers.h"
#include "config/object_kinds.h"
#include "config/settings_rules.h"

namespace q4410 {

namespace {

// A value the windows cannot even offer (no list entry for it): refused with a clear text.
ApplyResult Refuse(const std::string& key, const std::string& text) {
  return {false, key, {{text, "Error"}}};
}

ApplyResult Refuse(const std::string& key, const SettingOutcome& outcome) {
  return {false, key, {{outcome.message, outcome.title}}};
}

long long Value(const ConfigFile& file, const std::string& key, long long current) {
  auto found = file.numbers.find(key);
  return found != file.numbers.end() ? found->second : current;
}

bool AnyOf(const ConfigFile& file, std::initializer_list<const char*> keys) {
  for (const char* key : keys)
    if (file.Has(key)) return true;
  return false;
}

bool InList(long long value, size_t size) {
  return value >= 0 && value < static_cast<long long>(size);
}

ApplyResult ApplyCan(ParaDef& rec, const ConfigFile& file) {
  if (!AnyOf(file, {"AppKind", "NodeId", "CanBaudCode"})) return {};
  const long long kind = Value(file, "AppKind", rec.AppKind);
  if (kind != 0 && kind != 1)
    return Refuse("AppKind",
                  "AppKind " + Decimal(kind) + " is neither CANopen (0) nor DeviceNet (1)");
  const AppSelection app = kind == 0 ? AppSelection::CANopen : AppSelection::DeviceNet;
  // Choosing the other application refills the baud list with its first entry selected.
  const long long baud = Value(file, "CanBaudCode", app == StoredApp(rec) ? rec.CanBaudCode : 0);
  if (!InList(baud, CanBaudEntries(app).size()))
    return Refuse("CanBaudCode", "CanBaudCode " + Decimal(baud) + " has no entry in the " +
                                     std::string(AppName(app)) + " baud list");
  const SettingOutcome outcome =
      ApplyCanSetting(rec, app, Decimal(Value(file, "NodeId", rec.NodeId)), static_cast<int>(baud));
  return outcome.ok ? ApplyResult{} : Refuse("NodeId", outcome);
}

ApplyResult ApplyCom(ParaDef& rec, const ConfigFile& file) {
  // A check byte alone is not taken as it stands: "Set" makes it from the COM fields.
  if (!AnyOf(file, {"ComBaudCode", "ComDataBits", "ComParity", "ComStopBits", "ComTimeoutMs",
                    "ComChecksum"}))
    return {};
  const long long baud = Value(file, "ComBaudCode", rec.ComBaudCode);
  const long long dataBits = Value(file, "ComDataBits", rec.ComDataBits) - 8;
  const long long parity = Value(file, "ComParity", rec.ComParity);
  const long long stopBits = Value(file, "ComStopBits", rec.ComStopBits) - 1;
  if (!InList(baud, kComBaudEntries.size()))
    return Refuse("ComBaudCode",
                  "ComBaudCode " + Decimal(baud) + " has no entry in the baud list (0-7)");
  if (!InList(dataBits, kComDataBitEntries.size()))
    return Refuse("ComDataBits", "ComDataBits " + Decimal(dataBits + 8) + " is not supported (8)");
  if (!InList(parity, kComParityEntries.size()))
    return Refuse("ComParity",
                  "ComParity " + Decimal(parity) + " has no entry in the parity list (0-2)");
  if (!InList(stopBits, kComStopBitEntries.size()))
    return Refuse("ComStopBits",
                  "ComStopBits " + Decimal(stopBits + 1) + " is not supported (1-2)");
  const SettingOutcome outcome = ApplyComSetting(
      rec, Decimal(Value(file, "ComTimeoutMs", rec.ComTimeoutMs)), static_cast<int>(baud),
      static_cast<int>(dataBits), static_cast<int>(parity), static_cast<int>(stopBits));
  return outcome.ok ? ApplyResult{} : Refuse("ComTimeoutMs", outcome);
}

// The editor: opened on the module's objects; a file that lists objects replaces them.
ApplyResult ApplyObjects(ParaDef& rec, const ConfigFile& file) {
  LoadAppObjectTable(rec);
  if (file.hasAppObjects) {
    while (rec.AppObjectCount > 0) DeleteAppObject(rec, rec.AppObjectCount - 1);
    for (size_t i = 0; i < file.appObjects.size(); ++i) {
      const AppObject& object = file.appObjects[i];
      const std::string key = "AppObjects, object " + Decimal(static_cast<long long>(i) + 1);
      if (!KindOf(object.Kind))
        return Refuse(key, "Kind " + Decimal(object.Kind) + " is not an object kind (0-5)");
      const AppObjectFields fields{object.DevAddr, object.Kind, Decimal(object.Start),
                                   Decimal(object.Length)};
      TableResult added = AddAppObject(rec, fields);
      if (!added.ok) return {false, key, std::move(added.messages)};
    }
  }
  for (const char* key : {"RxPdoClosed", "TxPdoClosed"}) {
    const long long flag = Value(file, key, 0);
    if (flag != 0 && flag != 1) return Refuse(key, std::string(key) + " must be 0 or 1");
  }
  rec.RxPdoClosed = static_cast<int>(Value(file, "RxPdoClosed", rec.RxPdoClosed));
  rec.TxPdoClosed = static_cast<int>(Value(file, "TxPdoClosed", rec.TxPdoClosed));
  MarkTableForDownload(rec);
  return {};
}

// The error-control times and the EDS texts: no window edits them, so only their ranges in
// block 2 word 0 are checked (16-bit times, an 8-bit factor).
ApplyResult ApplyEdsFields(ParaDef& rec, const ConfigFile& file) {
  struct Limit {
    const char* key;
    long long max;
  };
  for (const Limit& limit :
       {Limit{"GuardTime", 65535}, Limit{"LifeTimeFactor", 255}, Limit{"HeartbeatTime", 65535}}) {
    const long long value = Value(file, limit.key, 0);
    if (value < 0 || value > limit.max)
      return Refuse(limit.key, std::string(limit.key) + " " + Decimal(value) + " is outside 0-" +
                                   Decimal(limit.max));
  }
  rec.GuardTime = Value(file, "GuardTime", rec.GuardTime);
  rec.LifeTimeFactor = static_cast<int>(Value(file, "LifeTimeFactor", rec.LifeTimeFactor));
  rec.HeartbeatTime = Value(file, "HeartbeatTime", rec.HeartbeatTime);
  if (file.Has("EdsDescription")) rec.EdsInfoText[0] = file.texts.at("EdsDescription");
  if (file.Has("EdsCreatedBy")) rec.EdsInfoText[1] = file.texts.at("EdsCreatedBy");
  return {};
}

}  // namespace

ApplyResult ApplyConfigFile(ParaDef& rec, const ConfigFile& file) {
  for (auto step : {ApplyCan, ApplyCom, ApplyObjects, ApplyEdsFields}) {
    ApplyResult result = step(rec, file);
    if (!result.ok) return result;
  }
  return {};
}

void TakeStoredErrorControl(ParaDef& rec) {
  if (!rec.Block2Image.empty()) DecodeErrorControl(rec, rec.Block2Image[0]);
}

}  // namespace q4410
