#include "config/para_def.h"

#include <cstdlib>

#include "config/numbers.h"

namespace q4410 {

void ApplyStartUpState(ParaDef& rec) {
  rec = ParaDef{};
}

void ApplyDataErrorDefaults(ParaDef& rec) {
  rec.NodeId = 1;
  rec.CanBaudCode = 0;
  rec.ConfigYear = rec.ConfigMonth = rec.ConfigDay = 0;
  rec.ConfigHour = rec.ConfigMinute = rec.ConfigSecond = 0;
  rec.ModuleAppObjectCount = 0;
  rec.ModuleAppObjects.clear();
  rec.ComBaudCode = 3;
  rec.ComDataBits = 8;
  rec.ComParity = 0;
  rec.ComStopBits = 1;
  rec.ComTimeoutMs = 200;
  rec.ComChecksum = ComChecksumOf(rec);
  rec.AppObjectsUnchanged = false;
}

int ComChecksumOf(const ParaDef& rec) {
  long b = 0;
  if (rec.ComBaudCode >= 0 && rec.ComBaudCode < 8)
    b = std::strtol(rec.BaudRateText[rec.ComBaudCode].c_str(), nullptr, 10);
  return static_cast<int>(((b >> 16) & 255) + ((b >> 8) & 255) + (b & 255) + rec.ComDataBits +
                          rec.ComParity + rec.ComStopBits);
}

std::string FirmwareText(const ParaDef& rec) {
  return Decimal(rec.FirmwareMajor) + "." + Format00(rec.FirmwareMinor) + "-" +
         Decimal(rec.FirmwareYear) + "/" + Format00(rec.FirmwareMonth) + "/" +
         Format00(rec.FirmwareDay);
}

}  // namespace q4410
