#include "link/serial_trace.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>

#include "config/clock_time.h"

namespace q4410 {

namespace {

std::chrono::microseconds SteadyNow() {
  return std::chrono::duration_cast<std::chrono::microseconds>(
      std::chrono::steady_clock::now().time_since_epoch());
}

void WriteHeader(std::ostream& out) {
  const LocalTime t = NowLocal();
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day,
                t.hour, t.minute, t.second);
  out << "# serial trace started " << stamp << "; >> sent, << received, -- port\n" << std::flush;
}

}  // namespace

std::string VisibleBytes(std::string_view bytes) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string text;
  text.reserve(bytes.size());
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '\\':
        text += "\\\\";
        break;
      case '\r':
        text += "\\r";
        break;
      case '\n':
        text += "\\n";
        break;
      case '\t':
        text += "\\t";
        break;
      default:
        if (byte >= 0x20 && byte < 0x7f) {
          text += c;
        } else {
          text += "\\x";
          text += kHex[byte >> 4];
          text += kHex[byte & 0x0f];
        }
    }
  }
  return text;
}

SerialTrace::SerialTrace(std::unique_ptr<std::ostream> ownedOut, Clock now)
    : ownedOut_(std::move(ownedOut)),
      out_(ownedOut_.get()),
      now_(now ? std::move(now) : Clock(SteadyNow)),
      start_(now_()) {
  if (out_) WriteHeader(*out_);
}

SerialTrace::SerialTrace(std::ostream& out, Clock now) : SerialTrace(nullptr, std::move(now)) {
  out_ = &out;
  WriteHeader(out);
}

SerialTrace::~SerialTrace() {
  EndSentLine();
}

double SerialTrace::ElapsedMs() const {
  return static_cast<double>((now_() - start_).count()) / 1000.0;
}

void SerialTrace::Sent(std::string_view bytes) {
  if (!Wanted() || bytes.empty()) return;
  if (pendingSent_.empty()) pendingSentMs_ = ElapsedMs();
  pendingSent_ += VisibleBytes(bytes);
  const char last = bytes.back();
  if (last == '\r' || last == '\n') EndSentLine();
}

void SerialTrace::Received(std::string_view bytes) {
  if (!Wanted() || bytes.empty()) return;
  EndSentLine();
  Emit(ElapsedMs(), "<<", VisibleBytes(bytes));
}

void SerialTrace::Event(std::string_view text) {
  if (!Wanted()) return;
  EndSentLine();
  Emit(ElapsedMs(), "--", text);
}

void SerialTrace::EndSentLine() {
  if (pendingSent_.empty()) return;
  Emit(pendingSentMs_, ">>", pendingSent_);
  pendingSent_.clear();
}

void SerialTrace::Emit(double ms, std::string_view marker, std::string_view text) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%10.3f ms ", ms);
  std::string line = stamp;
  line.append(marker).append(" ").append(text);
  // Flushed line by line, so that a run that is killed keeps its trace up to its last line.
  if (out_) *out_ << line << '\n' << std::flush;
  if (listener_) listener_(line);
}

std::unique_ptr<SerialTrace> OpenSerialTrace(const std::string& value, std::string& error) {
  if (value.empty()) return std::make_unique<SerialTrace>();
  if (value == "-") return std::make_unique<SerialTrace>(std::cerr);
  errno = 0;
  auto file = std::make_unique<std::ofstream>(value, std::ios::out | std::ios::trunc);
  if (!*file) {
    error = "cannot write the trace file " + value + ": " +
            (errno != 0 ? std::strerror(errno) : "it cannot be opened");
    return nullptr;
  }
  return std::make_unique<SerialTrace>(std::move(file));
}

}  // namespace q4410
