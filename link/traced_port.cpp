#include "link/traced_port.h"

namespace q4410 {

OpenResult TracedPort::Open(const std::string& device) {
  OpenResult result = inner_.Open(device);
  if (trace_) {
    trace_->Event(result.ok() ? "open " + device
                              : "open " + device + " failed: " + result.description);
  }
  return result;
}

void TracedPort::Close() {
  const bool wasOpen = inner_.IsOpen();
  inner_.Close();
  if (trace_ && wasOpen) trace_->Event("close");
}

void TracedPort::ClearInput() {
  if (trace_ && inner_.BytesWaitingIn() > 0) trace_->Received(inner_.ReadAll());
  inner_.ClearInput();
  if (trace_) trace_->Event("input cleared");
}

void TracedPort::Write(std::string_view bytes) {
  if (trace_) trace_->Sent(bytes);
  inner_.Write(bytes);
}

std::string TracedPort::ReadAll() {
  std::string bytes = inner_.ReadAll();
  if (trace_) trace_->Received(bytes);
  return bytes;
}

}  // namespace q4410
