#include "config/eeprom_image.h"

#include <algorithm>

#include "config/numbers.h"
#include "config/object_kinds.h"

namespace q4410 {
namespace {

constexpr uint32_t kMarkerHigh = kBlock0Marker >> 16;  // 436
constexpr uint32_t kByte = 0xFFu;
constexpr uint32_t kHalf = 0xFFFFu;

uint32_t High(uint32_t word) {
  return word >> 16;
}
uint32_t Low(uint32_t word) {
  return word & kHalf;
}
uint32_t ByteAt(uint32_t word, int shift) {
  return (word >> shift) & kByte;
}
bool BitSet(uint32_t word, int bit) {
  return ((word >> bit) & 1u) != 0;
}

// A record value cut to the width of its field, so that a stray value can never reach the
// neighbouring field of the word. Negative values wrap as they would in the module.
uint32_t Field(long long value, uint32_t mask) {
  return static_cast<uint32_t>(value) & mask;
}

}  // namespace

void DecodeFirmwareWords(ParaDef& rec, uint32_t f0, uint32_t f1) {
  rec.FirmwareMajor = static_cast<int>(ByteAt(f0, 8));
  rec.FirmwareMinor = static_cast<int>(ByteAt(f0, 0));
  rec.FirmwareYear = static_cast<int>(High(f1));
  rec.FirmwareMonth = static_cast<int>(ByteAt(f1, 8));
  rec.FirmwareDay = static_cast<int>(ByteAt(f1, 0));
  if (rec.FirmwareMonth > 12) {
    rec.FirmwareMonth = 0;
    rec.EepromDataError = true;
  }
  if (rec.FirmwareDay > 31) {
    rec.FirmwareDay = 0;
    rec.EepromDataError = true;
  }
}

bool DecodeBlock0Header(ParaDef& rec, const std::vector<uint32_t>& words, AppSelection selected) {
  // A blank or erased module: nothing behind W0 is worth reading.
  if (words.size() < 7 || words[0] <= kBlock0EarlyStopMax) {
    rec.EepromDataError = true;
    return false;
  }
  auto errorIf = [&rec](bool bad) {
    if (bad) rec.EepromDataError = true;
  };

  // W0: marker and length of the general data.
  const uint32_t w0 = words[0];
  errorIf(High(w0) != kMarkerHigh || static_cast<long>(Low(w0)) != rec.Block0Length);

  // W1: block lengths. A CANopen download after a CANopen read stores 0 for block 1.
  const uint32_t w1 = words[1];
  if (selected == AppSelection::CANopen) {
    errorIf(High(w1) != 0 && High(w1) != 28);
    rec.Block1Length = 0;
  } else {
    errorIf(static_cast<long>(High(w1)) != rec.Block1Length);
  }
  errorIf(Low(w1) < 12);
  rec.Block2Length = 12;

  // W2: PDO options, node ID, application and CAN baud code.
  const uint32_t w2 = words[2];
  if (BitSet(w2, 24)) rec.TxPdoClosed = 1;
  if (BitSet(w2, 25)) rec.RxPdoClosed = 1;
  const int node = static_cast<int>(ByteAt(w2, 16));
  const int maxNode = selected == AppSelection::CANopen ? 127 : 63;
  if (node >= 1 && node <= maxNode)
    rec.NodeId = node;
  else
    rec.EepromDataError = true;
  rec.AppKind = static_cast<int>(ByteAt(w2, 8));
  errorIf(rec.AppKind > 2);
  rec.CanBaudCode = static_cast<int>(ByteAt(w2, 0));
  errorIf(rec.CanBaudCode > 8);

  // W3: date of the last download.
  const uint32_t w3 = words[3];
  if (High(w3) <= 32767)
    rec.ConfigYear = static_cast<int>(High(w3));
  else
    rec.EepromDataError = true;
  rec.ConfigMonth = static_cast<int>(ByteAt(w3, 8));
  rec.ConfigDay = static_cast<int>(ByteAt(w3, 0));

  // W4: time of the last download and number of application objects.
  const uint32_t w4 = words[4];
  rec.ConfigHour = static_cast<int>(ByteAt(w4, 24));
  rec.ConfigMinute = static_cast<int>(ByteAt(w4, 16));
  rec.ConfigSecond = static_cast<int>(ByteAt(w4, 8));
  errorIf(rec.ConfigMonth > 12 || rec.ConfigDay > 31 || rec.ConfigHour > 24 ||
          rec.ConfigMinute > 60 || rec.ConfigSecond > 60);
  // The download stores 0 for an empty table, so 0 reads as an empty table. A count the
  // table cannot hold leaves the table empty, so that no object is read past its end.
  const int count = static_cast<int>(ByteAt(w4, 0));
  if (count <= kMaxAppObjects) {
    rec.ModuleAppObjectCount = count;
    rec.ModuleAppObjects.assign(count, AppObject{});
  } else {
    rec.ModuleAppObjectCount = 0;
    rec.ModuleAppObjects.clear();
    rec.EepromDataError = true;
  }

  // W5: Modbus line parameters, stored even when out of range.
  const uint32_t w5 = words[5];
  rec.ComBaudCode = static_cast<int>(ByteAt(w5, 24));
  rec.ComDataBits = static_cast<int>(ByteAt(w5, 16));
  rec.ComParity = static_cast<int>(ByteAt(w5, 8));
  rec.ComStopBits = static_cast<int>(ByteAt(w5, 0));
  errorIf(rec.ComBaudCode > 7 || rec.ComDataBits != 8 || rec.ComParity > 2 ||
          (rec.ComStopBits != 1 && rec.ComStopBits != 2));

  // W6: Modbus reply time-out and its check byte (the check byte is kept as read).
  const uint32_t w6 = words[6];
  if (High(w6) > 32767) {
    rec.ComTimeoutMs = 32767;
    rec.EepromDataError = true;
  } else {
    rec.ComTimeoutMs = static_cast<int>(High(w6));
  }
  rec.ComChecksum = static_cast<int>(ByteAt(w6, 8));
  return true;
}

void DecodeBlock0Objects(ParaDef& rec, const std::vector<uint32_t>& words) {
  if (rec.EepromDataError) return;
  if (words.size() < static_cast<size_t>(kBlock0WordCount)) {
    rec.EepromDataError = true;
    return;
  }
  const int count = std::clamp(rec.ModuleAppObjectCount, 0, kMaxAppObjects);
  rec.ModuleAppObjectCount = count;
  rec.ModuleAppObjects.resize(count);
  // The data of the objects per direction: bytes of digital data, registers of analog data.
  long long rxDigital = 0, rxAnalog = 0, txDigital = 0, txAnalog = 0;
  for (int j = 0; j < count; ++j) {
    const uint32_t head = words[7 + 2 * j];
    const uint32_t span = words[8 + 2 * j];
    AppObject& obj = rec.ModuleAppObjects[j];
    obj.DevAddr = Decimal(ByteAt(head, 24));
    obj.Kind = static_cast<int>(ByteAt(head, 16));
    obj.Start = static_cast<int>(High(span));
    obj.Length = static_cast<int>(Low(span));
    if (const KindTraits* kind = KindOf(obj.Kind)) {  // other kinds add nothing
      long long& total = kind->write ? (kind->digital ? rxDigital : rxAnalog)
                                     : (kind->digital ? txDigital : txAnalog);
      total += DataUnits(*kind, obj.Length);
    }
    // No window accepts such a length, and the PDO layout counts at most 32767, so a download
    // would write count words that disagree with it: the stored data is taken as faulty.
    if (obj.Length > 32767) rec.EepromDataError = true;
  }

  // The count words must agree with the objects.
  const uint32_t w27 = words[27];
  const uint32_t w28 = words[28];
  rec.RxDigitalBytes = static_cast<int>(High(w27));
  rec.RxAnalogBytes = static_cast<int>(Low(w27));
  rec.TxDigitalBytes = static_cast<int>(High(w28));
  rec.TxAnalogBytes = static_cast<int>(Low(w28));
  if (rec.RxDigitalBytes != rxDigital || rec.RxAnalogBytes != rxAnalog ||
      rec.TxDigitalBytes != txDigital || rec.TxAnalogBytes != txAnalog)
    rec.EepromDataError = true;
}

std::vector<uint32_t> PackBlock0(const ParaDef& rec) {
  std::vector<uint32_t> w(kBlock0WordCount, 0);
  // The table never holds more than ten objects; the count word agrees with what is written.
  const int count = std::clamp(rec.AppObjectCount, 0,
                               std::min(kMaxAppObjects, static_cast<int>(rec.AppObjects.size())));
  const uint32_t options = (rec.TxPdoClosed == 1 ? 1u : 0u) + (rec.RxPdoClosed == 1 ? 2u : 0u);

  w[0] = kBlock0Marker | Field(rec.Block0Length, kHalf);
  w[1] = Field(rec.Block1Length, kHalf) << 16 | Field(rec.Block2Length, kHalf);
  w[2] = options << 24 | Field(rec.NodeId, kByte) << 16 | Field(rec.AppKind, kByte) << 8 |
         Field(rec.CanBaudCode, kByte);
  w[3] = Field(rec.ConfigYear, kHalf) << 16 | Field(rec.ConfigMonth, kByte) << 8 |
         Field(rec.ConfigDay, kByte);
  w[4] = Field(rec.ConfigHour, kByte) << 24 | Field(rec.ConfigMinute, kByte) << 16 |
         Field(rec.ConfigSecond, kByte) << 8 | Field(count, kByte);
  w[5] = Field(rec.ComBaudCode, kByte) << 24 | Field(rec.ComDataBits, kByte) << 16 |
         Field(rec.ComParity, kByte) << 8 | Field(rec.ComStopBits, kByte);
  w[6] = Field(rec.ComTimeoutMs, kHalf) << 16 | Field(rec.ComChecksum, kByte) << 8;

  if (rec.AppObjectsUnchanged) return w;  // the module keeps its own table words
  for (int j = 0; j < count; ++j) {
    const AppObject& obj = rec.AppObjects[j];
    w[7 + 2 * j] = Field(DevAddrNumber(obj), kByte) << 24 | Field(obj.Kind, kByte) << 16;
    w[8 + 2 * j] = Field(obj.Start, kHalf) << 16 | Field(obj.Length, kHalf);
  }
  w[27] = Field(rec.RxDigitalBytes, kHalf) << 16 | Field(rec.RxAnalogBytes / 2, kHalf);
  w[28] = Field(rec.TxDigitalBytes, kHalf) << 16 | Field(rec.TxAnalogBytes / 2, kHalf);
  return w;
}

std::vector<uint32_t> PackBlock2(const ParaDef& rec) {
  std::vector<uint32_t> w(kBlock2WordCount, 0);
  const uint32_t unchanged = rec.AppObjectsUnchanged ? 0xFFu : 0u;
  w[0] = unchanged << 24 | Field(rec.GuardTime, kHalf) << 8 | Field(rec.LifeTimeFactor, kByte);
  w[2] = Field(rec.RxPdoLast, kByte) << 24 | Field(rec.TxPdoLast, kByte) << 16;
  return w;
}

void DecodeErrorControl(ParaDef& rec, uint32_t block2Word0) {
  const long time = static_cast<long>((block2Word0 >> 8) & kHalf);
  if (BitSet(block2Word0, 26)) {
    rec.HeartbeatTime = time;
    rec.GuardTime = 0;
    rec.LifeTimeFactor = 0;
  } else {
    rec.GuardTime = time;
    rec.LifeTimeFactor = static_cast<int>(ByteAt(block2Word0, 0));
    rec.HeartbeatTime = 0;
  }
}

}  // namespace q4410
