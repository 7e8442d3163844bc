#include "link/qt_serial_port.h"

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace q4410 {

namespace {

#ifdef Q_OS_UNIX
// Where the device of a port name lives: names that are not paths are looked up in /dev,
// the way QSerialPort itself resolves them.
std::string DevicePath(const std::string& name) {
  if (name.starts_with('/') || name.starts_with("./") || name.starts_with("../")) return name;
  return "/dev/" + name;
}

// A name that cannot be a serial port at all: nothing there, or not a character device.
bool IsNoDevice(const std::string& name) {
  struct stat info {};
  if (::stat(DevicePath(name).c_str(), &info) != 0) return errno == ENOENT || errno == ENOTDIR;
  return !S_ISCHR(info.st_mode);
}

// QSerialPort reports a lock held by another program, a busy device and a plain lack of
// rights all as a permission error; only the last one fails this test.
bool MayOpen(const std::string& name) {
  return ::access(DevicePath(name).c_str(), R_OK | W_OK) == 0;
}
#else
bool IsNoDevice(const std::string&) {
  return false;
}
bool MayOpen(const std::string&) {
  return true;
}
#endif

}  // namespace

std::string DeviceOfLabel(const std::string& label) {
  if (label.size() > 4 && label.starts_with("COM ") &&
      label.find_first_not_of("0123456789", 4) == std::string::npos) {
    return "COM" + label.substr(4);
  }
  return label;
}

QtSerialPort::QtSerialPort() = default;

QtSerialPort::~QtSerialPort() {
  Close();
}

OpenResult QtSerialPort::Open(const std::string& device) {
  Close();
  const std::string name = DeviceOfLabel(device);
  if (name.empty() || IsNoDevice(name)) return {OpenFailure::InvalidPort, "no such device"};

  port_.setPortName(QString::fromStdString(name));
  port_.setBaudRate(QSerialPort::Baud115200);
  port_.setDataBits(QSerialPort::Data8);
  port_.setParity(QSerialPort::NoParity);
  port_.setStopBits(QSerialPort::OneStop);
  port_.setFlowControl(QSerialPort::NoFlowControl);
  if (port_.open(QIODevice::ReadWrite)) return {};

  const QSerialPort::SerialPortError error = port_.error();
  const std::string description = port_.errorString().toStdString();
  switch (error) {
    case QSerialPort::DeviceNotFoundError:
      return {OpenFailure::InvalidPort, description};
    case QSerialPort::OpenError:  // already open through this very object
      return {OpenFailure::InUse, description};
    case QSerialPort::PermissionError:
      if (MayOpen(name)) return {OpenFailure::InUse, description};
      return {OpenFailure::Other, description};
    default:
      return {OpenFailure::Other, description};
  }
}

void QtSerialPort::Close() {
  if (port_.isOpen()) port_.close();
}

bool QtSerialPort::IsOpen() const {
  return port_.isOpen();
}

void QtSerialPort::Poll() {
  if (!port_.isOpen()) return;
  if (port_.bytesToWrite() > 0) port_.waitForBytesWritten(0);
  port_.waitForReadyRead(0);
}

void QtSerialPort::ClearInput() {
  if (!port_.isOpen()) return;
  Poll();
  port_.readAll();
  port_.clear(QSerialPort::Input);
}

std::size_t QtSerialPort::BytesWaitingIn() {
  if (!port_.isOpen()) return 0;
  Poll();
  return static_cast<std::size_t>(port_.bytesAvailable());
}

// Counts what the device has not yet taken from us. The UART's own transmit queue is not
// counted: it empties at line speed (87 us a character), and a USB adapter keeps bytes in
// flight for a millisecond or two, longer than the short drain check after each line.
std::size_t QtSerialPort::BytesWaitingOut() {
  if (!port_.isOpen()) return 0;
  Poll();
  return static_cast<std::size_t>(port_.bytesToWrite());
}

void QtSerialPort::Write(std::string_view bytes) {
  if (!port_.isOpen() || bytes.empty()) return;
  port_.write(bytes.data(), static_cast<qint64>(bytes.size()));
  Poll();
}

std::string QtSerialPort::ReadAll() {
  if (!port_.isOpen()) return {};
  Poll();
  const QByteArray data = port_.readAll();
  return std::string(data.constData(), static_cast<std::size_t>(data.size()));
}

}  // namespace q4410
