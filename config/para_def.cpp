#include "config/para_def.h"

#include <algorithm>
#include <cstdint>

#include "config/lists.h"
#include "config/numbers.h"

namespace q4410 {

namespace {

// Sets the named fields back to their defaults.
template <typename... Fields>
void Restore(ParaDef& rec, Fields... fields) {
  const ParaDef defaults;
  ((rec.*fields = defaults.*fields), ...);
}

}  // namespace

void ApplyStartUpState(ParaDef& rec) {
  Restore(rec, &ParaDef::AppKind, &ParaDef::NodeId, &ParaDef::CanBaudCode,
          &ParaDef::EepromDataError, &ParaDef::RxPdoLast, &ParaDef::TxPdoLast, &ParaDef::EdsFlag);
}

void ApplyDataErrorDefaults(ParaDef& rec) {
  Restore(rec, &ParaDef::NodeId, &ParaDef::CanBaudCode, &ParaDef::ConfigYear, &ParaDef::ConfigMonth,
          &ParaDef::ConfigDay, &ParaDef::ConfigHour, &ParaDef::ConfigMinute, &ParaDef::ConfigSecond,
          &ParaDef::ModuleAppObjectCount, &ParaDef::ModuleAppObjects, &ParaDef::ComBaudCode,
          &ParaDef::ComDataBits, &ParaDef::ComParity, &ParaDef::ComStopBits, &ParaDef::ComTimeoutMs,
          &ParaDef::AppObjectsUnchanged);
  rec.ComChecksum = ComChecksumOf(rec);
}

int ComChecksumOf(const ParaDef& rec) {
  long b = 0;  // the baud rate as a number: the one its list entry names
  if (rec.ComBaudCode >= 0 && rec.ComBaudCode < static_cast<int>(kComBaudEntries.size()))
    b = static_cast<long>(NumericValue(kComBaudEntries[rec.ComBaudCode]));
  return static_cast<int>(((b >> 16) & 255) + ((b >> 8) & 255) + (b & 255) + rec.ComDataBits +
                          rec.ComParity + rec.ComStopBits);
}

int DevAddrNumber(const AppObject& object) {
  // Texts of absurd size are held to a range where rounding is exact.
  const double value = std::clamp(NumericValue(object.DevAddr), -1.0e9, 1.0e9);
  return static_cast<int>(static_cast<uint32_t>(RoundHalfEven(value)) & 0xFFu);
}

std::string FirmwareText(const ParaDef& rec) {
  return Decimal(rec.FirmwareMajor) + "." + Format00(rec.FirmwareMinor) + "-" +
         Decimal(rec.FirmwareYear) + "/" + Format00(rec.FirmwareMonth) + "/" +
         Format00(rec.FirmwareDay);
}

}  // namespace q4410
