// What the console dialogues need from a serial port. The line is always 115200,n,8,1
// without handshaking; input is polled.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace q4410 {

enum class OpenFailure {
  None,         // the port is open
  InvalidPort,  // no such device
  InUse,        // locked or busy: in use by another program
  Other,        // anything else; `description` says what
};

struct OpenResult {
  OpenFailure failure = OpenFailure::None;
  std::string description;
  bool ok() const { return failure == OpenFailure::None; }
};

class SerialPort {
 public:
  virtual ~SerialPort() = default;
  virtual OpenResult Open(const std::string& device) = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  virtual void ClearInput() = 0;
  virtual std::size_t BytesWaitingIn() = 0;
  virtual std::size_t BytesWaitingOut() = 0;
  virtual void Write(std::string_view bytes) = 0;
  virtual std::string ReadAll() = 0;
};

}  // namespace q4410
