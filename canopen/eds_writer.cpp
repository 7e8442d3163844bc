#include "canopen/eds_writer.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

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

namespace {

std::string EdsPath(const ParaDef& rec, const std::string& directory) {
  return directory.empty() ? EdsFileName(rec) : directory + "/" + EdsFileName(rec);
}

}  // namespace

EdsWriteResult CheckEdsOutput(const ParaDef& rec, const std::string& directory) {
  namespace fs = std::filesystem;
  EdsWriteResult result;
  result.path = EdsPath(rec, directory);
  std::error_code error;
  if (!directory.empty() && !fs::is_directory(directory, error)) {
    fs::create_directories(directory, error);
    if (error) {
      result.error = "the folder " + directory + " cannot be created: " + error.message();
      return result;
    }
  }
  const bool existed = fs::exists(result.path, error);
  errno = 0;
  std::ofstream file(result.path, std::ios::binary | std::ios::app);
  if (!file) {
    result.error = errno != 0 ? std::strerror(errno) : "the file cannot be created";
    return result;
  }
  file.close();
  if (!existed) fs::remove(result.path, error);
  result.ok = true;
  return result;
}

EdsWriteResult WriteEdsFile(const ParaDef& rec, const LocalTime& clock,
                            const std::string& directory) {
  EdsWriteResult result;
  try {
    result.path = EdsPath(rec, directory);
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
