// The sections of the EDS file up to the communication profile objects.
#include <array>
#include <string>
#include <vector>

#include "canopen/ascii_line.h"
#include "canopen/eds_sections.h"
#include "config/lists.h"
#include "config/numbers.h"

namespace q4410::eds {

namespace {

// A typed text as the value of `key`: ASCII on one line (a line break would start a new key
// or section), cut so that the line stays within what every reader takes.
std::string TypedLine(std::string_view key, const std::string& text) {
  constexpr std::size_t kMaxLine = 255;
  return (std::string(key) + AsciiLine(text)).substr(0, kMaxLine);
}

bool HasRx(const ParaDef& rec) {
  return static_cast<long long>(rec.RxDigitalBytes) + rec.RxAnalogBytes > 0;
}
bool HasTx(const ParaDef& rec) {
  return static_cast<long long>(rec.TxDigitalBytes) + rec.TxAnalogBytes > 0;
}

}  // namespace

bool HeartbeatMode(const ParaDef& rec) {
  // The switch is bit 2 of the stored low byte: True is stored as 0xFF, False as 0.
  int stored = rec.AppObjectsUnchanged ? 0xFF : 0;
  return (stored & 4) != 0;
}

std::string Hex0x(long long value) {
  return "0x" + Hex(static_cast<uint32_t>(value));
}

std::string EdsTime(const LocalTime& clock) {
  // 12-hour clock: noon is 12:xxPM, midnight 12:xxAM.
  int hour = clock.hour % 12 == 0 ? 12 : clock.hour % 12;
  return Format00(hour) + ":" + Format00(clock.minute) + (clock.hour >= 12 ? "PM" : "AM");
}

std::string EdsDate(const LocalTime& clock) {
  return Format00(clock.month) + "-" + Format00(clock.day) + "-" + Format0000(clock.year);
}

void FileInfoSection(Lines& out, const ParaDef& rec, const LocalTime& clock) {
  const std::string& description = rec.EdsInfoText[0];
  const std::string& createdBy = rec.EdsInfoText[1];
  out.Line("[FileInfo]");
  out.Line("FileName=VLDN_CANOpen/ModBus RTU" + Decimal(rec.NodeId) + ".eds");
  out.Line("FileVersion=1");
  out.Line("FileRevision=0");
  out.Line("EDSVersion=1.0");
  out.Line(description.empty() ? "Description=VELDAN CANopen Master/ModBus RTU Slave Gateway"
                               : TypedLine("Description=", description));
  out.Line("CreationTime=" + EdsTime(clock));
  out.Line("CreationDate=" + EdsDate(clock));
  out.Line(createdBy.empty() ? "CreatedBy=VELDAN" : TypedLine("CreatedBy=", createdBy));
  out.Line("ModificationTime=" + EdsTime(clock));
  out.Line("ModificationDate=" + EdsDate(clock));
  out.Line("ModifiedBy=None");
  out.Empty();
}

void DeviceInfoSection(Lines& out, const ParaDef& rec) {
  out.Line("[DeviceInfo]");
  out.Line("VendorName=VELDAN CO. LTd.");
  out.Line("VendorNumber=0x000002A7");
  out.Line("ProductName=VLDN_CANOpen/ModBus RTU Gateway");
  out.Line("ProductNumber=" + Decimal(rec.FirmwareMajor));
  out.Line("RevisionNumber=" + Decimal(rec.FirmwareMinor));
  out.Line(rec.ModulePrompt.find("QT") != std::string::npos
               ? "OrderCode=VELDAN CANOpen/ModBus RTU Gateway"
               : "OrderCode=VLDN CANOpen/ModBus RTU Gateway");
  for (int code = static_cast<int>(kCanopenBaudEntries.size()) - 1; code >= 0; --code) {
    const auto kbps = static_cast<long long>(NumericValue(kCanopenBaudEntries[code]));
    out.Line("BaudRate_" + Decimal(kbps) + (code == rec.CanBaudCode ? "=1" : "=0"));
  }
  for (const char* line : {"SimpleBootUpSlave=1", "SimpleBootUpMaster=0", "Granularity=8",
                           "DynamicChannelsSupported=0", "GroupMessaging=0", "NrOfRxPdo=32",
                           "NrOfTxPdo=32", "LSS_Supported=0"})
    out.Line(line);
  out.Empty();

  out.Line("[DummyUsage]");
  for (int i = 1; i <= 7; ++i) out.Line("Dummy" + Format0000(i) + "=0");
  out.Empty();
}

void MandatorySection(Lines& out, const ParaDef& rec) {
  out.Line("[MandatoryObjects]");
  out.Line("SupportedObjects=3");
  out.Line("1=0x1000");
  out.Line("2=0x1001");
  out.Line("3=0x1018");
  out.Empty();

  long deviceType = 0x191;
  if (rec.TxDigitalBytes > 0) deviceType += 0x10000;
  if (rec.RxDigitalBytes > 0) deviceType += 0x20000;
  if (rec.TxAnalogBytes > 0) deviceType += 0x40000;
  if (rec.RxAnalogBytes > 0) deviceType += 0x80000;
  out.Block("[1000]", "Device Type", "0x7", "0x0007", "ro", Hex0x(deviceType), 0);
  out.Block("[1001]", "Error Register", "0x7", "0x0005", "ro", std::nullopt, 0);
  out.Head("[1018]", 5, "Identity Object", "0x9");
  out.Block("[1018sub0]", "number of entries", "0x7", "0x0005", "ro", "0x4", 0);
  out.Block("[1018sub1]", "Vendor ID", "0x7", "0x0007", "ro", "", 0);
  out.Block("[1018sub2]", "Product code", "0x7", "0x0007", "ro", "", 0);
  out.Block("[1018sub3]", "Revision number", "0x7", "0x0007", "ro", "", 0);
  out.Block("[1018sub4]", "Serial number", "0x7", "0x0007", "ro", "", 0);
}

void OptionalSection(Lines& out, const ParaDef& rec) {
  std::vector<int> objects{0x1003, 0x1005, 0x1008, 0x1009, 0x100A};
  if (!HeartbeatMode(rec)) objects.insert(objects.end(), {0x100C, 0x100D});
  objects.insert(objects.end(), {0x1012, 0x1014, 0x1015, 0x1016, 0x1017, 0x1200});
  const auto addPdoObjects = [&](int communication, int mapping) {
    for (int p = 0; p < 32; ++p) objects.push_back(communication + p);
    for (int p = 0; p < 32; ++p) objects.push_back(mapping + p);
  };
  if (HasRx(rec)) addPdoObjects(0x1400, 0x1600);
  if (HasTx(rec)) addPdoObjects(0x1800, 0x1A00);
  if (rec.TxDigitalBytes > 0) objects.push_back(0x6000);
  if (rec.RxDigitalBytes > 0) objects.insert(objects.end(), {0x6200, 0x6206, 0x6207});
  if (rec.TxAnalogBytes > 0) objects.push_back(0x6401);
  if (rec.RxAnalogBytes > 0) objects.insert(objects.end(), {0x6411, 0x6443, 0x6444});

  out.Line("[OptionalObjects]");
  out.Line("SupportedObjects=" + Decimal(static_cast<long long>(objects.size())));
  for (size_t n = 0; n < objects.size(); ++n)
    out.Line(Decimal(static_cast<long long>(n + 1)) + "=0x" + HexWidth(objects[n], 4));
  out.Empty();
}

void CommunicationBlocks(Lines& out, const ParaDef& rec) {
  out.Head("[1003]", 6, "pre-defined error field", "0x08");
  out.Block("[1003sub0]", "number of errors", "0x7", "0x0005", "rw", "0x0", 0);
  for (int s = 1; s <= 5; ++s)
    out.Block("[1003sub" + Decimal(s) + "]", "standard error field", "0x7", "0x0007", "ro", "0x0",
              0);
  out.Block("[1005]", "COB-ID SYNC", "0x7", "0x0007", "rw", "0x80", 0);
  out.Block("[1008]", "Manufacturer device name", "0x7", "0x0009", "const", "5160QT+ZB310 gateway",
            0);
  out.Block("[1009]", "Manufacturer hardware version", "0x7", "0x0009", "const", "01", 0);
  out.Block("[100A]", "Manufacturer software version", "0x7", "0x0009", "const",
            Decimal(rec.FirmwareMajor) + "." + Format00(rec.FirmwareMinor) + "-" +
                Decimal(rec.FirmwareYear) + Format00(rec.FirmwareMonth) + Format00(rec.FirmwareDay),
            0);
  if (!HeartbeatMode(rec)) {
    out.Block("[100C]", "Guard Time", "0x7", "0x0006", "rw", Hex0x(rec.GuardTime), 0);
    out.Block("[100D]", "life time factor", "0x7", "0x0005", "rw", Hex0x(rec.LifeTimeFactor), 0);
  }
  out.Block("[1012]", "COB-ID Time Stamp Message", "0x7", "0x0007", "rw", "0x100", 0);
  out.Block("[1014]", "COB-ID Emergency Message", "0x7", "0x0007", "rw", "$NODEID+0x80", 0);
  out.Block("[1015]", "Inhibit Time EMCY", "0x7", "0x0006", "rw", "0x0", 0);
  // Two sub-objects follow, so the head announces two.
  out.Head("[1016]", 2, "Consumer Heartbeat Time", "0x08");
  out.Block("[1016sub0]", "number of entries", "0x7", "0x0005", "ro", "0x01", 0);
  out.Block("[1016sub1]", "Consumer Heartbeat Time", "0x7", "0x0007", "rw", "0", 0);
  out.Block("[1017]", "Producer Heartbeat Time", "0x7", "0x0006", "rw", Hex0x(rec.HeartbeatTime),
            0);
  out.Head("[1200]", 3, "Server SDO Parameter", "0x09");
  out.Block("[1200sub0]", "number of entries", "0x7", "0x0005", "ro", "0x02", 0);
  out.Block("[1200sub1]", "COB_ID Client->Server (rx)", "0x7", "0x0007", "ro", "$NODEID+0x600", 0);
  out.Block("[1200sub2]", "COB_ID Server ->Client (tx)", "0x7", "0x0007", "ro", "$NODEID+0x580", 0);
}

}  // namespace q4410::eds
