// A readable record of what crossed the serial line during one run: every byte sent and
// received with its time in milliseconds since the trace began and its direction, control
// characters shown as escapes. The lines go to a stream (a file or stderr) and to a listener
// (the window's console log).
//
//   # serial trace started 2024-05-02 14:03:11; >> sent, << received, -- port
//       0.000 ms -- open /dev/pts/3
//       0.410 ms >> el 40\r
//       3.012 ms << el 40\r\nLong(64)= 108-->
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

namespace q4410 {

// Bytes as text that shows every byte: printable ASCII as it is, a backslash doubled, \r, \n,
// \t, and any other byte as \xHH (the escape character as \x1b).
std::string VisibleBytes(std::string_view bytes);

class SerialTrace {
 public:
  using Listener = std::function<void(const std::string& line)>;
  using Clock = std::function<std::chrono::microseconds()>;

  // Lines go to `out` when it is not null; a trace without a stream still feeds its listener.
  // `now` defaults to the steady clock.
  explicit SerialTrace(std::unique_ptr<std::ostream> ownedOut = nullptr, Clock now = {});
  explicit SerialTrace(std::ostream& out, Clock now = {});
  ~SerialTrace();
  SerialTrace(const SerialTrace&) = delete;
  SerialTrace& operator=(const SerialTrace&) = delete;

  // One listener at a time; an empty function removes it. It receives each line without its
  // line end.
  void SetListener(Listener listener) { listener_ = std::move(listener); }

  // Bytes written in a row are gathered into one line, stamped with the time of the first,
  // which ends with a written carriage return or line feed or when anything else happens.
  void Sent(std::string_view bytes);
  // One line per chunk read.
  void Received(std::string_view bytes);
  // Something that happened to the port ("open /dev/ttyUSB0", "close").
  void Event(std::string_view text);

 private:
  bool Wanted() const { return out_ != nullptr || static_cast<bool>(listener_); }
  double ElapsedMs() const;
  void EndSentLine();
  void Emit(double ms, std::string_view marker, std::string_view text);

  std::unique_ptr<std::ostream> ownedOut_;
  std::ostream* out_ = nullptr;
  Clock now_;
  std::chrono::microseconds start_{};
  Listener listener_;
  std::string pendingSent_;
  double pendingSentMs_ = 0;
};

// The trace a program's `--trace VALUE` asks for: an empty value a trace without a stream
// (for a window's console log), "-" standard error, anything else a file, created or
// emptied. Null, with `error` saying why, when the file cannot be opened for writing.
std::unique_ptr<SerialTrace> OpenSerialTrace(const std::string& value, std::string& error);

}  // namespace q4410
