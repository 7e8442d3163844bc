#include "config/app_object_table.h"

#include <algorithm>
#include <utility>

#include "config/numbers.h"
#include "config/object_kinds.h"

namespace q4410 {

namespace {

constexpr const char* kError = "Error";

TableResult Refused(std::string text, std::string title) {
  return {false, {{std::move(text), std::move(title)}}};
}

bool Outside(double value, double low, double high) {
  return value < low || value > high;
}

// The slot count the window can show: never more than the table holds.
int UsedSlots(const ParaDef& rec) {
  return std::clamp(rec.AppObjectCount, 0, static_cast<int>(rec.AppObjects.size()));
}

}  // namespace

void LoadAppObjectTable(ParaDef& rec) {
  DiscardAppObjectTable(rec);
  const int count =
      std::clamp(rec.ModuleAppObjectCount, 0,
                 std::min(kMaxAppObjects, static_cast<int>(rec.ModuleAppObjects.size())));
  std::copy_n(rec.ModuleAppObjects.begin(), count, rec.AppObjects.begin());
  rec.AppObjectCount = count;
}

void DiscardAppObjectTable(ParaDef& rec) {
  rec.AppObjects.assign(kMaxAppObjects, AppObject{});
  rec.AppObjectCount = 0;
}

TableResult ApplicationObj(ParaDef& rec, int slot, const AppObjectFields& fields) {
  const double address = NumericValue(fields.devAddr);
  const double start = NumericValue(fields.start);
  const double length = NumericValue(fields.length);

  if (Outside(address, 1, 247)) return Refused("ModBus Device Address Error. (1-247)", kError);
  const KindTraits* kind = KindOf(fields.kind);
  if (!kind) return Refused("Device I/O TYPE Error. (0-5)", kError);
  if (Outside(start, 1, 9999)) return Refused(std::string(kind->startError), kError);
  if (Outside(length, 1, kind->maxLength))
    return Refused(std::string(kind->lengthError), std::string(kind->lengthErrorTitle));
  if (slot < 0 || slot >= static_cast<int>(rec.AppObjects.size())) return {};

  // The address goes into a byte of the module and into the PDO texts as a whole number, so
  // it is rounded like start and length (the checks above keep all three in range).
  AppObject& object = rec.AppObjects[slot];
  object.DevAddr = Decimal(RoundHalfEven(address));
  object.Kind = fields.kind;
  object.Start = static_cast<int>(RoundHalfEven(start));
  object.Length = static_cast<int>(RoundHalfEven(length));
  return {true, {}};
}

TableResult AddAppObject(ParaDef& rec, const AppObjectFields& fields) {
  if (rec.AppObjects.size() < static_cast<size_t>(kMaxAppObjects))
    rec.AppObjects.resize(kMaxAppObjects);
  const int count = UsedSlots(rec);
  if (count + 1 >= kMaxAppObjects + 1)
    return Refused("Application Object Max: " + DefaultRendering(kMaxAppObjects), kError);
  TableResult result = ApplicationObj(rec, count, fields);
  if (!result.ok) return result;
  rec.AppObjectCount = count + 1;
  rec.AppObjectsUnchanged = false;
  return result;
}

TableResult UpdateAppObject(ParaDef& rec, int slot, const AppObjectFields& fields) {
  TableResult result;
  if (slot >= 0 && slot < UsedSlots(rec)) result = ApplicationObj(rec, slot, fields);
  if (!result.ok) {
    result.messages.push_back({"Failure!!!", "Update"});
    return result;
  }
  result.messages.push_back({"Success!!!", "Update"});
  rec.AppObjectsUnchanged = false;
  return result;
}

TableResult DeleteAppObject(ParaDef& rec, int slot) {
  const int count = UsedSlots(rec);
  if (slot < 0 || slot >= count) return {};
  std::move(rec.AppObjects.begin() + slot + 1, rec.AppObjects.begin() + count,
            rec.AppObjects.begin() + slot);
  rec.AppObjects[count - 1] = AppObject{};
  rec.AppObjectCount = count - 1;
  rec.AppObjectsUnchanged = false;
  return {true, {}};
}

void MarkTableForDownload(ParaDef& rec) {
  if (rec.AppObjectCount > 0) rec.AppObjectsUnchanged = false;
}

}  // namespace q4410
