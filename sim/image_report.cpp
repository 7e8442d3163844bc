#include "sim/image_report.h"

#include <cstdint>
#include <sstream>
#include <vector>

#include "config/eeprom_image.h"
#include "config/lists.h"
#include "config/numbers.h"
#include "config/object_kinds.h"
#include "config/para_def.h"

namespace q4410::sim {
namespace {

std::string KindName(int kind) {
  if (const KindTraits* traits = KindOf(kind)) return std::string(traits->shortName);
  return "kind " + std::to_string(kind);
}

// The rate a baud list names for `code`.
template <std::size_t N>
std::string Rate(const std::array<std::string_view, N>& list, int code, const char* unit) {
  if (code < 0 || code >= static_cast<int>(N)) return {};
  return std::to_string(static_cast<long>(NumericValue(list[static_cast<size_t>(code)]))) + unit;
}

std::string CanBaud(const ParaDef& rec) {
  std::string rate;
  if (rec.AppKind == 0) rate = Rate(kCanopenBaudEntries, rec.CanBaudCode, " kbit/s");
  if (rec.AppKind == 1) rate = Rate(kDevicenetBaudEntries, rec.CanBaudCode, " kbit/s");
  return rate.empty() ? "code " + std::to_string(rec.CanBaudCode) : rate;
}

std::string ComLine(const ParaDef& rec) {
  static constexpr const char* kParity[] = {"none", "even", "odd"};
  std::ostringstream out;
  const std::string rate = Rate(kComBaudEntries, rec.ComBaudCode, " baud");
  out << (rate.empty() ? "baud code " + std::to_string(rec.ComBaudCode) : rate);
  out << ", " << rec.ComDataBits << " data bits, parity ";
  if (rec.ComParity >= 0 && rec.ComParity < 3)
    out << kParity[rec.ComParity];
  else
    out << "code " << rec.ComParity;
  out << ", " << rec.ComStopBits << " stop bit(s), time-out " << rec.ComTimeoutMs
      << " ms, check byte " << rec.ComChecksum;
  return out.str();
}

void RawWords(std::ostream& out, const EepromStore& store, int block, int first, int last) {
  out << "Block " << block << " words (offset: hex = signed):\n";
  for (int offset = first; offset <= last; offset += 4) {
    const uint32_t w = store.Word(block, offset);
    out << "  " << offset << ": 0x" << HexWidth(w, 8) << " = " << static_cast<int32_t>(w) << "\n";
  }
}

}  // namespace

StoredImage DecodeStoredImage(const EepromStore& store, ParaDef& rec) {
  DecodeFirmwareWords(rec, store.Word(0, 0), store.Word(0, 4));
  std::vector<uint32_t> words(kBlock0WordCount);
  for (int i = 0; i < kBlock0WordCount; ++i)
    words[static_cast<size_t>(i)] = store.Word(0, kBlock0FirstOffset + 4 * i);
  const AppSelection selection =
      ((words[2] >> 8) & 0xFF) == 1 ? AppSelection::DeviceNet : AppSelection::CANopen;
  // The connect sizes the DeviceNet block before it checks word 1 against it.
  if (selection == AppSelection::DeviceNet) rec.Block1Length = 28;
  if (!DecodeBlock0Header(rec, words, selection)) return StoredImage::None;
  if (rec.EepromDataError) return StoredImage::HeaderErrors;
  DecodeBlock0Objects(rec, words);
  return StoredImage::Read;
}

std::string DescribeImage(const EepromStore& store) {
  std::ostringstream out;
  ParaDef rec;
  const StoredImage stored = DecodeStoredImage(store, rec);
  out << "Firmware: " << FirmwareText(rec) << "\n";
  if (stored == StoredImage::None) {
    out << "Configuration: none stored\n";
  } else {
    const bool headerError = stored == StoredImage::HeaderErrors;
    out << "Configuration: " << (rec.EepromDataError ? "stored, with data errors" : "stored")
        << "\n";
    out << "Application: "
        << (rec.AppKind == 0   ? "CANopen"
            : rec.AppKind == 1 ? "DeviceNet"
                               : "?")
        << " (kind " << rec.AppKind << ")\n";
    out << "Node ID: " << rec.NodeId << "\n";
    out << "CAN baud: " << CanBaud(rec) << "\n";
    out << "PDO mapping closed: Rx " << (rec.RxPdoClosed ? "yes" : "no") << ", Tx "
        << (rec.TxPdoClosed ? "yes" : "no") << "\n";
    out << "Modbus line: " << ComLine(rec) << "\n";
    out << "Time stamp: " << Format0000(rec.ConfigYear) << "-" << Format00(rec.ConfigMonth) << "-"
        << Format00(rec.ConfigDay) << " " << Format00(rec.ConfigHour) << ":"
        << Format00(rec.ConfigMinute) << ":" << Format00(rec.ConfigSecond) << "\n";
    out << "Application objects: " << rec.ModuleAppObjectCount << "\n";
    if (headerError) {
      out << "  (not decoded: the general words hold data errors)\n";
    } else {
      int n = 1;
      for (const AppObject& obj : rec.ModuleAppObjects)
        out << "  " << n++ << ": device " << obj.DevAddr << ", " << KindName(obj.Kind) << ", start "
            << obj.Start << ", length " << obj.Length << "\n";
      out << "Byte counts: Rx digital " << rec.RxDigitalBytes << " bytes, Rx analog "
          << rec.RxAnalogBytes << " registers, Tx digital " << rec.TxDigitalBytes
          << " bytes, Tx analog " << rec.TxAnalogBytes << " registers\n";
    }
  }
  if (rec.EepromDataError) out << "Data error: the utility would apply its defaults\n";
  RawWords(out, store, 0, 40, 156);
  RawWords(out, store, 2, 0, 12);
  return out.str();
}

EepromStore ExampleImage() {
  ParaDef rec;
  rec.AppKind = 0;
  rec.NodeId = 5;
  rec.CanBaudCode = 3;  // 125 kbit/s
  rec.ComBaudCode = 4;  // 19200 baud
  rec.ComDataBits = 8;
  rec.ComParity = 1;  // even
  rec.ComStopBits = 1;
  rec.ComTimeoutMs = 300;
  rec.ComChecksum = ComChecksumOf(rec);
  rec.ConfigYear = 2026;
  rec.ConfigMonth = 12;
  rec.ConfigDay = 1;
  rec.ConfigHour = 10;
  rec.ConfigMinute = 20;
  rec.ConfigSecond = 30;
  rec.AppObjects.assign(kMaxAppObjects, AppObject{});
  rec.AppObjects[0] = AppObject{"1", 3, 1, 4};   // Read AI: 4 registers
  rec.AppObjects[1] = AppObject{"2", 0, 1, 10};  // Write DO: 10 bits
  rec.AppObjectCount = 2;
  rec.AppObjectsUnchanged = false;
  rec.RxDigitalBytes = 2;
  rec.RxAnalogBytes = 0;
  rec.TxDigitalBytes = 0;
  rec.TxAnalogBytes = 8;  // bytes: 4 registers
  rec.RxPdoLast = 3;
  rec.TxPdoLast = 3;
  rec.GuardTime = 0;
  rec.LifeTimeFactor = 0;
  rec.Block0Length = 108;
  rec.Block1Length = 0;
  rec.Block2Length = 16;

  EepromStore store;
  const std::vector<uint32_t> block0 = PackBlock0(rec);
  for (size_t i = 0; i < block0.size(); ++i)
    store.SetWord(0, kBlock0FirstOffset + 4 * static_cast<int>(i), block0[i]);
  const std::vector<uint32_t> block2 = PackBlock2(rec);
  for (size_t i = 0; i < block2.size(); ++i) store.SetWord(2, 4 * static_cast<int>(i), block2[i]);
  return store;
}

}  // namespace q4410::sim
