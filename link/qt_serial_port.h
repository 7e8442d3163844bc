// The serial port of the PC, over QSerialPort. Works with and without a running event loop:
// every query polls the device itself, so q4410ctl (whose pump only sleeps) and the windows
// (whose pump processes Qt events) see the same bytes.
#pragma once

#include <QSerialPort>
#include <string>

#include "link/serial_port.h"

namespace q4410 {

class QtSerialPort : public SerialPort {
 public:
  QtSerialPort();
  ~QtSerialPort() override;

  // Opens `device` at 115200 baud, 8 data bits, no parity, 1 stop bit, no flow control.
  OpenResult Open(const std::string& device) override;
  void Close() override;
  bool IsOpen() const override;
  void ClearInput() override;
  std::size_t BytesWaitingIn() override;
  std::size_t BytesWaitingOut() override;
  void Write(std::string_view bytes) override;
  std::string ReadAll() override;

 private:
  // Moves whatever the device has received into the port's buffer and hands queued output
  // to the device, without waiting.
  void Poll();
  QSerialPort port_;
};

// The device name QSerialPort is given for a port label: labels of the form "COM 3" (the
// way such ports are listed and named in messages) lose the blank; anything else is a
// device path and stays as it is.
std::string DeviceOfLabel(const std::string& label);

}  // namespace q4410
