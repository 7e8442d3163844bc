// The parts of the EDS file text, each appended to one growing text (ASCII, lines ended by
// CR LF). EdsFileText puts them together in file order.
#pragma once

#include <optional>
#include <string>

#include "config/clock_time.h"
#include "config/para_def.h"

namespace q4410::eds {

class Lines {
 public:
  void Line(const std::string& line) { text_ += line + "\r\n"; }
  void Empty() { text_ += "\r\n"; }
  // An object block: header, the five or six keys (DefaultValue left out when absent), empty
  // line.
  void Block(const std::string& header, const std::string& name, const std::string& objectType,
             const std::string& dataType, const std::string& access,
             const std::optional<std::string>& defaultValue, int pdoMapping);
  // The head of an object with sub-objects: header, SubNumber, name, ObjectType, empty line.
  void Head(const std::string& header, int subNumber, const std::string& name,
            const std::string& objectType);
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

// The node-guarding objects 100C/100D are left out in heartbeat mode.
bool HeartbeatMode(const ParaDef& rec);

// "0x" and the value in upper-case hexadecimal, as a 32-bit word.
std::string Hex0x(long long value);

void FileInfoSection(Lines& out, const ParaDef& rec, const LocalTime& clock);
void DeviceInfoSection(Lines& out, const ParaDef& rec);
void MandatorySection(Lines& out, const ParaDef& rec);
void OptionalSection(Lines& out, const ParaDef& rec);
void CommunicationBlocks(Lines& out, const ParaDef& rec);
void ReceivePdoBlocks(Lines& out, const ParaDef& rec);
void TransmitPdoBlocks(Lines& out, const ParaDef& rec);
void DeviceProfileBlocks(Lines& out, const ParaDef& rec);
void ManufacturerSection(Lines& out, const ParaDef& rec);

// The time and date forms of the FileInfo section: "01:07PM", "12-05-2026".
std::string EdsTime(const LocalTime& clock);
std::string EdsDate(const LocalTime& clock);

}  // namespace q4410::eds
