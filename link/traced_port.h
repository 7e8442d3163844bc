// A serial port that records what crosses another one into a serial trace. The dialogues
// talk to it as to any port and never know the trace is there. Bytes received are stamped
// when they are read, which is when the dialogue sees them.
#pragma once

#include "link/serial_port.h"
#include "link/serial_trace.h"

namespace q4410 {

class TracedPort : public SerialPort {
 public:
  // `trace` may be null: the port then passes everything straight through.
  TracedPort(SerialPort& inner, SerialTrace* trace) : inner_(inner), trace_(trace) {}

  OpenResult Open(const std::string& device) override;
  void Close() override;
  bool IsOpen() const override { return inner_.IsOpen(); }
  // What was waiting is read (and traced) before it is thrown away.
  void ClearInput() override;
  std::size_t BytesWaitingIn() override { return inner_.BytesWaitingIn(); }
  std::size_t BytesWaitingOut() override { return inner_.BytesWaitingOut(); }
  void Write(std::string_view bytes) override;
  std::string ReadAll() override;

 private:
  SerialPort& inner_;
  SerialTrace* trace_;
};

}  // namespace q4410
