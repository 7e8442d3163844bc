#include "link/qt_port_details.h"

#include <QSerialPortInfo>

#include "link/qt_port_scan.h"
#include "link/qt_serial_port.h"

namespace q4410 {

namespace {

QString Hex4(quint16 value) {
  return QString("%1").arg(value, 4, 16, QChar('0'));
}

}  // namespace

std::vector<PortDetails> ScanPortDetails(const std::vector<std::string>& extra) {
  const QList<QSerialPortInfo> known = QSerialPortInfo::availablePorts();
  std::vector<PortDetails> ports;
  for (const std::string& label : ScanPorts(extra)) {
    PortDetails details;
    details.port = label;
    const QString device = QString::fromStdString(DeviceOfLabel(label));
    for (const QSerialPortInfo& info : known) {
      if (info.portName() != device && info.systemLocation() != device) continue;
      details.description = info.description().toStdString();
      details.manufacturer = info.manufacturer().toStdString();
      details.serialNumber = info.serialNumber().toStdString();
      if (info.hasVendorIdentifier() && info.hasProductIdentifier())
        details.vidPid =
            (Hex4(info.vendorIdentifier()) + ":" + Hex4(info.productIdentifier())).toStdString();
      break;
    }
    ports.push_back(std::move(details));
  }
  return ports;
}

}  // namespace q4410
