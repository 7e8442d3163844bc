// The PDO objects of the EDS file (communication and mapping parameters of PDOs 0..31 per
// direction), the device profile objects and the manufacturer objects.
#include <algorithm>
#include <string>

#include "canopen/eds_sections.h"
#include "canopen/pdo_builder.h"
#include "config/numbers.h"

namespace q4410::eds {

namespace {

constexpr int kEdsPdos = 32;  // NrOfRxPdo / NrOfTxPdo

struct PdoSide {
  const std::vector<PdoRecord>& table;
  int closed;
  int digitalBytes;
  int next;
  int last;
};

// Whether the last mapping run wrote PDO p. The builder leaves PDOs it does not reach as an
// earlier run left them; such texts describe objects the module no longer carries and must
// not be announced as mapped.
bool WrittenByLastRun(const PdoSide& side, int p) {
  if (p == 0) return side.digitalBytes > 0 || side.closed == 1;
  if (p <= 3) return true;
  int digitalPdosPast0 = side.digitalBytes > 8 ? (side.digitalBytes - 8 + 7) / 8 : 0;
  if (p < 4 + digitalPdosPast0) return true;
  return p >= side.next && p <= side.last;
}

int MappedObjects(const PdoSide& side, int p) {
  if (p >= static_cast<int>(side.table.size()) || !WrittenByLastRun(side, p)) return 0;
  const PdoRecord& pdo = side.table[p];
  int entries = 0;
  while (entries < 8 && !pdo.Mapping[entries].empty() && pdo.Mapping[entries] != kPdoFiller)
    ++entries;
  return pdo.IsAnalog == 1 ? entries / 2 : entries;
}

bool DigitalPdo(const PdoSide& side, int p) {
  if (p == 0) return !(side.closed == 1 && side.digitalBytes == 0);
  return p >= 4 && side.next > 4 && p < side.next;
}

std::string PdoIndex(int base, int p) {
  return HexWidth(base + p, 4);
}

void CommunicationObjects(Lines& out, const ParaDef& rec, bool receive) {
  for (int p = 0; p < kEdsPdos; ++p) {
    std::string index = PdoIndex(receive ? 0x1400 : 0x1800, p);
    std::string sub = "[" + index + "sub";
    out.Head("[" + index + "]", receive ? 3 : 5,
             (receive ? "Receive PDO " : "Transmit PDO ") + Decimal(p) + " Parameter", "0x9");
    out.Block(sub + "0]", "Largest Sub-Index Supported", "0x7", "0x0005", "ro",
              receive ? "0x2" : "0x5", 0);
    std::string cobId;
    if (p < 4)
      cobId = Hex0x((receive ? 0x200LL : 0x180LL) + 0x100 * p + rec.NodeId);
    else
      cobId = receive ? "0xC0000000" : "0x80000000";
    out.Block(sub + "1]", "COB-ID used by PDO", "0x7", "0x0007", "rw", cobId, 0);
    out.Block(sub + "2]", "Transmission Type", "0x7", "0x0005", "rw", "0xFF", 0);
    if (!receive) {
      out.Block(sub + "3]", "Inhibit Time", "0x7", "0x0006", "rw", "0x0", 0);
      out.Block(sub + "5]", "Event Timer", "0x7", "0x0006", "rw", "0x0", 0);
    }
  }
}

void MappingObjects(Lines& out, const PdoSide& side, bool receive) {
  const std::string digitalObject = receive ? "0x6200" : "0x6000";
  const std::string analogObject = receive ? "0x6411" : "0x6401";
  int d = 1;
  int a = 1;
  for (int p = 0; p < kEdsPdos; ++p) {
    int n = MappedObjects(side, p);
    std::string index = PdoIndex(receive ? 0x1600 : 0x1A00, p);
    out.Head("[" + index + "]", n + 1,
             (receive ? "Receive PDO " : "Transmit PDO ") + Decimal(p) + " Mapping", "0x9");
    out.Block("[" + index + "sub0]", "Number of Mapped Objects", "0x7", "0x0005", "rw", Hex0x(n),
              0);
    bool digital = DigitalPdo(side, p);
    for (int s = 1; s <= n; ++s) {
      std::string value = digital ? digitalObject + HexWidth(d++, 2) + "08"
                                  : analogObject + HexWidth(a++, 2) + "10";
      out.Block("[" + index + "sub" + Hex(s) + "]", "PDO mapping for the application object", "0x7",
                "0x0007", "rw", value, 0);
    }
  }
}

// One profile object with `count` sub-indices (at most 255).
struct ProfileObject {
  const char* index;
  const char* name;
  const char* sub0Name;
  bool byteRanges;  // sub-index names "Number of ... 1h to 8h" instead of "... 1"
  const char* subName;
  const char* dataType;
  const char* access;
  std::optional<std::string> defaultValue;
  int pdoMapping;
};

void Profile(Lines& out, const ProfileObject& object, int count) {
  count = std::clamp(count, 0, 255);
  std::string index = object.index;
  out.Head("[" + index + "]", count + 1, object.name, "0x8");
  out.Block("[" + index + "sub0]", object.sub0Name, "0x7", "0x0005", "ro", Hex0x(count), 0);
  for (int s = 1; s <= count; ++s) {
    std::string name = object.byteRanges ? std::string(object.subName) + Hex(8 * (s - 1) + 1) +
                                               "h to " + Hex(8 * s) + "h"
                                         : std::string(object.subName) + Decimal(s);
    out.Block("[" + index + "sub" + Hex(s) + "]", name, "0x7", object.dataType, object.access,
              object.defaultValue, object.pdoMapping);
  }
}

}  // namespace

void ReceivePdoBlocks(Lines& out, const ParaDef& rec) {
  if (static_cast<long long>(rec.RxDigitalBytes) + rec.RxAnalogBytes <= 0) return;
  CommunicationObjects(out, rec, true);
  MappingObjects(
      out, {rec.RxPdoTable, rec.RxPdoClosed, rec.RxDigitalBytes, rec.RxPdoNext, rec.RxPdoLast},
      true);
}

void TransmitPdoBlocks(Lines& out, const ParaDef& rec) {
  if (static_cast<long long>(rec.TxDigitalBytes) + rec.TxAnalogBytes <= 0) return;
  CommunicationObjects(out, rec, false);
  MappingObjects(
      out, {rec.TxPdoTable, rec.TxPdoClosed, rec.TxDigitalBytes, rec.TxPdoNext, rec.TxPdoLast},
      false);
}

void DeviceProfileBlocks(Lines& out, const ParaDef& rec) {
  const char* outputs8 = "Number of Outputs 8-Bit";
  const char* analogOutputs = "Number of Analogue Outputs 16-Bit";
  if (rec.TxDigitalBytes > 0)
    Profile(out,
            {"6000", "Read Input 8-Bit", "Number of Inputs 8-Bit", true, "Number of Inputs ",
             "0x0005", "ro", std::nullopt, 1},
            rec.TxDigitalBytes);
  if (rec.RxDigitalBytes > 0) {
    Profile(out,
            {"6200", "Write Output 8-Bit", outputs8, true, "Number of Outputs ", "0x0005", "rww",
             "0x0", 1},
            rec.RxDigitalBytes);
    Profile(out,
            {"6206", "Error Mode Output 8-Bit", outputs8, true, "Number of Outputs ", "0x0005",
             "rw", "0xFF", 0},
            rec.RxDigitalBytes);
    Profile(out,
            {"6207", "Error Value Output 8-Bit", outputs8, true, "Number of Outputs ", "0x0005",
             "rw", "0x0", 0},
            rec.RxDigitalBytes);
  }
  if (rec.TxAnalogBytes > 0)
    Profile(out,
            {"6401", "Read Analogue Input 16-Bit", "Number of Analogue Inputs 16-Bit", false,
             "Analogue Inputs ", "0x0003", "ro", std::nullopt, 1},
            rec.TxAnalogBytes / 2);
  if (rec.RxAnalogBytes > 0) {
    Profile(out,
            {"6411", "Write Analogue Output 16-Bit", analogOutputs, false, "Analogue Outputs ",
             "0x0003", "rww", "0x0", 1},
            rec.RxAnalogBytes / 2);
    Profile(out,
            {"6443", "Analog Output Error Mode", analogOutputs, false, "Analogue Outputs ",
             "0x0005", "rw", "0x1", 0},
            rec.RxAnalogBytes / 2);
    // Master tools know object 6444 under the name of 6411; it stays so.
    Profile(out,
            {"6444", "Write Analogue Output 16-Bit", analogOutputs, false, "Analogue Outputs ",
             "0x0007", "rw", "0x0", 0},
            rec.RxAnalogBytes / 2);
  }
}

void ManufacturerSection(Lines& out, const ParaDef& rec) {
  out.Line("[ManufacturerObjects]");
  int count = std::clamp(rec.AppObjectCount, 0, 255);
  if (count > 0) {
    out.Line("SupportedObjects=0x1");
    out.Line("1=0x2000");
    out.Head("[2000]", count + 1, "CANopen/Modbus RTU Module R/W Error Counter", "0x8");
    out.Block("[2000sub0]", "Number of Modbus RTU Modules", "0x7", "0x0005", "ro", Hex0x(count), 0);
    for (int s = 1; s <= count; ++s)
      out.Block("[2000sub" + Hex(s) + "]", "Module Address " + Decimal(s), "0x7", "0x0006", "rw",
                "0x0", 0);
  }
  out.Empty();
  out.Line("[Comments]");
  out.Line("Lines=0");
  out.Empty();
}

}  // namespace q4410::eds
