#include "link/qt_port_scan.h"

#include <QSerialPortInfo>

#include "config/numbers.h"
#include "link/port_list.h"

namespace q4410 {

namespace {

// "COM 3" for a port the system calls COM3; the device path for every other port.
std::string LabelOf(const QSerialPortInfo& info) {
  const std::string name = info.portName().toStdString();
  if (name.size() > 3 && name.starts_with("COM") &&
      name.find_first_not_of("0123456789", 3) == std::string::npos && name.size() <= 6) {
    return "COM" + DefaultRendering(std::stoll(name.substr(3)));
  }
  return info.systemLocation().toStdString();
}

}  // namespace

std::vector<std::string> ScanPorts(const std::vector<std::string>& extra) {
  std::vector<std::string> system;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    system.push_back(LabelOf(info));
  }
  return OrderPorts(extra, std::move(system));
}

}  // namespace q4410
