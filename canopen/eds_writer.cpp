#include "canopen/eds_writer.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "canopen/eds_sections.h"
#include "config/numbers.h"

namespace q4410 {

namespace eds {

void Lines::Block(const std::string& header, const std::string& name, const std::string& objectType,
                  const std::string& dataType, const std::string& access,
                  const std::optional<std::string>& defaultValue, int pdoMapping) {
  Line(header);
  Line("ParameterName=" + name);
  Line("ObjectType=" + objectType);
  Line("DataType=" + dataType);
  Line("AccessType=" + access);
  if (defaultValue) Line("DefaultValue=" + *defaultValue);
  Line("PDOMapping=" + Decimal(pdoMapping));
  Empty();
}

void Lines::Head(const std::string& header, int subNumber, const std::string& name,
                 const std::string& objectType) {
  Line(header);
  Line("SubNumber=" + Decimal(subNumber));
  Line("ParameterName=" + name);
  Line("ObjectType=" + objectType);
  Empty();
}

}  // namespace eds

std::string EdsFileName(const ParaDef& rec) {
  return "COPn" + Decimal(rec.NodeId) + ".eds";
}

std::string EdsFileText(const ParaDef& rec, const LocalTime& clock) {
  eds::Lines out;
  eds::FileInfoSection(out, rec, clock);
  eds::DeviceInfoSection(out, rec);
  eds::MandatorySection(out, rec);
  eds::OptionalSection(out, rec);
  eds::CommunicationBlocks(out, rec);
  eds::ReceivePdoBlocks(out, rec);
  eds::TransmitPdoBlocks(out, rec);
  eds::DeviceProfileBlocks(out, rec);
  eds::ManufacturerSection(out, rec);
  return out.Text();
}

EdsWriteResult WriteEdsFile(const ParaDef& rec, const LocalTime& clock,
                            const std::string& directory) {
  EdsWriteResult result;
  try {
    result.path = directory.empty() ? EdsFileName(rec) : directory + "/" + EdsFileName(rec);
    std::string text = EdsFileText(rec, clock);
    errno = 0;
    std::ofstream file(result.path, std::ios::binary | std::ios::trunc);
    if (!file) {
      result.error = errno != 0 ? std::strerror(errno) : "the file could not be created";
      return result;
    }
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.close();
    if (!file) {
      result.error = errno != 0 ? std::strerror(errno) : "the file could not be written";
      return result;
    }
    result.ok = true;
  } catch (const std::exception& e) {
    result.ok = false;
    result.error = e.what();
  }
  return result;
}

}  // namespace q4410
