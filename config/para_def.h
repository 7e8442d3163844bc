// The gateway configuration record: one instance, owned by the application (or by a test),
// handed by reference to every window and procedure that reads or changes it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace q4410 {

inline constexpr int kMaxAppObjects = 10;
inline constexpr int kPdoCount = 513;  // PDO numbers 0..512 per direction

// Which application block a connect reads, and which node-ID range it accepts:
// the state of the "Application Layer" option buttons at the moment of the click.
enum class AppSelection { CANopen = 0, DeviceNet = 1 };

// One block of Modbus data exchanged with one Modbus RTU slave.
struct AppObject {
  std::string DevAddr = "0";  // slave address as decimal text; "0" in an empty slot
  int Kind = 0;               // 0..5, see kKinds
  int Start = 0;              // first relay or register number
  int Length = 0;             // bits (digital kinds) or 16-bit registers (analog kinds)
  bool operator==(const AppObject&) const = default;
};

// Mapping of one CANopen PDO: one text per data byte.
struct PdoRecord {
  std::array<std::string, 8> Mapping;
  int IsAnalog = 0;  // 0 digital bytes, 1 analog registers
};

// Field names follow the module's documentation so that the packing tables can be read
// side by side with the code. Integer fields hold whatever range their comment gives;
// Booleans are plain bool (the one place that needs the 16-bit form, block 2 word 0,
// converts explicitly). EEPROM words are unsigned 32-bit. The values a default-constructed
// record holds are the defaults, written nowhere else.
struct ParaDef {
  // --- what the last connect found
  std::string ModulePrompt;  // "5160QT>" or "5160r>" once identified
  bool EepromDataError = false;
  bool AppObjectsUnchanged = false;

  // --- module identity (read-only, from block 0)
  int FirmwareMajor = 0;
  int FirmwareMinor = 0;
  int FirmwareYear = 0;
  int FirmwareMonth = 0;
  int FirmwareDay = 0;

  // --- CAN side
  int AppKind = 0;      // 0 CANopen, 1 DeviceNet
  int NodeId = 1;       // CANopen 1..127, DeviceNet 1..63
  int CanBaudCode = 0;  // index into the CAN baud list of the application

  // --- Modbus RTU line
  int ComBaudCode = 3;  // position in the baud list of the COM view (9600)
  int ComDataBits = 8;
  int ComParity = 0;    // 0 none, 1 even, 2 odd
  int ComStopBits = 1;  // 1 or 2
  int ComTimeoutMs = 200;
  int ComChecksum = 174;  // see ComChecksumOf

  // --- time stamp of the last download
  int ConfigYear = 0;
  int ConfigMonth = 0;
  int ConfigDay = 0;
  int ConfigHour = 0;
  int ConfigMinute = 0;
  int ConfigSecond = 0;

  // --- application objects
  std::vector<AppObject> AppObjects = std::vector<AppObject>(kMaxAppObjects);  // working table
  int AppObjectCount = 0;
  std::vector<AppObject> ModuleAppObjects;  // as read at connect
  int ModuleAppObjectCount = 0;
  int RxDigitalBytes = 0;
  int RxAnalogBytes = 0;  // registers right after a connect, bytes once the PDO builder ran
  int TxDigitalBytes = 0;
  int TxAnalogBytes = 0;

  // --- CANopen PDO options and mapping
  int RxPdoClosed = 0;
  int TxPdoClosed = 0;
  int RxPdoLast = 0;
  int TxPdoLast = 0;
  int RxPdoNext = 0;
  int TxPdoNext = 0;
  std::vector<PdoRecord> RxPdoTable = std::vector<PdoRecord>(kPdoCount);
  std::vector<PdoRecord> TxPdoTable = std::vector<PdoRecord>(kPdoCount);

  // --- CANopen error control and EDS texts
  long GuardTime = 0;
  int LifeTimeFactor = 0;
  long HeartbeatTime = 0;
  int EdsFlag = 0;
  std::array<std::string, 2> EdsInfoText;  // 0 description, 1 created by

  // --- EEPROM images
  int Block0Length = 108;
  int Block1Length = 0;
  int Block2Length = 0;
  std::vector<uint32_t> Block0Image;
  std::vector<uint32_t> Block1Image;
  std::vector<uint32_t> Block2Image;
};

// What the main window's load puts into the record: the application, node ID, CAN baud code,
// data-error flag, last PDO numbers and EDS flag as at program start.
void ApplyStartUpState(ParaDef& rec);

// Defaults after a data error: the stored fields back to their defaults, AppKind and firmware
// kept.
void ApplyDataErrorDefaults(ParaDef& rec);

// The slave address of an object as the module stores it: the numeric value of its text,
// rounded, in one byte.
int DevAddrNumber(const AppObject& object);

// The check byte stored beside the Modbus time-out.
int ComChecksumOf(const ParaDef& rec);

// "1.05-2008/03/12"
std::string FirmwareText(const ParaDef& rec);

}  // namespace q4410
