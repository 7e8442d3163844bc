// Measures connects, downloads and the verification after a download against the simulated module
// through a pseudo-terminal and the real serial-port code, with the event pump the windows use.
// Prints the figures and says which of them miss their targets.
#include <QApplication>
#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "bench/example_module.h"
#include "bench/stderr_observer.h"
#include "canopen/download_procedure.h"
#include "canopen/pdo_builder.h"
#include "canopen/verify_procedure.h"
#include "config/clock_time.h"
#include "link/connect_procedure.h"
#include "link/console.h"
#include "link/qt_serial_port.h"
#include "sim/image_report.h"
#include "sim/pty_simulator.h"

namespace {

using Clock = std::chrono::steady_clock;
using q4410::SerialPort;

// Counts the characters that cross the port.
class CountingPort : public SerialPort {
 public:
  explicit CountingPort(SerialPort& inner) : inner_(inner) {}
  q4410::OpenResult Open(const std::string& device) override { return inner_.Open(device); }
  void Close() override { inner_.Close(); }
  bool IsOpen() const override { return inner_.IsOpen(); }
  void ClearInput() override { inner_.ClearInput(); }
  std::size_t BytesWaitingIn() override { return inner_.BytesWaitingIn(); }
  std::size_t BytesWaitingOut() override { return inner_.BytesWaitingOut(); }
  void Write(std::string_view bytes) override {
    sent += bytes.size();
    inner_.Write(bytes);
  }
  std::string ReadAll() override {
    std::string bytes = inner_.ReadAll();
    received += bytes.size();
    return bytes;
  }
  std::size_t sent = 0;
  std::size_t received = 0;

 private:
  SerialPort& inner_;
};

// The window's pump, timing the longest stretch in which the event loop was not served.
struct PumpWatch {
  Clock::time_point last = Clock::now();
  double longestMs = 0;
  q4410::ConsoleEnv Env() {
    q4410::ConsoleEnv env = q4410::PlainConsoleEnv();
    env.pump = [this] {
      const auto now = Clock::now();
      longestMs =
          std::max(longestMs, std::chrono::duration<double, std::milli>(now - last).count());
      QCoreApplication::processEvents();
      std::this_thread::sleep_for(std::chrono::microseconds(100));
      last = Clock::now();
    };
    return env;
  }
};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

struct Figures {
  std::vector<double> ms;
  std::size_t sent = 0, received = 0;
  double longestUnservedMs = 0;
};

// Targets: each dialogue at most 1.4 times its line floor, the event loop never left
// unserved for 20 ms or more.
constexpr double kMaxFloorRatio = 1.4;
constexpr double kMaxUnservedMs = 20.0;

// Prints the figures of one dialogue; false when a figure misses its target.
bool Print(const char* what, const Figures& f, int runs) {
  const double chars = static_cast<double>(f.sent + f.received) / runs;
  const double floorMs = chars * 10.0 / 115200.0 * 1000.0;
  const double median = Median(f.ms);
  const double ratio = median / floorMs;
  std::printf(
      "%-9s median %7.1f ms over %d runs | sent %5zu, received %5zu chars per run | "
      "115200-baud floor %6.1f ms | ratio %5.2f | event loop unserved at most %5.2f ms\n",
      what, median, runs, f.sent / runs, f.received / runs, floorMs, ratio, f.longestUnservedMs);
  bool met = true;
  if (ratio > kMaxFloorRatio) {
    std::printf("  MISSED: %s median is %.2f times its floor (target at most %.1f)\n", what, ratio,
                kMaxFloorRatio);
    met = false;
  }
  if (f.longestUnservedMs >= kMaxUnservedMs) {
    std::printf("  MISSED: %s left the event loop unserved for %.1f ms (target under %.0f ms)\n",
                what, f.longestUnservedMs, kMaxUnservedMs);
    met = false;
  }
  return met;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
  const auto dir = std::filesystem::temp_directory_path() / "q4410-bench";
  const auto module = q4410::bench::StartExampleModule(dir);
  if (!module) return 1;
  q4410::sim::PtySimulator& simulator = *module;
  std::printf("character pause %lld us, reply window %d ms\n",
              static_cast<long long>(q4410::kCharacterPause.count()), q4410::kConsoleTimeoutMs);

  q4410::QtSerialPort qtPort;
  CountingPort port(qtPort);
  q4410::bench::StderrObserver observer;
  Figures connects, downloads, verifications;
  for (int run = 0; run < runs; ++run) {
    q4410::ParaDef rec;
    PumpWatch watch;
    q4410::Link link{port, watch.Env()};
    const auto sent0 = port.sent, received0 = port.received;
    auto start = Clock::now();
    if (q4410::RunConnect(rec, link, {simulator.DevicePath(), q4410::AppSelection::CANopen},
                          observer) != q4410::ConnectResult::Connected)
      return 1;
    connects.ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    connects.sent += port.sent - sent0;
    connects.received += port.received - received0;
    connects.longestUnservedMs = std::max(connects.longestUnservedMs, watch.longestMs);

    // A configuration with one object, as the editor leaves it.
    rec.AppObjects[0] = {"1", 3, 1, 4};
    rec.AppObjectCount = 1;
    rec.AppObjectsUnchanged = false;
    q4410::BuildPdoMapping(rec);
    PumpWatch downloadWatch;
    link.env = downloadWatch.Env();
    const auto sent1 = port.sent, received1 = port.received;
    start = Clock::now();
    // The download alone, as the module's own dialogue; its verification is timed apart.
    q4410::DownloadRequest request{simulator.DevicePath(), dir.string(), q4410::NowLocal()};
    request.verify = false;
    if (q4410::RunDownload(rec, link, request, observer).result != q4410::DownloadResult::Done)
      return 1;
    downloads.ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    downloads.sent += port.sent - sent1;
    downloads.received += port.received - received1;
    downloads.longestUnservedMs = std::max(downloads.longestUnservedMs, downloadWatch.longestMs);

    // The verification, over the port as the download leaves it to it: open, at the prompt.
    if (!port.Open(simulator.DevicePath()).ok()) return 1;
    PumpWatch verifyWatch;
    q4410::Console console(port, verifyWatch.Env());
    const auto sent2 = port.sent, received2 = port.received;
    start = Clock::now();
    if (!q4410::VerifyWrittenWords(rec, console).ok()) return 1;
    verifications.ms.push_back(
        std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    port.Close();
    verifications.sent += port.sent - sent2;
    verifications.received += port.received - received2;
    verifications.longestUnservedMs =
        std::max(verifications.longestUnservedMs, verifyWatch.longestMs);
  }
  const bool connectMet = Print("connect", connects, runs);
  const bool downloadMet = Print("download", downloads, runs);
  const bool verifyMet = Print("verify", verifications, runs);
  std::printf("targets: %s\n",
              connectMet && downloadMet && verifyMet ? "all met" : "missed (see above)");
  return 0;
}
