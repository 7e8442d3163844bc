#include "cli/record_text.h"

#include <sstream>

#include "config/lists.h"
#include "config/numbers.h"
#include "config/object_kinds.h"

namespace q4410::cli {

namespace {

std::string CanBaudText(const ParaDef& rec) {
  if (rec.AppKind == 0 && rec.CanBaudCode >= 0 && rec.CanBaudCode < 8)
    return Trim(kCanopenBaudEntries[rec.CanBaudCode]);
  if (rec.AppKind == 1 && rec.CanBaudCode >= 0 && rec.CanBaudCode < 3)
    return Trim(kDevicenetBaudEntries[rec.CanBaudCode]);
  return "code " + Decimal(rec.CanBaudCode);
}

template <size_t N>
std::string ListText(const std::array<std::string_view, N>& list, int index) {
  if (index >= 0 && index < static_cast<int>(N)) return Trim(list[index]);
  return "code " + Decimal(index);
}

}  // namespace

std::string RecordToText(const ParaDef& rec) {
  std::ostringstream out;
  out << "Module            " << rec.ModulePrompt << "\n"
      << "Firmware          " << FirmwareText(rec) << "\n"
      << "Application       "
      << (rec.AppKind == 0   ? "CANopen"
          : rec.AppKind == 1 ? "DeviceNet"
                             : "code " + Decimal(rec.AppKind))
      << "\n"
      << "Node ID           " << rec.NodeId << "\n"
      << "CAN baud rate     " << CanBaudText(rec) << "\n"
      << "COM baud rate     " << ListText(kComBaudEntries, rec.ComBaudCode) << "\n"
      << "COM data bits     " << rec.ComDataBits << "\n"
      << "COM parity        " << ListText(kComParityEntries, rec.ComParity) << "\n"
      << "COM stop bits     " << rec.ComStopBits << "\n"
      << "COM time-out      " << rec.ComTimeoutMs << " ms\n"
      << "Configured        " << rec.ConfigYear << "-" << Format00(rec.ConfigMonth) << "-"
      << Format00(rec.ConfigDay) << " " << Format00(rec.ConfigHour) << ":"
      << Format00(rec.ConfigMinute) << ":" << Format00(rec.ConfigSecond) << "\n"
      << "RxPDO closed      " << rec.RxPdoClosed << "\n"
      << "TxPDO closed      " << rec.TxPdoClosed << "\n"
      << "EEPROM data error " << (rec.EepromDataError ? "yes (defaults applied)" : "no") << "\n"
      << "Application objects: " << rec.ModuleAppObjectCount << "\n";
  for (int i = 0; i < rec.ModuleAppObjectCount && i < static_cast<int>(rec.ModuleAppObjects.size());
       ++i) {
    const AppObject& object = rec.ModuleAppObjects[i];
    const KindTraits* traits = KindOf(object.Kind);
    const std::string kind =
        traits ? std::string(traits->shortName) : "kind " + Decimal(object.Kind);
    out << "  " << i + 1 << ": device " << object.DevAddr << ", " << kind << ", start "
        << object.Start << ", length " << object.Length << "\n";
  }
  std::string text = out.str();
  text.pop_back();  // the caller ends the last line
  return text;
}

}  // namespace q4410::cli
