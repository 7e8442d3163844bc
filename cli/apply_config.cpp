#include "cli/apply_config.h"

#include "config/app_object_table.h"
#include "config/lists.h"
#include "config/numbers.h"
#include "config/object_kinds.h"
#include "config/settings_rules.h"

namespace q4410::cli {

namespace {

// A value the windows cannot even offer (no list entry for it): refused with a clear text.
bool Refuse(DialogueObserver& observer, const std::string& text) {
  observer.ShowMessage(text, "Error");
  return false;
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

bool Show(const SettingOutcome& outcome, DialogueObserver& observer) {
  if (!outcome.ok) observer.ShowMessage(outcome.message, outcome.title);
  return outcome.ok;
}

bool ApplyCan(ParaDef& rec, const ConfigFile& file, DialogueObserver& observer) {
  if (!AnyOf(file, {"AppKind", "NodeId", "CanBaudCode"})) return true;
  const long long kind = Value(file, "AppKind", rec.AppKind);
  if (kind != 0 && kind != 1)
    return Refuse(observer,
                  "AppKind " + Decimal(kind) + " is neither CANopen (0) nor DeviceNet (1)");
  const AppSelection app = kind == 0 ? AppSelection::CANopen : AppSelection::DeviceNet;
  // Choosing the other application refills the baud list with its first entry selected.
  const long long baud = Value(file, "CanBaudCode", app == StoredApp(rec) ? rec.CanBaudCode : 0);
  if (!InList(baud, CanBaudEntries(app).size()))
    return Refuse(observer, "CanBaudCode " + Decimal(baud) + " has no entry in the " +
                                std::string(AppName(app)) + " baud list");
  return Show(
      ApplyCanSetting(rec, app, Decimal(Value(file, "NodeId", rec.NodeId)), static_cast<int>(baud)),
      observer);
}

bool ApplyCom(ParaDef& rec, const ConfigFile& file, DialogueObserver& observer) {
  if (!AnyOf(file, {"ComBaudCode", "ComDataBits", "ComParity", "ComStopBits", "ComTimeoutMs"}))
    return true;
  const long long baud = Value(file, "ComBaudCode", rec.ComBaudCode);
  const long long dataBits = Value(file, "ComDataBits", rec.ComDataBits) - 8;
  const long long parity = Value(file, "ComParity", rec.ComParity);
  const long long stopBits = Value(file, "ComStopBits", rec.ComStopBits) - 1;
  if (!InList(baud, kComBaudEntries.size()))
    return Refuse(observer,
                  "ComBaudCode " + Decimal(baud) + " has no entry in the baud list (0-7)");
  if (!InList(dataBits, kComDataBitEntries.size()))
    return Refuse(observer, "ComDataBits " + Decimal(dataBits + 8) + " is not supported (8)");
  if (!InList(parity, kComParityEntries.size()))
    return Refuse(observer,
                  "ComParity " + Decimal(parity) + " has no entry in the parity list (0-2)");
  if (!InList(stopBits, kComStopBitEntries.size()))
    return Refuse(observer, "ComStopBits " + Decimal(stopBits + 1) + " is not supported (1-2)");
  return Show(ApplyComSetting(rec, Decimal(Value(file, "ComTimeoutMs", rec.ComTimeoutMs)),
                              static_cast<int>(baud), static_cast<int>(dataBits),
                              static_cast<int>(parity), static_cast<int>(stopBits)),
              observer);
}

bool Show(const TableResult& result, DialogueObserver& observer) {
  for (const TableMessage& message : result.messages)
    observer.ShowMessage(message.text, message.title);
  return result.ok;
}

// The editor: opened on the module's objects; a file that lists objects replaces them.
bool ApplyObjects(ParaDef& rec, const ConfigFile& file, DialogueObserver& observer) {
  LoadAppObjectTable(rec);
  if (file.hasAppObjects) {
    while (rec.AppObjectCount > 0) DeleteAppObject(rec, rec.AppObjectCount - 1);
    for (const AppObject& object : file.appObjects) {
      if (!KindOf(object.Kind))
        return Refuse(observer, "Kind " + Decimal(object.Kind) + " is not an object kind (0-5)");
      const AppObjectFields fields{object.DevAddr, object.Kind, Decimal(object.Start),
                                   Decimal(object.Length)};
      if (!Show(AddAppObject(rec, fields), observer)) return false;
    }
  }
  for (const char* key : {"RxPdoClosed", "TxPdoClosed"}) {
    const long long flag = Value(file, key, 0);
    if (flag != 0 && flag != 1) return Refuse(observer, std::string(key) + " must be 0 or 1");
  }
  rec.RxPdoClosed = static_cast<int>(Value(file, "RxPdoClosed", rec.RxPdoClosed));
  rec.TxPdoClosed = static_cast<int>(Value(file, "TxPdoClosed", rec.TxPdoClosed));
  MarkTableForDownload(rec);
  return true;
}

}  // namespace

bool ApplyConfigFile(ParaDef& rec, const ConfigFile& file, DialogueObserver& observer) {
  return ApplyCan(rec, file, observer) && ApplyCom(rec, file, observer) &&
         ApplyObjects(rec, file, observer);
}

}  // namespace q4410::cli
